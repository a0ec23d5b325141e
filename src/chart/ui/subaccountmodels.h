// SPDX-License-Identifier: GPL-3.0-or-later
// The editable models of the two sub-account editors: THojokamoku's common list of one
// account (コード, 補助科目名) and Tkamoku_hojo's per-unit names (補助科目コード read-only,
// 補助科目名). Edits are written at once through the chart logic; refusals and store errors
// are shown through the Prompter.
#pragma once

#include "chart/subaccounts.h"

#include <QAbstractTableModel>

namespace k9 {

class Prompter;

class SubAccountEditModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { CodeColumn = 0, NameColumn = 1 };
    SubAccountEditModel(SubAccountEditor& editor, Prompter& prompter, QObject* parent = nullptr);
    void refresh();
    // The Down key on the last row; returns whether a row was added.
    bool appendRow();
    // "削    除" on a row: refused with a message when journal lines carry the sub-account,
    // otherwise deleted after Yes to a question naming what would be lost.
    void removeRowAsked(int row);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

private:
    void setCode(int row, const QString& typed);
    SubAccountEditor& m_editor;
    Prompter& m_prompter;
};

class UnitNameModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { CodeColumn = 0, NameColumn = 1 };
    UnitNameModel(Database& aaa, Prompter& prompter, QString accountCode, QObject* parent = nullptr);
    // Shows the unit's names of the account.
    void setUnit(int unit);
    int unit() const { return m_unit; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

private:
    Database& m_aaa;
    Prompter& m_prompter;
    QString m_accountCode;
    int m_unit = -1;
    std::vector<UnitSubAccountName> m_rows;
};

} // namespace k9
