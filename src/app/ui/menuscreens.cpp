// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/menuscreens.h"

#include "app/repair.h"
#include "app/ui/backupdialog.h"
#include "app/ui/datapathform.h"
#include "app/ui/houjinmei.h"
#include "app/ui/password.h"
#include "app/ui/tbumon.h"
#include "app/ui/tpathrec.h"
#include "app/ui/tsyokisettei.h"
#include "chart/ui/tkamoku.h"

#include <QApplication>
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
    s.settings = [](QWidget* parent, Session& session, Prompter& prompter) {
        TSyokisettei dialog(session, prompter, parent);
        dialog.exec();
    };
    s.unitRegister = [](QWidget* parent, Session& session, Prompter& prompter) {
        TBumon dialog(session, prompter, parent);
        return dialog.exec() == QDialog::Accepted;
    };
    s.chartOfAccounts = [](QWidget* parent, Session& session, Prompter& prompter) {
        Tkamoku dialog(session, prompter, parent);
        dialog.exec();
    };
    s.fiscalYearList = [](QWidget* parent, Session& session, Prompter& prompter) {
        TPathRec dialog(session, prompter, parent);
        dialog.exec();
    };
    s.backup = [](QWidget* parent, Session& session, Prompter& prompter) {
        TBackup dialog(session, prompter, parent);
        dialog.exec();
    };
    s.repair = [](QWidget*, Session& session, Prompter& prompter) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        runRepair(session, prompter);
        QApplication::restoreOverrideCursor();
    };
    return s;
}

} // namespace k9
