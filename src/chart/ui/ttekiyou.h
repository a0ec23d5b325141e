// SPDX-License-Identifier: GPL-3.0-or-later
// The standard-description picker (Ttekiyou, caption "tekiyou"): the descriptions kept for
// the voucher line's pair of accounts, most recently chosen first, with a search box, "挿
// 　　入" and "不要な摘要名の削除". Its rules live in chart/descriptions.h.
#pragma once

#include "chart/descriptions.h"

#include <QDialog>
#include <memory>

class QLineEdit;

namespace k9 {

class DescriptionModel;
class GridEditDelegate;
class PickerView;
class Prompter;
struct Session;

class Ttekiyou : public QDialog {
    Q_OBJECT
public:
    Ttekiyou(Session& session, Prompter& prompter, QWidget* parent = nullptr);

    // Opens the picker for the pair (PickedDebitCode, PickedCreditCode) — either may be
    // empty, not both — in the unit CurrentUnitText, showing only that unit's descriptions
    // when HeadM.PM15 = 1. Enter on a row stores it as the pair's first description and
    // closes; Esc (or the window frame) closes without a choice. Returns PickedDescription,
    // which it also leaves in the session: the text as typed ("水道代／６月分" although the
    // list keeps "水道代／"), empty when nothing was chosen. Reading errors raise StoreError
    // to the caller; errors while the window is open are shown through the Prompter.
    QString pick();

    // Fills the window as pick() does, without showing it.
    void prepare();
    DescriptionPicker* picker() const { return m_picker.get(); }
    PickerView* grid() const { return m_view; }
    QLineEdit* searchBox() const { return m_search; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onEnter();
    void onCurrentRowChanged(int current, int previous);
    void onDownAtLastRow();
    void onSearch();
    void onInsert();
    void onDelete();
    void refresh(int row);

    Session& m_session;
    Prompter& m_prompter;
    std::unique_ptr<DescriptionPicker> m_picker;
    DescriptionModel* m_model = nullptr;
    PickerView* m_view;
    GridEditDelegate* m_delegate;
    QLineEdit* m_search;
    bool m_returning = false;
};

} // namespace k9
