// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/ui/printchoices.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

namespace k9 {

QPushButton* screenButton(const QString& text, const QString& name, QWidget* parent, const QString& hint) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    if (!hint.isEmpty())
        b->setToolTip(hint);
    return b;
}

QButtonGroup* addRadioChoices(QGroupBox* box, const QStringList& items, Qt::Orientation orientation,
                              const QString& name) {
    auto* group = new QButtonGroup(box);
    auto* layout =
        new QBoxLayout(orientation == Qt::Vertical ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight, box);
    for (int i = 0; i < items.size(); ++i) {
        auto* b = new QRadioButton(items[i], box);
        if (!name.isEmpty())
            b->setObjectName(name + QString::number(i));
        group->addButton(b, i);
        layout->addWidget(b);
    }
    if (QAbstractButton* first = group->button(0))
        first->setChecked(true);
    return group;
}

QGroupBox* radioBox(QWidget* parent, const QString& title, const QStringList& items, QButtonGroup*& group,
                    const QString& name, Qt::Orientation orientation) {
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(name);
    group = addRadioChoices(box, items, orientation, name);
    return box;
}

void checkRadio(QButtonGroup* group, int id) {
    if (QAbstractButton* b = group->button(id))
        b->setChecked(true);
}

QSpinBox* numberBox(QWidget* parent, const QString& name, int lo, int hi) {
    auto* s = new QSpinBox(parent);
    s->setObjectName(name);
    s->setRange(lo, hi);
    s->setInputMethodHints(Qt::ImhDigitsOnly);
    return s;
}

PrintLookControls::PrintLookControls(QWidget* parent) : QObject(parent) {
    const QStringList printOrNot{QStringLiteral("印刷する"), QStringLiteral("印刷しない")};
    m_zeroLinesBox =
        radioBox(parent, QStringLiteral("０円の科目"), printOrNot, m_zeroLines, QStringLiteral("zeroLines"));
    m_majorZeroBox =
        radioBox(parent, QStringLiteral("大科目の0円"), printOrNot, m_majorZero, QStringLiteral("majorZero"));
    m_shadingBox = radioBox(parent, QStringLiteral("網掛け"),
                            {QStringLiteral("しない"), QStringLiteral("大科目のみ"),
                             QStringLiteral("準大科目以上"), QStringLiteral("小科目の合計科目以上")},
                            m_shading, QStringLiteral("shading"));
    m_numbers = new QBoxLayout(QBoxLayout::LeftToRight);
    m_rowHeight = numberBox(parent, QStringLiteral("rowHeight"), 8, 60);
    m_nameFont = numberBox(parent, QStringLiteral("nameFontSize"), 5, 20);
    m_amountFont = numberBox(parent, QStringLiteral("amountFontSize"), 5, 20);
    const std::pair<QString, QSpinBox*> boxes[] = {
        {QStringLiteral("行間隔\n(標準　16)"), m_rowHeight},
        {QStringLiteral("科目名のフォントサイズ\n(標準　9)"), m_nameFont},
        {QStringLiteral("金額のフォントサイズ\n(標準　9)"), m_amountFont},
    };
    for (const auto& [caption, box] : boxes) {
        m_numbers->addWidget(new QLabel(caption, parent));
        m_numbers->addWidget(box);
        m_numbers->addSpacing(12);
    }
    connect(m_zeroLines, &QButtonGroup::idToggled, this,
            [this](int, bool) { m_majorZeroBox->setHidden(m_zeroLines->checkedId() != 1); });
    setLook(PrintLook{});
}

PrintLook PrintLookControls::look() const {
    PrintLook look;
    look.zeroLines = m_zeroLines->checkedId();
    look.majorZero = m_majorZero->checkedId();
    look.shading = m_shading->checkedId();
    look.rowHeight = m_rowHeight->value();
    look.nameFontSize = m_nameFont->value();
    look.amountFontSize = m_amountFont->value();
    return look;
}

void PrintLookControls::setLook(const PrintLook& look) {
    checkRadio(m_zeroLines, look.zeroLines);
    checkRadio(m_majorZero, look.majorZero);
    checkRadio(m_shading, look.shading);
    m_rowHeight->setValue(look.rowHeight);
    m_nameFont->setValue(look.nameFontSize);
    m_amountFont->setValue(look.amountFontSize);
    m_majorZeroBox->setHidden(m_zeroLines->checkedId() != 1);
}

bool PrintLookControls::majorZeroShown() const {
    return !m_majorZeroBox->isHidden();
}

} // namespace k9
