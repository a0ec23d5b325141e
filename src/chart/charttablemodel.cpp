// SPDX-License-Identifier: GPL-3.0-or-later
// The chart editor's grid model: reading, editing, posting and deleting chart lines.
#include "chart/charttablemodel.h"

#include "chart/accountuses.h"
#include "chart/chartmessages.h"
#include "reports/spreadsheet.h"
#include "store/database.h"
#include "store/prompter.h"

#include <algorithm>
#include <limits>

namespace k9 {
namespace {

constexpr int kSmallintMin = std::numeric_limits<short>::min();
constexpr int kSmallintMax = std::numeric_limits<short>::max();
constexpr int kIntegerMin = std::numeric_limits<int>::min();
constexpr int kIntegerMax = std::numeric_limits<int>::max();
constexpr int kTaxClassMax = 30;

// Half-width digits for full-width ones, so "１" typed with the input method reads as 1.
QString halfWidthDigits(const QString& s) {
    QString out = s;
    for (QChar& c : out)
        if (c.unicode() >= 0xFF10 && c.unicode() <= 0xFF19)
            c = QChar(c.unicode() - 0xFF10 + '0');
        else if (c.unicode() == 0xFF0D)
            c = QLatin1Char('-');
    return out;
}

bool sameValue(const QVariant& a, const QVariant& b) {
    if (a.isNull() || b.isNull())
        return a.isNull() == b.isNull();
    return a.toString() == b.toString();
}

} // namespace

ChartTableModel::ChartTableModel(Database& chart, Prompter& prompter, ChartTable table, QObject* parent)
    : QAbstractTableModel(parent), m_db(chart), m_prompter(prompter), m_table(table) {
    auto text = [](const char* name, const QString& title, int width) {
        return Field{QString::fromUtf8(name), title, true, width, 0, 0, true};
    };
    auto flag = [](const char* name, const QString& title, int lo = kSmallintMin, int hi = kSmallintMax) {
        return Field{QString::fromUtf8(name), title, false, 0, lo, hi, true};
    };
    const QString codeTitle = QStringLiteral("科目ｺｰﾄﾞ");
    const QString nameTitle = QStringLiteral("科目名");
    if (table == ChartTable::Accounts) {
        m_fields = {text("code", codeTitle, 5),
                    text("科目名", nameTitle, 40),
                    flag("FlgA", QStringLiteral("FlgA")),
                    flag("FlgB", QStringLiteral("FlgB")),
                    flag("FlgC", QStringLiteral("FlgC")),
                    flag("FlgE", QStringLiteral("小科目")),
                    flag("FlgD", QStringLiteral("補助科目")),
                    flag("FlgG", QStringLiteral("FlgG")),
                    flag("FlgH", QStringLiteral("FlgH")),
                    flag("FlgF", QStringLiteral("消費税"), 0, kTaxClassMax)};
    } else {
        m_fields = {flag("SNo", QStringLiteral("連番"), kIntegerMin, kIntegerMax),
                    text("code", codeTitle, 5),
                    text("科目名", nameTitle, 40),
                    flag("FlgA", QStringLiteral("FlgA")),
                    flag("FlgB", QStringLiteral("FlgB")),
                    flag("FlgC", QStringLiteral("FlgC")),
                    flag("FlgE", QStringLiteral("小科目")),
                    flag("FlgG", QStringLiteral("FlgG")),
                    flag("FlgH", QStringLiteral("FlgH"))};
        // FlgD is not shown here but decides the line's colour.
        Field d = flag("FlgD", QStringLiteral("補助科目"));
        d.shown = false;
        m_fields.push_back(d);
    }
    m_shownCount = static_cast<int>(
        std::count_if(m_fields.begin(), m_fields.end(), [](const Field& f) { return f.shown; }));
    reload();
}

QString ChartTableModel::tableName() const {
    return m_table == ChartTable::Accounts ? QStringLiteral("kamoku") : QStringLiteral("kamoku2");
}

// The key is the first field: code for accounts, SNo for fund-statement lines.
const QString& ChartTableModel::keyField() const {
    return m_fields.front().name;
}

int ChartTableModel::fieldIndex(const QString& name) const {
    for (size_t i = 0; i < m_fields.size(); ++i)
        if (m_fields[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    return -1;
}

QString ChartTableModel::selectList() const {
    QStringList cols;
    for (const auto& f : m_fields)
        cols << quoteId(f.name);
    return cols.join(QStringLiteral(", "));
}

ChartTableModel::Line ChartTableModel::readLine(Statement& st) const {
    Line line;
    for (size_t i = 0; i < m_fields.size(); ++i) {
        const int c = static_cast<int>(i);
        if (st.isNull(c))
            line.values.emplace_back();
        else if (m_fields[i].text)
            line.values.emplace_back(st.text(c));
        else
            line.values.emplace_back(static_cast<qlonglong>(st.integer(c)));
    }
    line.key = line.values[0];
    return line;
}

void ChartTableModel::reload() {
    beginResetModel();
    m_lines.clear();
    m_editRow = -1;
    m_inserting = false;
    auto st = m_db.prepare(QStringLiteral("SELECT %1 FROM %2 ORDER BY %3")
                               .arg(selectList(), quoteId(tableName()), quoteId(keyField())));
    while (st.step())
        m_lines.push_back(readLine(st));
    endResetModel();
    emit editStateChanged();
}

void ChartTableModel::setReadOnly(bool readOnly) {
    if (readOnly && isEditing())
        cancel();
    m_readOnly = readOnly;
}

QString ChartTableModel::fieldOf(int column) const {
    return column >= 0 && column < m_shownCount ? m_fields[static_cast<size_t>(column)].name : QString();
}

int ChartTableModel::columnOf(const QString& field) const {
    const int i = fieldIndex(field);
    return i < m_shownCount ? i : -1;
}

int ChartTableModel::enterWrapColumn() const {
    return columnOf(QStringLiteral("FlgH"));
}

int ChartTableModel::offEnterColumn() const {
    return m_table == ChartTable::Accounts ? AccTax : -1;
}

QVariant ChartTableModel::value(int row, const QString& field) const {
    const int i = fieldIndex(field);
    if (row < 0 || row >= rowCount() || i < 0)
        return {};
    return m_lines[static_cast<size_t>(row)].values[static_cast<size_t>(i)];
}

Flag ChartTableModel::flag(int row, const QString& field) const {
    const QVariant v = value(row, field);
    if (v.isNull())
        return std::nullopt;
    return static_cast<int>(v.toLongLong());
}

QString ChartTableModel::text(int row, const QString& field) const {
    return value(row, field).toString();
}

QStringList ChartTableModel::codes() const {
    QStringList out;
    for (int r = 0; r < rowCount(); ++r)
        out << code(r);
    return out;
}

LineColour ChartTableModel::colour(int row) const {
    return lineColour(flag(row, QStringLiteral("FlgD")), flag(row, QStringLiteral("FlgG")));
}

bool ChartTableModel::isBlank(int row) const {
    if (row < 0 || row >= rowCount())
        return false;
    const auto& values = m_lines[static_cast<size_t>(row)].values;
    return std::all_of(values.begin(), values.end(), [](const QVariant& v) { return v.isNull(); });
}

int ChartTableModel::rowOfKey(const QVariant& key) const {
    for (size_t r = 0; r < m_lines.size(); ++r)
        if (!m_lines[r].key.isNull() && sameValue(m_lines[r].key, key))
            return static_cast<int>(r);
    return -1;
}

QVariant ChartTableModel::keyValue(const Line& line) const {
    return line.values[0];
}

bool ChartTableModel::keyLess(const Line& a, const Line& b) const {
    const QVariant ka = keyValue(a);
    const QVariant kb = keyValue(b);
    if (ka.isNull() || kb.isNull())
        return ka.isNull() && !kb.isNull();
    if (m_table == ChartTable::FundLines)
        return ka.toLongLong() < kb.toLongLong();
    // Codes in the order SQLite keeps them (binary order of the UTF-8 text).
    return ka.toString().toUtf8() < kb.toString().toUtf8();
}

// ---------------------------------------------------------------- editing

void ChartTableModel::beginEditOf(int row) {
    m_editRow = row;
    m_inserting = false;
    m_saved = m_lines[static_cast<size_t>(row)];
    emit headerDataChanged(Qt::Vertical, row, row);
    emit editStateChanged();
}

void ChartTableModel::endEdit() {
    const int row = m_editRow;
    m_editRow = -1;
    m_inserting = false;
    m_saved = Line();
    if (row >= 0 && row < rowCount())
        emit headerDataChanged(Qt::Vertical, row, row);
    emit editStateChanged();
}

bool ChartTableModel::edit(int row) {
    if (m_readOnly || row < 0 || row >= rowCount())
        return false;
    if (m_editRow == row)
        return true;
    // Posting the other line may move it, and so this one.
    const QPersistentModelIndex target = index(row, 0);
    if (isEditing() && !post())
        return false;
    if (!target.isValid())
        return false;
    beginEditOf(target.row());
    return true;
}

int ChartTableModel::insertLine(int row) {
    if (m_readOnly)
        return -1;
    const QPersistentModelIndex before = index(row, 0);
    if (isEditing() && !post())
        return -1;
    row = before.isValid() ? before.row() : rowCount();
    beginInsertRows(QModelIndex(), row, row);
    Line line;
    line.values.resize(m_fields.size());
    m_lines.insert(m_lines.begin() + row, line);
    endInsertRows();
    m_editRow = row;
    m_inserting = true;
    m_saved = line;
    emit headerDataChanged(Qt::Vertical, row, row);
    emit editStateChanged();
    return row;
}

void ChartTableModel::cancel() {
    if (!isEditing())
        return;
    const int row = m_editRow;
    if (m_inserting) {
        endEdit();
        beginRemoveRows(QModelIndex(), row, row);
        m_lines.erase(m_lines.begin() + row);
        endRemoveRows();
        return;
    }
    m_lines[static_cast<size_t>(row)] = m_saved;
    endEdit();
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

bool ChartTableModel::checkLine(const Line& line) {
    const QVariant key = keyValue(line);
    for (size_t r = 0; r < m_lines.size(); ++r) {
        if (static_cast<int>(r) == m_editRow)
            continue;
        if (!key.isNull() && sameValue(keyValue(m_lines[r]), key)) {
            m_prompter.warning(m_table == ChartTable::Accounts
                                   ? chartmsg::duplicateAccountCode(key.toString())
                                   : chartmsg::duplicateSerial(key.toLongLong()));
            return false;
        }
    }
    const QString storedName =
        m_saved.values.empty()
            ? QString()
            : m_saved.values[static_cast<size_t>(fieldIndex(QStringLiteral("科目名")))].toString();
    if (m_table == ChartTable::Accounts) {
        if (auto refusal = accountCodeRefusal(key.toString())) {
            m_prompter.warning(*refusal);
            return false;
        }
        if (!m_inserting && !sameValue(line.key, key)) {
            const RemovalCheck check = accountCodeChangeCheck(
                countAccountUses(m_db, line.key.toString()), line.key.toString(), storedName, key.toString());
            if (check.verdict == RemovalVerdict::Refuse) {
                m_prompter.warning(check.message);
                return false;
            }
            if (check.verdict == RemovalVerdict::Confirm && !m_prompter.confirm(check.message))
                return false;
        }
        return true;
    }
    std::optional<long long> sNo;
    if (!key.isNull())
        sNo = key.toLongLong();
    if (auto refusal = fundLineSerialRefusal(sNo)) {
        m_prompter.warning(*refusal);
        return false;
    }
    if (!m_inserting && !sameValue(line.key, key)) {
        const long long old = line.key.toLongLong();
        const RemovalCheck check =
            fundLineSerialChangeCheck(countFundLineUses(m_db, old), old, storedName, *sNo);
        if (check.verdict == RemovalVerdict::Confirm && !m_prompter.confirm(check.message))
            return false;
    }
    return true;
}

bool ChartTableModel::writeLine(Line& line) {
    std::vector<std::pair<QString, QVariant>> values;
    for (size_t i = 0; i < m_fields.size(); ++i)
        values.emplace_back(m_fields[i].name, line.values[i]);
    const QString table = tableName();
    const QString keyName = quoteId(keyField());
    const int flgA = fieldIndex(QStringLiteral("FlgA"));
    const int flgG = fieldIndex(QStringLiteral("FlgG"));
    const int nameField = fieldIndex(QStringLiteral("科目名"));
    try {
        Transaction tx(m_db);
        if (m_inserting)
            m_db.insertRow(table, values);
        else
            m_db.updateRows(table, values, keyName + QStringLiteral(" = ?1"), {line.key});
        const QVariant key = keyValue(line);
        auto toFlag = [](const QVariant& v) -> Flag {
            return v.isNull() ? Flag() : Flag(static_cast<int>(v.toLongLong()));
        };
        if (takesTransferRole(toFlag(line.values[static_cast<size_t>(flgA)]),
                              line.values[static_cast<size_t>(nameField)].toString(),
                              toFlag(line.values[static_cast<size_t>(flgG)])))
            m_db.updateRows(table, {{QStringLiteral("FlgG"), kTransferRole}},
                            keyName + QStringLiteral(" = ?1"), {key});
        // Read back what was stored (texts cut to their widths).
        auto st = m_db.prepare(
            QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?1").arg(selectList(), quoteId(table), keyName));
        st.bind(1, key);
        if (!st.step())
            throw StoreError(QStringLiteral("書き込んだ行を読み直せません。"));
        Line stored = readLine(st);
        tx.commit();
        line = stored;
    } catch (const K9Error& e) {
        m_prompter.error(e.message());
        return false;
    }
    return true;
}

void ChartTableModel::placeLine(int row) {
    const Line& line = m_lines[static_cast<size_t>(row)];
    int target = 0;
    for (int r = 0; r < rowCount(); ++r)
        if (r != row && keyLess(m_lines[static_cast<size_t>(r)], line))
            ++target;
    if (target != row) {
        // Qt's destination is counted before the move: one past the target when moving down.
        beginMoveRows(QModelIndex(), row, row, QModelIndex(), target > row ? target + 1 : target);
        Line moved = std::move(m_lines[static_cast<size_t>(row)]);
        m_lines.erase(m_lines.begin() + row);
        m_lines.insert(m_lines.begin() + target, std::move(moved));
        endMoveRows();
    }
    m_lastPostedRow = target;
}

bool ChartTableModel::post() {
    if (!isEditing())
        return true;
    const int row = m_editRow;
    Line line = m_lines[static_cast<size_t>(row)];
    line.key = m_saved.key;
    if (!checkLine(line) || !writeLine(line))
        return false;
    m_lines[static_cast<size_t>(row)] = line;
    endEdit();
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    placeLine(row);
    return true;
}

bool ChartTableModel::deleteLine(int row) {
    if (m_readOnly || row < 0 || row >= rowCount())
        return false;
    if (row == m_editRow && m_inserting) {
        cancel();
        return true;
    }
    if (isEditing() && row != m_editRow) {
        const QPersistentModelIndex target = index(row, 0);
        if (!post() || !target.isValid())
            return false;
        row = target.row();
    }
    const Line& stored = row == m_editRow ? m_saved : m_lines[static_cast<size_t>(row)];
    const QString name = stored.values[static_cast<size_t>(fieldIndex(QStringLiteral("科目名")))].toString();
    try {
        RemovalCheck check;
        if (m_table == ChartTable::Accounts) {
            const QString code = stored.key.toString();
            check = accountDeletionCheck(countAccountUses(m_db, code), code, name);
        } else {
            const long long sNo = stored.key.toLongLong();
            check = fundLineDeletionCheck(countFundLineUses(m_db, sNo), sNo, name);
        }
        if (check.verdict == RemovalVerdict::Refuse) {
            m_prompter.warning(check.message);
            return false;
        }
        if (check.verdict == RemovalVerdict::Confirm && !m_prompter.confirm(check.message))
            return false;
        m_db.run(
            QStringLiteral("DELETE FROM %1 WHERE %2 = ?1").arg(quoteId(tableName()), quoteId(keyField())),
            {stored.key});
    } catch (const K9Error& e) {
        m_prompter.error(e.message());
        return false;
    }
    if (row == m_editRow)
        endEdit();
    beginRemoveRows(QModelIndex(), row, row);
    m_lines.erase(m_lines.begin() + row);
    endRemoveRows();
    return true;
}

// ---------------------------------------------------------------- item model

int ChartTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_lines.size());
}

int ChartTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_shownCount;
}

QVariant ChartTableModel::display(const Line& line, int field) const {
    const QVariant& v = line.values[static_cast<size_t>(field)];
    if (v.isNull())
        return QString();
    return m_fields[static_cast<size_t>(field)].text ? v.toString() : QString::number(v.toLongLong());
}

QVariant ChartTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= m_shownCount)
        return {};
    const Line& line = m_lines[static_cast<size_t>(index.row())];
    const Field& f = m_fields[static_cast<size_t>(index.column())];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return display(line, index.column());
    case Qt::TextAlignmentRole:
        if (f.text)
            return static_cast<int>(Qt::AlignLeft | Qt::AlignVCenter);
        return static_cast<int>((index.column() == 0 ? Qt::AlignRight : Qt::AlignHCenter) | Qt::AlignVCenter);
    case LineColourRole:
        return static_cast<int>(colour(index.row()));
    case kSheetCellRole: {
        const QVariant& v = line.values[static_cast<size_t>(index.column())];
        if (v.isNull())
            return QVariant::fromValue(SheetCell::empty());
        return QVariant::fromValue(f.text ? SheetCell::ofText(v.toString())
                                          : SheetCell::ofInteger(v.toLongLong()));
    }
    case MaxBytesRole:
        return f.width;
    case MinimumRole:
        return f.text ? QVariant() : QVariant(f.minimum);
    case MaximumRole:
        return f.text ? QVariant() : QVariant(f.maximum);
    default:
        return {};
    }
}

