// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/password.h"

#include "app/login.h"
#include "app/messages.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QVBoxLayout>

namespace k9 {
namespace {

// The masked field shows "*" for each typed character, whatever the desktop style uses.
class AsteriskStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == QStyle::SH_LineEdit_PasswordCharacter)
            return '*';
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

TPassword::TPassword(QWidget* parent) : QDialog(parent) {
    setWindowTitle(msg::loginCaption());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(msg::loginText1(), this));
    layout->addWidget(new QLabel(msg::loginText2(), this));

    m_password = new QLineEdit(QString::fromLatin1(kDefaultUserPassword), this);
    m_password->setObjectName(QStringLiteral("password"));
    auto* style = new AsteriskStyle;
    style->setParent(m_password);
    m_password->setStyle(style);
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setMaxLength(5);
    m_password->setInputMethodHints(Qt::ImhDigitsOnly | Qt::ImhHiddenText | Qt::ImhNoPredictiveText);
    m_password->setFixedWidth(120);
    m_password->selectAll();

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(m_password);
    row->addWidget(ok);
    row->addStretch();
    layout->addLayout(row);
    setMinimumWidth(300);
    m_password->setFocus();
}

QString TPassword::typedPassword() const {
    return m_password->text();
}

} // namespace k9
