// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/menuscreens.h"

#include "app/ui/datapathform.h"
#include "app/ui/houjinmei.h"
#include "app/ui/password.h"

#include <QDate>

namespace k9 {

MenuScreens defaultMenuScreens() {
    MenuScreens s;
    s.password = [](QWidget* parent) -> std::optional<QString> {
        TPassword dialog(parent);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.typedPassword();
    };
    s.corporationName = [](QWidget* parent, Session& session, Prompter& prompter) {
        THoujinmei dialog(session, prompter, parent);
        dialog.exec();
    };
    s.dataPath = [](QWidget* parent, Session& session, Prompter& prompter) {
        TDataPath dialog(session, prompter, QDate::currentDate(), parent);
        return dialog.exec() == QDialog::Accepted;
    };
    return s;
}

} // namespace k9
