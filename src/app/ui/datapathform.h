// SPDX-License-Identifier: GPL-3.0-or-later
// The data-path dialog (データパス名の設定): chooses or creates the data folder of the current
// fiscal year. Opened at start-up when the data folder is missing and by the menu's
// "データパス名". Accepted means DataPath and HeadM.PathName1 hold the new folder; the
// caller then runs Init. Its rules are app/datapath.h.
#pragma once

#include <QDate>
#include <QDialog>

class QLineEdit;

namespace k9 {

class Prompter;
struct Session;

class TDataPath : public QDialog {
    Q_OBJECT
public:
    TDataPath(Session& session, Prompter& prompter, const QDate& today, QWidget* parent = nullptr);

private:
    void showStoredPath();
    void browse();
    void confirm();

    Session& m_session;
    Prompter& m_prompter;
    QDate m_today;
    QLineEdit* m_path;
};

} // namespace k9