QVariant ChartTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section >= 0 && section < m_shownCount ? m_fields[static_cast<size_t>(section)].title
                                                      : QVariant();
    if (section == m_editRow)
        return m_inserting ? QStringLiteral("＊") : QStringLiteral("●");
    return QString();
}

Qt::ItemFlags ChartTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (!m_readOnly)
        f |= Qt::ItemIsEditable;
    return f;
}

bool ChartTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || m_readOnly || index.row() >= rowCount() ||
        index.column() >= m_shownCount)
        return false;
    const int row = index.row();
    const Field& f = m_fields[static_cast<size_t>(index.column())];
    QVariant stored;
    if (f.text) {
        QString s = value.toString();
        if (f.name == QLatin1String("code"))
            s = s.trimmed();
        if (!s.isEmpty())
            stored = s;
    } else {
        const QString s = halfWidthDigits(value.toString()).trimmed();
        if (!s.isEmpty()) {
            bool ok = false;
            const long long n = s.toLongLong(&ok);
            if (!ok) {
                m_prompter.warning(chartmsg::notANumber(f.title));
                return false;
            }
            if (n < f.minimum || n > f.maximum) {
                m_prompter.warning(chartmsg::flagOutOfRange(f.title, f.minimum, f.maximum));
                return false;
            }
            stored = static_cast<qlonglong>(n);
        }
    }
    if (sameValue(m_lines[static_cast<size_t>(row)].values[static_cast<size_t>(index.column())], stored))
        return true;
    const int column = index.column();
    const QPersistentModelIndex target = index;
    if (m_editRow != row && (!edit(row) || !target.isValid()))
        return false;
    const int at = target.row();
    m_lines[static_cast<size_t>(at)].values[static_cast<size_t>(column)] = stored;
    // A changed flag may change the line's colour: refresh the whole line.
    emit dataChanged(this->index(at, 0), this->index(at, columnCount() - 1));
    return true;
}

} // namespace k9
