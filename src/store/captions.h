// SPDX-License-Identifier: GPL-3.0-or-later
// Date captions of report headers, in the Japanese era style (令和2年 4月 1日から) or the
// Western style (2020年 4月 1日から) as the year's DatePrintStyle says.
#pragma once

#include <QDate>
#include <QString>

namespace k9 {

struct Session;

// DatePrintStyle values of the year's header (Head.PM2).
inline constexpr int kDateStyleEra = 0;
inline constexpr int kDateStyleWestern = 1;

// Kinds of caption date.
inline constexpr int kCaptionPlain = 0; // 令和2年4月1日
inline constexpr int kCaptionFrom = 1;  // 令和2年 4月 1日から
inline constexpr int kCaptionTo = 2;    // 令和3年 3月31日まで

// Era name and era year of a date from ICU's Japanese calendar: "平成27", "令和2". The first
// year of an era is written as the number 1 ("令和1"), the same in every caption. An invalid
// date gives "".
QString eraYearText(const QDate& date);

// A caption date. Kind 0: plain date without padding; kind 1: "…年 m月 d日から" and kind 2:
// "…年 m月 d日まで", where a month or day below 10 takes one leading blank so captions keep
// their width. Style 0 writes the era name and year, style 1 the four-digit year. Any other
// kind or style, or an invalid date, gives "".
QString formatCaptionDate(int datePrintStyle, int kind, const QDate& date);
QString formatCaptionDate(const Session& session, int kind, const QDate& date);

// The three date captions of a report header: the fiscal year (会計期首), the period start
// (自期日) and the period end (至期日).
struct HeaderCaptions {
    QString fiscalYear; // "2015 年度" / "平成27 年度"
    QString from;       // "2015年 4月 1日から"
    QString to;         // "2016年 3月31日まで", or with fullEndDate "2016年3月31日"
};

// Captions for a header with fiscal year start `start` and period `from`..`to` in the
// session's DatePrintStyle. fullEndDate asks for the end date alone as a plain full date.
// An invalid date gives an empty caption.
HeaderCaptions headerCaptions(int datePrintStyle, const QDate& start, const QDate& from, const QDate& to,
                              bool fullEndDate);
HeaderCaptions headerCaptions(const Session& session, const QDate& start, const QDate& from, const QDate& to,
                              bool fullEndDate);

// The caption of the screens that show the year's folder: "データパス名【" + DataPath + "】".
QString dataPathCaption(const QString& dataPath);

} // namespace k9
