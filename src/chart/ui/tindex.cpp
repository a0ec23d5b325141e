// SPDX-License-Identifier: GPL-3.0-or-later
// The index-label printer screen.
#include "chart/ui/tindex.h"

#include "store/errors.h"
#include "store/prompter.h"
#include "store/session.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace k9 {

using namespace indexlabels;

TIndex::TIndex(Session& session, Prompter& prompter, Source source, QWidget* parent)
    : QDialog(parent), m_session(session), m_prompter(prompter), m_source(source),
      m_presenter(defaultPagesPresenter()) {
    setObjectName(QStringLiteral("TIndex"));
    setWindowTitle(QStringLiteral("インデックスの印刷"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);

    auto* choiceRow = new QHBoxLayout;
    auto* classGroup = new QGroupBox(QStringLiteral("科目の種類"), this);
    auto* classLayout = new QVBoxLayout(classGroup);
    const std::array<QString, 4> classCaptions{QStringLiteral("資産科目"), QStringLiteral("負債科目"),
                                               QStringLiteral("収入科目"), QStringLiteral("支出科目")};
    for (std::size_t i = 0; i < 4; ++i) {
        m_classes[i] = new QCheckBox(classCaptions[i], classGroup);
        classLayout->addWidget(m_classes[i]);
        // The fund ledger's lines are receipts and payments only.
        m_classes[i]->setVisible(classOffered(source, static_cast<ClassIndex>(i)));
    }
    choiceRow->addWidget(classGroup);

    auto* levelGroup = new QGroupBox(QStringLiteral("科目の階層"), this);
    auto* levelLayout = new QVBoxLayout(levelGroup);
    const std::array<QString, 4> levelCaptions{
        QStringLiteral("大科目(FlgA=3)"), QStringLiteral("中科目(FlgA=2)"),
        QStringLiteral("小科目の計科目(FlgA=1)"), QStringLiteral("入力科目(FlgA=0)")};
    for (std::size_t i = 0; i < 4; ++i) {
        m_levels[i] = new QCheckBox(levelCaptions[i], levelGroup);
        levelLayout->addWidget(m_levels[i]);
    }
    choiceRow->addWidget(levelGroup);
    layout->addLayout(choiceRow);

    auto* useGroup = new QGroupBox(QStringLiteral("印刷する科目"), this);
    auto* useLayout = new QHBoxLayout(useGroup);
    m_allLines = new QRadioButton(QStringLiteral("全ての科目"), useGroup);
    m_usedOnly = new QRadioButton(QStringLiteral("使用科目のみ"), useGroup);
    useLayout->addWidget(m_allLines);
    useLayout->addWidget(m_usedOnly);
    layout->addWidget(useGroup);

    auto* sheetGroup = new QGroupBox(QStringLiteral("用紙規格"), this);
    auto* sheetLayoutBox = new QVBoxLayout(sheetGroup);
    auto* sheetButtons = new QButtonGroup(this);
    for (std::size_t i = 0; i < sheetLayouts().size(); ++i) {
        m_sheets[i] = new QRadioButton(QString::fromUtf8(sheetLayouts()[i].name), sheetGroup);
        sheetButtons->addButton(m_sheets[i]);
        sheetLayoutBox->addWidget(m_sheets[i]);
    }
    layout->addWidget(sheetGroup);

    m_note = new QLabel(QStringLiteral("タックインデックス（大）A4　４２面　に対応しています。"), this);
    layout->addWidget(m_note);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* runButton = new QPushButton(QStringLiteral("実　　行"), this);
    connect(runButton, &QPushButton::clicked, this, [this] { run(); });
    buttons->addWidget(runButton);
    auto* close = new QPushButton(QStringLiteral("閉じる"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(close);
    layout->addLayout(buttons);

    setChoices(Choices{});
}

Choices TIndex::choices() const {
    Choices c;
    for (std::size_t i = 0; i < 4; ++i) {
        c.classes[i] = m_classes[i]->isChecked() && classOffered(m_source, static_cast<ClassIndex>(i));
        c.levels[i] = m_levels[i]->isChecked();
    }
    c.usedOnly = m_usedOnly->isChecked();
    c.sheet = sheetLayouts().front().sheet;
    for (std::size_t i = 0; i < m_sheets.size(); ++i)
        if (m_sheets[i]->isChecked())
            c.sheet = sheetLayouts()[i].sheet;
    return c;
}

void TIndex::setChoices(const Choices& choices) {
    for (std::size_t i = 0; i < 4; ++i) {
        m_classes[i]->setChecked(choices.classes[i] && classOffered(m_source, static_cast<ClassIndex>(i)));
        m_levels[i]->setChecked(choices.levels[i]);
    }
    (choices.usedOnly ? m_usedOnly : m_allLines)->setChecked(true);
    for (std::size_t i = 0; i < m_sheets.size(); ++i)
        m_sheets[i]->setChecked(sheetLayouts()[i].sheet == choices.sheet);
}

QRadioButton* TIndex::sheetButton(Sheet sheet) const {
    for (std::size_t i = 0; i < m_sheets.size(); ++i)
        if (sheetLayouts()[i].sheet == sheet)
            return m_sheets[i];
    return nullptr;
}

int TIndex::run() {
    const Choices chosen = choices();
    const QString problem = choiceProblem(m_source, chosen);
    if (!problem.isEmpty()) {
        m_prompter.message(problem, MessageIcon::Warning);
        return 0;
    }
    QStringList names;
    try {
        names = labelNames(m_session.www, m_source, chosen);
    } catch (const K9Error& e) {
        m_prompter.message(QStringLiteral("[エラー] ") + e.message(), MessageIcon::Error);
        return 0;
    }
    if (names.isEmpty()) {
        m_prompter.message(noLinesMessage(), MessageIcon::Information);
        return 0;
    }
    PaintedPages pages;
    pages.title = QStringLiteral("インデックス");
    pages.pageCount = sheetCount(static_cast<int>(names.size()));
    const Sheet sheet = chosen.sheet;
    pages.paint = [names, sheet](QPainter& painter, int page) {
        paintLabelSheet(painter, sheet, names, page);
    };
    if (m_presenter)
        m_presenter(this, pages);
    return pages.pageCount;
}

} // namespace k9
