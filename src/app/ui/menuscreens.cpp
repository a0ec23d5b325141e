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
#include "engine/ui/tkikan.h"
#include "engine/ui/tkikan1b.h"
#include "journal/ui/tinput3.h"
#include "ledgers/ui/tmotocyou.h"
#include "reports/ui/tshisanhyou1.h"
#include "statements/ui/tkessansyo1.h"

#include <QApplication>
#include <QDate>
#include <QPointer>

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
    // 試  算  表: Tkikan1B runs the totals; the trial balance opens only when it was accepted.
    // The dialog is made once per main window, so its option choices stay as the user left them.
    s.trialBalance = [](QWidget* parent, Session& session, Prompter& prompter) {
        static QPointer<Tkikan1B> period;
        if (!period || period->parentWidget() != parent)
            period = new Tkikan1B(session, prompter, parent);
        if (period->exec() != QDialog::Accepted)
            return;
        Tshisanhyou1 screen(session, prompter, parent);
        screen.setPeriodChanger([](QWidget*) { return period && period->exec() == QDialog::Accepted; });
        screen.exec();
    };
    // 総勘定元帳: Tkikan1B runs the totals; the general ledger opens only when it was accepted.
    s.generalLedger = [](QWidget* parent, Session& session, Prompter& prompter) {
        Tkikan1B period(session, prompter, parent);
        if (period.exec() != QDialog::Accepted)
            return;
        Tmotocyou screen(session, prompter, parent);
        screen.exec();
    };
    // 決  算  書: Tkikan stores the period and runs the engines; the statements open only when
    // it was accepted.
    s.statements = [](QWidget* parent, Session& session, Prompter& prompter) {
        Tkikan period(session, prompter, parent);
        if (period.exec() != QDialog::Accepted)
            return;
        Tkessansyo1 screen(session, prompter, parent);
        screen.exec();
    };
    s.transferEntry = [](QWidget* parent, Session& session, Prompter& prompter) {
        TInput3 screen(session, prompter, parent);
        screen.run();
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
