// SPDX-License-Identifier: GPL-3.0-or-later
// The login dialog of start-up (ユーザーパスワード入力): one masked field pre-filled with the
// factory default and an OK button. The login rule itself is app/login.h.
#pragma once

#include <QDialog>

class QLineEdit;

namespace k9 {

class TPassword : public QDialog {
    Q_OBJECT
public:
    explicit TPassword(QWidget* parent = nullptr);
    QString typedPassword() const;

private:
    QLineEdit* m_password;
};

} // namespace k9
