// SPDX-License-Identifier: GPL-3.0-or-later
// The settings of 初期設定１: fiscal-year start, seal captions, corporation name, the two
// passwords, the date style of printouts, the consumption-tax method and the cash-entry
// button. The screen loads them into a value struct, the user edits it, and closing the
// screen validates and stores it: the year's Head, HeadM, Regist row 400 and the selected
// unit's report header (whose period becomes the whole fiscal year).
#pragma once

#include "store/errors.h"

#include <QDate>
#include <QString>
#include <array>
#include <optional>

namespace k9 {

struct Session;

// The user password a fresh program folder falls back to, and the former factory value
// that opening the settings replaces by it. Both are stored as integers in HeadM.PM5.
inline constexpr int kDefaultUserPassword = 5807;
inline constexpr int kFormerDefaultUserPassword = 60418;
// Regist row of the cash-entry button choice.
inline constexpr int kCashEntryRegistId = 400;

struct CorporationSettings {
    QString fiscalYearStart;      // Head.会計期首 as shown and typed, yyyy/MM/dd
    std::array<QString, 5> seals; // Head.職印１ … 職印５
    QString corporationName;      // HeadM.法人名
    QString userPassword;         // HeadM.PM5, digits (at most 4)
    QString viewOnlyPassword;     // HeadM.PM4, digits (at most 5)
    int datePrintStyle = 0;       // Head.PM2: 0 和暦表示, 1 西暦表示
    int taxMethod = 0;            // Head.PM3: 0 本則計算, 1 簡易計算, 2 しない
    int cashEntryButton = 0;      // Regist 400 P1: 0 表示する, 1 表示しない

    bool operator==(const CorporationSettings&) const = default;
};

// The field a refused value belongs to, so the screen can put the cursor there.
enum class SettingsField { FiscalYearStart, UserPassword, ViewOnlyPassword };

// A typed value that cannot be stored. The message is the one the user sees.
class SettingsInputError : public K9Error {
public:
    SettingsInputError(SettingsField field, const QString& message) : K9Error(message), m_field(field) {}
    SettingsField field() const { return m_field; }

private:
    SettingsField m_field;
};

// The column names of the seal captions: 職印１ … 職印５.
QString sealColumn(int index);

// A date typed as yyyy/M/d or yyyy-M-d (full-width digits and slashes accepted); nullopt
// when the text is not one or names a day the calendar lacks (2月30日).
std::optional<QDate> parseTypedDate(const QString& text);

// Reads the settings as the screen opens: the year's Head (first row), HeadM and Regist
// row 400 (absent rows read as empty). A user password still at the former factory value
// 60418 is offered as 5807, which closing the screen stores.
CorporationSettings loadSettings(Session& session);

// Checks the typed values: a real calendar date for 会計期首, and passwords that are empty
// or digits only within their length. Throws SettingsInputError naming the field.
void validateSettings(const CorporationSettings& settings);

// Stores the settings when the screen closes; nothing is written unless every value is
// valid (SettingsInputError otherwise). In one transaction per folder, committed together:
// the year's Head (会計期首, seals, PM2, PM3), HeadM (法人名, PM5, PM4), Regist row 400 (P1,
// created when missing) and the report header in the work folder (会計期首, 郵便番号, 住所,
// 電話 from HeadM, and the period 自期日 = 会計期首, 至期日 = one year later less one day).
// Then sets VoucherNumbering, DatePrintStyle, RepresentativeName and CorporationName in the
// session and reloads the tax settings. A store failure raises StoreError with everything
// rolled back.
void saveSettings(Session& session, const CorporationSettings& settings);

} // namespace k9
