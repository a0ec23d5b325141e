// SPDX-License-Identifier: GPL-3.0-or-later
// The controls the report screens and print dialogs share: their buttons, a titled box of
// radio buttons whose ids are the item indexes (the values the dialogs store), and the small
// number boxes for row height, font sizes and page numbers.
#pragma once

#include "reports/report.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <Qt>

class QBoxLayout;
class QButtonGroup;
class QPushButton;
class QGroupBox;
class QSpinBox;
class QWidget;

namespace k9 {

// A button named `name` (for the screen tests) that Enter in another field never presses,
// with an optional hint.
QPushButton* screenButton(const QString& text, const QString& name, QWidget* parent,
                          const QString& hint = QString());
// Fills `box` with one radio button per item, laid out in `orientation`; button i has id i,
// and the first is checked. Buttons are named `name` + index when a name is given.
QButtonGroup* addRadioChoices(QGroupBox* box, const QStringList& items,
                              Qt::Orientation orientation = Qt::Vertical, const QString& name = QString());
// A titled box (named `name`) holding the radio choices; `group` receives their group.
QGroupBox* radioBox(QWidget* parent, const QString& title, const QStringList& items, QButtonGroup*& group,
                    const QString& name, Qt::Orientation orientation = Qt::Vertical);
// Checks the button with `id`; an unknown id leaves the choice as it is.
void checkRadio(QButtonGroup* group, int id);
// A number box for whole numbers between lo and hi.
QSpinBox* numberBox(QWidget* parent, const QString& name, int lo, int hi);

// The print-look choices of a print dialog (PrintLook): the boxes "０円の科目", "大科目の0円"
// (on screen only while "０円の科目" is "印刷しない"), "網掛け", and the row of the three
// number boxes with their captions. The dialog places the boxes and the row where it wants.
class PrintLookControls : public QObject {
    Q_OBJECT
public:
    explicit PrintLookControls(QWidget* parent);

    QGroupBox* zeroLinesBox() const { return m_zeroLinesBox; }
    QGroupBox* majorZeroBox() const { return m_majorZeroBox; }
    QGroupBox* shadingBox() const { return m_shadingBox; }
    QBoxLayout* numbers() const { return m_numbers; }

    PrintLook look() const;
    void setLook(const PrintLook& look);
    bool majorZeroShown() const;

private:
    QGroupBox* m_zeroLinesBox = nullptr;
    QGroupBox* m_majorZeroBox = nullptr;
    QGroupBox* m_shadingBox = nullptr;
    QBoxLayout* m_numbers = nullptr;
    QButtonGroup* m_zeroLines = nullptr;
    QButtonGroup* m_majorZero = nullptr;
    QButtonGroup* m_shading = nullptr;
    QSpinBox* m_rowHeight = nullptr;
    QSpinBox* m_nameFont = nullptr;
    QSpinBox* m_amountFont = nullptr;
};

} // namespace k9
