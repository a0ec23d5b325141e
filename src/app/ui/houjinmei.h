// SPDX-License-Identifier: GPL-3.0-or-later
// The corporation-name registration (法人名登録) asked for at the first login while HeadM has
// no corporation name. Its rule is app/corporation.h.
#pragma once

#include <QDialog>

class QLineEdit;

namespace k9 {

class Prompter;
struct Session;

class THoujinmei : public QDialog {
    Q_OBJECT
public:
    THoujinmei(Session& session, Prompter& prompter, QWidget* parent = nullptr);
    // Closing the window stores the name as typed, as 中　　断 does.
    void reject() override;

private:
    void finish(bool ok);
    Session& m_session;
    Prompter& m_prompter;
    QLineEdit* m_name;
};

} // namespace k9
