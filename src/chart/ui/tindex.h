// SPDX-License-Identifier: GPL-3.0-or-later
// TIndex, the index-label printer for ledger binders: the classes, levels, "全ての科目" /
// "使用科目のみ" and the label sheet are chosen; "実　　行" reads the chosen lines of the
// selected unit's work copy and shows the label sheets in the print preview, from which the
// user prints. The general ledger opens it on the accounts, the fund ledger on the
// fund-statement lines, where the 資産科目 and 負債科目 choices are hidden and unticked.
// Each opening starts from every class and level ticked.
#pragma once

#include "chart/indexlabels.h"
#include "reports/ui/reportpreview.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QLabel;
class QRadioButton;

namespace k9 {

class Prompter;
struct Session;

class TIndex : public QDialog {
    Q_OBJECT
public:
    TIndex(Session& session, Prompter& prompter, indexlabels::Source source, QWidget* parent = nullptr);

    indexlabels::Source source() const { return m_source; }
    // The choices as the controls show them, and the controls set from choices (classes the
    // source does not offer stay unticked).
    indexlabels::Choices choices() const;
    void setChoices(const indexlabels::Choices& choices);

    // 実　　行: refuses choices without a class or a level with a message; otherwise reads the
    // names and hands the label sheets to the presenter ("印刷する科目がありません。" when no
    // line is chosen). Returns the number of sheets shown.
    int run();
    // Where the sheets go; the print preview unless a test records them.
    void setPagesPresenter(PagesPresenter presenter) { m_presenter = std::move(presenter); }

    QCheckBox* classBox(indexlabels::ClassIndex cls) const { return m_classes[cls]; }
    QCheckBox* levelBox(indexlabels::LevelIndex level) const { return m_levels[level]; }
    QRadioButton* usedOnlyButton() const { return m_usedOnly; }
    QRadioButton* sheetButton(indexlabels::Sheet sheet) const;
    QLabel* note() const { return m_note; }

    static QString noLinesMessage() { return QStringLiteral("印刷する科目がありません。"); }

private:
    Session& m_session;
    Prompter& m_prompter;
    indexlabels::Source m_source;
    PagesPresenter m_presenter;
    std::array<QCheckBox*, 4> m_classes{};
    std::array<QCheckBox*, 4> m_levels{};
    QRadioButton* m_allLines = nullptr;
    QRadioButton* m_usedOnly = nullptr;
    std::array<QRadioButton*, 2> m_sheets{};
    QLabel* m_note = nullptr;
};

} // namespace k9
