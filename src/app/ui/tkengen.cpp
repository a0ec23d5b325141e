// SPDX-License-Identifier: GPL-3.0-or-later
// Access-code screen; see tkengen.h.
#include "app/ui/tkengen.h"

#include "app/accesscodes.h"
#include "app/registermessages.h"
#include "app/ui/registergrid.h"
#include "store/prompter.h"
#include "store/session.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace k9 {

TKengen::TKengen(Session& session, Prompter& prompter, QWidget* parent)
    : EnterDialog(parent), m_session(session), m_prompter(prompter) {
    setWindowTitle(msg::accessCodeHeading());
    setObjectName(QStringLiteral("TKengen"));

    auto* heading = new QLabel(msg::accessCodeHeading(), this);
    QFont f = heading->font();
    f.setPointSizeF(f.pointSizeF() * 1.4);
    f.setBold(true);
    heading->setFont(f);

    m_model = openUnitTableModel(m_session, m_prompter, accessCodeColumns(), accessCodeRowFilter(), this);
    m_grid = new RegisterGridView(this);
    m_grid->setObjectName(QStringLiteral("accessGrid"));
    m_grid->setModel(m_model);
    m_grid->setColumnWidth(0, 56);
    m_grid->setColumnWidth(1, 280);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->setMinimumSize(460, m_grid->verticalHeader()->defaultSectionSize() * 20 + 4);

    auto* rightsBox = new QGroupBox(QStringLiteral("設定した権限を"), this);
    rightsBox->setObjectName(QStringLiteral("rightsChoice"));
    m_rights = new QButtonGroup(this);
    auto* rightsLayout = new QHBoxLayout(rightsBox);
    const QStringList choices{QStringLiteral("無効にする"), QStringLiteral("有効にする")};
    for (int i = 0; i < choices.size(); ++i) {
        auto* radio = new QRadioButton(choices[i], rightsBox);
        m_rights->addButton(radio, i);
        rightsLayout->addWidget(radio);
    }
    int mode = 0;
    try {
        mode = loadRightsMode(m_session.hm);
    } catch (const K9Error& e) {
        m_prompter.error(msg::storeFailure(e.message()));
    }
    if (auto* b = m_rights->button(mode == 1 ? 1 : 0))
        b->setChecked(true);
    rightsBox->setEnabled(m_session.viewOnly != 1);

    auto* close = new QPushButton(QStringLiteral("閉じる"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(rightsBox);
    bottom->addStretch(1);
    bottom->addWidget(close, 0, Qt::AlignBottom);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(m_grid, 1);
    layout->addLayout(bottom);
    m_grid->setCurrentIndex(m_model->index(0, 1));
    disableDefaultButtons();
}

void TKengen::done(int result) {
    m_grid->commitPendingEdit();
    if (m_session.viewOnly != 1) {
        try {
            saveRightsMode(m_session, m_rights->checkedId() == 1 ? 1 : 0);
        } catch (const K9Error& e) {
            m_prompter.error(msg::storeFailure(e.message()));
        }
    }
    QDialog::done(result);
}

} // namespace k9
