// SPDX-License-Identifier: GPL-3.0-or-later
// The editable one-column model (摘要名) of the description picker over DescriptionPicker.
#pragma once

#include <QAbstractTableModel>

namespace k9 {

class DescriptionPicker;

class DescriptionModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit DescriptionModel(DescriptionPicker& picker, QObject* parent = nullptr);
    // Shows the picker's rows again after it changed them.
    void refresh();
    // Shows one row again (its text was stored and cut).
    void refreshRow(int row);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Typing into a row keeps the text in the picker; it is stored when the row is left or
    // chosen.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

private:
    DescriptionPicker& m_picker;
};

} // namespace k9
