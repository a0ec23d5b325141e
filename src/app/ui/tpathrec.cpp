// SPDX-License-Identifier: GPL-3.0-or-later
// Fiscal-year folder list; see tpathrec.h.
#include "app/ui/tpathrec.h"

#include "app/pathrec.h"
#include "app/registermessages.h"
#include "app/ui/registergrid.h"
#include "store/prompter.h"
#include "store/session.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace k9 {

TPathRec::TPathRec(Session& session, Prompter& prompter, QWidget* parent)
    : EnterDialog(parent), m_session(session), m_prompter(prompter) {
    setObjectName(QStringLiteral("TPathRec"));
    setWindowTitle(msg::pathRecCaption());

    auto* before = new QLineEdit(m_session.dataPath, this);
    before->setObjectName(QStringLiteral("previousDataPath"));
    before->setReadOnly(true);
    auto* beforeRow = new QHBoxLayout;
    beforeRow->addWidget(new QLabel(QStringLiteral("変更前のデータパス名"), this));
    beforeRow->addWidget(before, 1);

    try {
        ensurePathRecTable(m_session.hm);
    } catch (const K9Error& e) {
        m_prompter.error(msg::storeFailure(e.message()));
    }
    m_model = new TableGridModel(m_session.hm, m_prompter, QStringLiteral("PathRec"), QStringLiteral("No"),
                                 pathRecColumns(), {}, {}, this);
    m_model->setReadOnly(m_session.viewOnly == 1);
    m_grid = new RegisterGridView(this);
    m_grid->setObjectName(QStringLiteral("pathGrid"));
    m_grid->setModel(m_model);
    m_grid->setColumnWidth(0, 48);
    m_grid->setColumnWidth(1, 240);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->setMinimumSize(560, 240);

    auto* sampleBox = new QGroupBox(QStringLiteral("設定例"), this);
    auto* sample = new QLabel(msg::pathRecSample(), sampleBox);
    sample->setObjectName(QStringLiteral("sampleLine"));
    auto* sampleLayout = new QHBoxLayout(sampleBox);
    sampleLayout->addWidget(sample);

    auto* select = new QPushButton(QStringLiteral("選　　択"), this);
    select->setObjectName(QStringLiteral("selectButton"));
    auto* add = new QPushButton(QStringLiteral("追　　加"), this);
    add->setObjectName(QStringLiteral("addButton"));
    auto* remove = new QPushButton(QStringLiteral("削　　除"), this);
    remove->setObjectName(QStringLiteral("deleteButton"));
    auto* cancel = new QPushButton(QStringLiteral("キャンセル"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    add->setEnabled(m_session.viewOnly != 1);
    remove->setEnabled(m_session.viewOnly != 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(select);
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addStretch(1);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(beforeRow);
    layout->addWidget(m_grid, 1);
    layout->addWidget(sampleBox);
    layout->addLayout(buttons);

    connect(select, &QPushButton::clicked, this, &TPathRec::selectClicked);
    connect(add, &QPushButton::clicked, this, &TPathRec::addClicked);
    connect(remove, &QPushButton::clicked, this, &TPathRec::deleteClicked);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    std::optional<int> current;
    try {
        current = pathRecNoForDataPath(m_session.hm, m_session.dataPath);
    } catch (const K9Error& e) {
        m_prompter.error(msg::storeFailure(e.message()));
    }
    reload(current.value_or(0));
    m_grid->setFocus();
    disableDefaultButtons();
}

int TPathRec::exec() {
    QDialog::exec();
    return m_chosen ? QDialog::Accepted : QDialog::Rejected;
}

void TPathRec::done(int result) {
    m_grid->commitPendingEdit();
    QDialog::done(result);
}

int TPathRec::currentNo() const {
    QVariant key = m_model->keyAt(m_grid->currentIndex().row());
    return key.isValid() ? key.toInt() : 0;
}

void TPathRec::reload(int no) {
    try {
        m_model->reload();
    } catch (const K9Error& e) {
        m_prompter.error(msg::storeFailure(e.message()));
    }
    int row = m_model->rowOfKey(no);
    m_grid->setCurrentIndex(m_model->index(row < 0 ? 0 : row, 1));
}

void TPathRec::selectClicked() {
    if (!m_grid->commitPendingEdit())
        return;
    const int row = m_grid->currentIndex().row();
    if (row < 0)
        return;
    const QString path = m_model->valueAt(row, QStringLiteral("データパス名")).toString();
    if (!runChooseDataFolder(m_session, m_prompter, path))
        return;
    m_chosen = true;
    accept();
}

void TPathRec::addClicked() {
    if (!m_grid->commitPendingEdit())
        return;
    try {
        const int no = appendPathRecRow(m_session.hm);
        reload(no);
        m_grid->setFocus();
    } catch (const K9Error& e) {
        m_prompter.error(msg::storeFailure(e.message()));
    }
}

void TPathRec::deleteClicked() {
    if (!m_grid->commitPendingEdit())
        return;
    const int row = m_grid->currentIndex().row();
    if (row < 0 || m_model->rowCount() == 0)
        return;
    if (m_prompter.ask(msg::pathRecDeleteQuestion(), MessageIcon::Warning, Buttons::YesNoCancel) !=
        Answer::Yes)
        return;
    try {
        deletePathRecRow(m_session.hm, currentNo());
    } catch (const K9Error& e) {
        m_prompter.error(msg::storeFailure(e.message()));
    }
    reload(m_model->keyAt(row + 1).toInt());
    if (m_grid->currentIndex().row() < 0 && m_model->rowCount() > 0)
        m_grid->setCurrentIndex(m_model->index(m_model->rowCount() - 1, 1));
}

} // namespace k9
