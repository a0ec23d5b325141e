// SPDX-License-Identifier: GPL-3.0-or-later
// Editable grid model over one stored table; see gridmodel.h.
#include "app/gridmodel.h"

#include "app/registermessages.h"
#include "store/database.h"
#include "store/errors.h"
#include "store/prompter.h"
#include "store/session.h"

namespace k9 {

TableGridModel::TableGridModel(Database& db, Prompter& prompter, QString table, QString keyColumn,
                               std::vector<GridColumn> columns, QString filter,
                               std::vector<QVariant> filterParams, QObject* parent)
    : QAbstractTableModel(parent), m_db(db), m_prompter(prompter), m_table(std::move(table)),
      m_keyColumn(std::move(keyColumn)), m_columns(std::move(columns)), m_filter(std::move(filter)),
      m_filterParams(std::move(filterParams)) {}

QString TableGridModel::selectList() const {
    QStringList cols{quoteId(m_keyColumn)};
    for (const auto& c : m_columns)
        cols << quoteId(c.column);
    return cols.join(',');
}

void TableGridModel::reload() {
    std::vector<Row> rows;
    QString sql = QStringLiteral("SELECT %1 FROM %2").arg(selectList(), quoteId(m_table));
    if (!m_filter.isEmpty())
        sql += QStringLiteral(" WHERE ") + m_filter;
    sql += QStringLiteral(" ORDER BY ") + quoteId(m_keyColumn);
    auto st = m_db.prepare(sql);
    for (size_t i = 0; i < m_filterParams.size(); ++i)
        st.bind(static_cast<int>(i + 1), m_filterParams[i]);
    while (st.step()) {
        Row r;
        r.key = st.value(0);
        for (size_t c = 0; c < m_columns.size(); ++c)
            r.values.push_back(st.value(static_cast<int>(c + 1)));
        rows.push_back(std::move(r));
    }
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

bool TableGridModel::readRow(const QVariant& key, Row& row) {
    auto st = m_db.prepare(QStringLiteral("SELECT %1 FROM %2 WHERE %3=?1")
                               .arg(selectList(), quoteId(m_table), quoteId(m_keyColumn)));
    st.bind(1, key);
    if (!st.step())
        return false;
    row.key = st.value(0);
    row.values.clear();
    for (size_t c = 0; c < m_columns.size(); ++c)
        row.values.push_back(st.value(static_cast<int>(c + 1)));
    return true;
}

void TableGridModel::setReadOnly(bool readOnly) {
    if (m_readOnly == readOnly)
        return;
    m_readOnly = readOnly;
    if (!m_rows.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {});
}

QVariant TableGridModel::keyAt(int row) const {
    if (row < 0 || row >= rowCount())
        return QVariant();
    return m_rows[static_cast<size_t>(row)].key;
}

int TableGridModel::rowOfKey(const QVariant& key) const {
    for (size_t i = 0; i < m_rows.size(); ++i)
        if (m_rows[i].key == key)
            return static_cast<int>(i);
    return -1;
}

QVariant TableGridModel::valueAt(int row, const QString& column) const {
    if (row < 0 || row >= rowCount())
        return QVariant();
    for (size_t c = 0; c < m_columns.size(); ++c)
        if (m_columns[c].column.compare(column, Qt::CaseInsensitive) == 0)
            return m_rows[static_cast<size_t>(row)].values[c];
    return QVariant();
}

int TableGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int TableGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QVariant TableGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() ||
        !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return QVariant();
    const auto& col = m_columns[static_cast<size_t>(index.column())];
    const QVariant& v = m_rows[static_cast<size_t>(index.row())].values[static_cast<size_t>(index.column())];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return v.isNull() ? QString() : v.toString();
    case Qt::TextAlignmentRole: {
        auto info = m_db.column(m_table, col.column);
        bool number = info && info->isNumeric();
        return QVariant::fromValue(
            Qt::Alignment((number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter));
    }
    case MaxBytesRole: {
        auto info = m_db.column(m_table, col.column);
        return info && info->isText() ? info->width : 0;
    }
    case InputHintsRole:
        return static_cast<int>(col.inputHints);
    default:
        return QVariant();
    }
}

QVariant TableGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return QVariant();
    return m_columns[static_cast<size_t>(section)].title;
}

Qt::ItemFlags TableGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid() ||
        !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (!m_readOnly && m_columns[static_cast<size_t>(index.column())].editable)
        f |= Qt::ItemIsEditable;
    return f;
}

bool TableGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    Row& row = m_rows[static_cast<size_t>(index.row())];
    const QString& column = m_columns[static_cast<size_t>(index.column())].column;
    const QVariant& old = row.values[static_cast<size_t>(index.column())];
    QString text = value.toString();
    if (text == (old.isNull() ? QString() : old.toString()))
        return true;
    try {
        QVariant newKey = row.key;
        if (column.compare(m_keyColumn, Qt::CaseInsensitive) == 0) {
            auto info = m_db.column(m_table, column);
            newKey = info ? m_db.fitValue(*info, text) : QVariant(text);
        }
        m_db.updateRows(m_table, {{column, text}}, quoteId(m_keyColumn) + QStringLiteral("=?1"), {row.key});
        Row fresh;
        if (readRow(newKey, fresh))
            row = std::move(fresh);
    } catch (const K9Error& e) {
        m_prompter.error(e.message());
        return false;
    }
    emit dataChanged(this->index(index.row(), 0), this->index(index.row(), columnCount() - 1),
                     {Qt::DisplayRole, Qt::EditRole});
    return true;
}

TableGridModel* openUnitTableModel(Session& session, Prompter& prompter, std::vector<GridColumn> columns,
                                   const QString& filter, QObject* parent) {
    auto* model = new TableGridModel(session.aaa, prompter, QStringLiteral("BUMON"), QStringLiteral("code"),
                                     std::move(columns), filter, {}, parent);
    model->setReadOnly(session.viewOnly == 1);
    try {
        model->reload();
    } catch (const K9Error& e) {
        prompter.error(msg::storeFailure(e.message()));
    }
    return model;
}

} // namespace k9
