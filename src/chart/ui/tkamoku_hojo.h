// SPDX-License-Identifier: GPL-3.0-or-later
// The per-unit sub-account name editor "会計別名称変更" (Tkamoku_hojo): for one account, the
// names a unit gives its sub-accounts (Mhojokamoku). The chart editor seeds the units' rows
// first (seedUnitSubAccountNames). The drop-down chooses whose names are edited; the
// session's selected unit is left alone, except that with no unit selected the editor
// starts on unit 1 and makes it the session's unit (Session::setCurrentUnit, so the main
// menu follows).
#pragma once

#include <QDialog>

class QComboBox;

namespace k9 {

class GridEditDelegate;
class PickerView;
class Prompter;
class UnitNameModel;
struct Session;
struct UnitEntry;

class Tkamoku_hojo : public QDialog {
    Q_OBJECT
public:
    // Reading the units and names may raise StoreError to the caller.
    Tkamoku_hojo(Session& session, Prompter& prompter, const QString& accountCode, QWidget* parent = nullptr);

    // The unit whose names are shown.
    int unit() const;
    // Shows another unit's names (as the drop-down does).
    void chooseUnit(int unit);
    QComboBox* unitChoice() const { return m_units; }
    PickerView* grid() const { return m_view; }

protected:
    void done(int result) override;

private:
    void onEnter();

    Session& m_session;
    Prompter& m_prompter;
    QComboBox* m_units;
    UnitNameModel* m_model;
    PickerView* m_view;
    GridEditDelegate* m_delegate;
};

} // namespace k9
