// SPDX-License-Identifier: GPL-3.0-or-later
// Standard descriptions (摘要): the work-folder TEKIYOU keeps, per pair of debit and credit
// account, the descriptions chosen before, RenNo 1 = the latest. A stored description ends
// at its first "／" ("水道代／６月分" is kept as "水道代／") while the voucher line receives
// the full text. With HeadM.PM15 = 1 the picker shows only the descriptions registered in
// the current unit (BMNFlg), but numbering always runs over the pair's rows of all units.
#pragma once

#include "chart/chartdata.h"
#include "store/errors.h"

#include <QString>
#include <vector>

namespace k9 {

class Database;
struct Session;

// Longest description the picker accepts, in CP932 bytes (15 full-width characters).
inline constexpr int kDescriptionMaxBytes = 30;

// The text up to and including its first "／"; the whole text when it has none.
QString cutAfterSlash(const QString& text);
// A LIKE pattern finding `text` anywhere: "%" + text + "%", with "%", "_" and the escape
// character "\" of the text escaped (use with ESCAPE '\').
QString containsPattern(const QString& text);
// HeadM.PM15 = 1: descriptions are kept per unit.
bool descriptionsPerUnit(Database& hm);

// The two accounts of a voucher line; either code may be empty, not both.
struct DescriptionPair {
    QString debitCode;
    QString creditCode;
    bool isEmpty() const { return debitCode.isEmpty() && creditCode.isEmpty(); }
};

// A typed description that cannot be stored yet: a new row left without Enter (it has no
// account codes until Enter gives it the pair). message() is "エンターキーを押してください。".
class DescriptionNotStored : public K9Error {
public:
    DescriptionNotStored();
};

// The description picker's state over one pair: the rows shown (the pair's descriptions,
// or the result of a search), the row being typed below the last one, and the operations
// behind Enter, "挿　　入" and "不要な摘要名の削除". Every change to TEKIYOU is one
// transaction on the work folder; StoreError propagates.
class DescriptionPicker {
public:
    enum class Mode { Table, SearchResults };

    // `unit` is the entry's unit (BMNFlg of new rows); `perUnit` limits the rows shown to it.
    DescriptionPicker(Database& www, DescriptionPair pair, int unit, bool perUnit);
    // The picker as voucher entry opens it: the pair is (PickedDebitCode, PickedCreditCode),
    // the unit CurrentUnitText, the per-unit choice HeadM.PM15.
    static DescriptionPicker forSession(Session& session);

    const DescriptionPair& pair() const { return m_pair; }
    int unit() const { return m_unit; }
    bool perUnit() const { return m_perUnit; }
    Mode mode() const { return m_mode; }

    // Back to the pair's rows in RenNo order (dropping a search and a row being typed).
    void reload();
    int rowCount() const { return static_cast<int>(m_rows.size()); }
    const QString& text(int row) const { return m_rows[static_cast<size_t>(row)].text; }
    bool isNewRow(int row) const {
        return !m_rows[static_cast<size_t>(row)].rowId.has_value() && m_mode == Mode::Table;
    }
    bool hasNewRow() const;

    // Moving below the last row opens a new row for typing. Refused (false) while search
    // results are shown, and when a new row is already open.
    bool addNewRow();
    // Typing into a row (cut to kDescriptionMaxBytes). Nothing is stored until the row is
    // left or chosen; in search results only the copy changes.
    void setText(int row, const QString& text);
    // Leaving a row after typing: a stored row is written back with its text cut after the
    // first "／"; an empty new row disappears; a new row with text raises
    // DescriptionNotStored and stays. Returns false when the row disappeared.
    bool leaveRow(int row);

    // Enter in the search box: the pair's rows whose text contains `text` (limited to the
    // unit when per unit), as an editable copy.
    void search(const QString& text);

    // Enter on a row: the text handed to the voucher line. `picked` is the current
    // PickedDescription (empty unless "挿　　入" left it set). The row is stored, cut after
    // "／", with BMNFlg set to the unit when blank, and becomes RenNo 1 of the pair, the
    // pair's other rows (of every unit) following in their order. A search result is first
    // written back to the pair's row with its RenNo (added when missing); its text is what
    // the caller receives. An empty new row is not stored.
    QString choose(int row, const QString& picked);

    // "挿　　入": back to the pair's rows, a blank row stored for the unit as RenNo 1. The
    // caller's PickedDescription becomes the blank row's (empty) text.
    void insertBlankRow();
    // "不要な摘要名の削除": deletes the row and numbers the pair's rows 1, 2, … in order.
    void remove(int row);

private:
    struct Row {
        std::optional<long long> rowId; // stored row (table mode)
        std::optional<int> renNo;       // stored RenNo (table mode and search results)
        QString text;
        bool edited = false;
    };
    std::vector<Row> readRows(const QString& likePattern);
    // Writes the row's text (cut) and BMNFlg (when blank) and makes it RenNo 1.
    void moveToFront(long long rowId);
    void renumber(std::optional<long long> firstRowId);
    std::optional<long long> findRenNo(int renNo);
    long long insertRow(const QString& text, int renNo);

    Database& m_www;
    DescriptionPair m_pair;
    int m_unit;
    bool m_perUnit;
    Mode m_mode = Mode::Table;
    QString m_searchText;
    std::vector<Row> m_rows;
};

} // namespace k9
