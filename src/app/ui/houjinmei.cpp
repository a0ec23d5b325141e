// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/houjinmei.h"

#include "app/corporation.h"
#include "app/ui/fieldwidth.h"
#include "store/prompter.h"
#include "store/session.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace k9 {

THoujinmei::THoujinmei(Session& session, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_session(session), m_prompter(prompter) {
    setWindowTitle(QStringLiteral("法人名登録"));
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(QStringLiteral("法人名の登録"), this);
    QFont f = heading->font();
    f.setPointSizeF(f.pointSizeF() * 1.4);
    f.setBold(true);
    heading->setFont(f);
    layout->addWidget(heading);

    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("corporationName"));
    m_name->setMinimumWidth(360);
    limitToCp932Width(m_name, 100);
    layout->addWidget(m_name);

    auto* examples = new QGridLayout;
    examples->addWidget(new QLabel(QStringLiteral("例）"), this), 0, 0, Qt::AlignTop);
    examples->addWidget(new QLabel(QStringLiteral("社団法人○○会"), this), 0, 1);
    examples->addWidget(new QLabel(QStringLiteral("財団法人○○会"), this), 1, 1);
    examples->addWidget(new QLabel(QStringLiteral("ＮＰＯ法人○○会"), this), 2, 1);
    examples->setColumnStretch(2, 1);
    layout->addLayout(examples);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("中　　断"), this);
    connect(ok, &QPushButton::clicked, this, [this] { finish(true); });
    connect(cancel, &QPushButton::clicked, this, [this] { finish(false); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    m_name->setFocus();
}

void THoujinmei::finish(bool ok) {
    bool close = true;
    try {
        close = registerCorporationName(m_session, m_name->text(),
                                        ok ? CorporationNameButton::Ok : CorporationNameButton::Cancel);
    } catch (const K9Error& e) {
        m_prompter.error(e.message());
    }
    if (!close)
        return;
    if (ok)
        accept();
    else
        QDialog::reject();
}

void THoujinmei::reject() {
    finish(false);
}

} // namespace k9
