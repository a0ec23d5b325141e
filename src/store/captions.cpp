// SPDX-License-Identifier: GPL-3.0-or-later
// Date captions of report headers.
#include "store/captions.h"

#include "store/errors.h"
#include "store/session.h"

#include <memory>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>

namespace k9 {
namespace {

// Days from 1970-01-01 (the ICU epoch) to the Julian day number of that date.
constexpr qint64 kEpochJulianDay = 2440588;
constexpr double kMillisPerDay = 86400000.0;

// "Gy" in the Japanese calendar gives the era name and the era year as a plain number. ICU
// writes the first year as 元 only when 年 follows y in the same pattern; the era text is
// formatted alone here, so the first year is always the number 1.
icu::SimpleDateFormat& eraFormat() {
    thread_local std::unique_ptr<icu::SimpleDateFormat> format;
    if (!format) {
        UErrorCode status = U_ZERO_ERROR;
        auto f = std::make_unique<icu::SimpleDateFormat>(icu::UnicodeString(u"Gy"),
                                                         icu::Locale("ja_JP@calendar=japanese"), status);
        if (U_FAILURE(status))
            throw K9Error(QStringLiteral("和暦の書式を準備できません。"));
        f->adoptTimeZone(icu::TimeZone::getGMT()->clone());
        format = std::move(f);
    }
    return *format;
}

// The month or day of a header caption: one leading blank below 10.
QString padded(int n) {
    return n < 10 ? QLatin1Char(' ') + QString::number(n) : QString::number(n);
}

// The year part of a caption: "平成27" or "2015".
QString yearPart(int style, const QDate& date) {
    return style == kDateStyleEra ? eraYearText(date) : QString::number(date.year());
}

QString plainDate(int style, const QDate& date) {
    return QStringLiteral("%1年%2月%3日").arg(yearPart(style, date)).arg(date.month()).arg(date.day());
}

} // namespace

QString eraYearText(const QDate& date) {
    if (!date.isValid())
        return QString();
    const double millis = static_cast<double>(date.toJulianDay() - kEpochJulianDay) * kMillisPerDay;
    icu::UnicodeString out;
    eraFormat().format(millis, out);
    return QString(reinterpret_cast<const QChar*>(out.getBuffer()), out.length());
}

QString formatCaptionDate(int datePrintStyle, int kind, const QDate& date) {
    if (!date.isValid())
        return QString();
    if (datePrintStyle != kDateStyleEra && datePrintStyle != kDateStyleWestern)
        return QString();
    // Western years take "%4d": padded to four places.
    const QString year =
        datePrintStyle == kDateStyleEra ? eraYearText(date) : QStringLiteral("%1").arg(date.year(), 4);
    switch (kind) {
    case kCaptionPlain:
        return plainDate(datePrintStyle, date);
    case kCaptionFrom:
        return QStringLiteral("%1年%2月%3日から").arg(year, padded(date.month()), padded(date.day()));
    case kCaptionTo:
        return QStringLiteral("%1年%2月%3日まで").arg(year, padded(date.month()), padded(date.day()));
    default:
        return QString();
    }
}

QString formatCaptionDate(const Session& session, int kind, const QDate& date) {
    return formatCaptionDate(session.datePrintStyle, kind, date);
}

HeaderCaptions headerCaptions(int datePrintStyle, const QDate& start, const QDate& from, const QDate& to,
                              bool fullEndDate) {
    // Any style other than Western shows the era, as the header fields always have a format.
    const int style = datePrintStyle == kDateStyleWestern ? kDateStyleWestern : kDateStyleEra;
    auto ranged = [style](const QDate& d, const QString& tail) {
        if (!d.isValid())
            return QString();
        return QStringLiteral("%1年%2月%3日%4")
            .arg(yearPart(style, d), padded(d.month()), padded(d.day()), tail);
    };
    HeaderCaptions c;
    if (start.isValid())
        c.fiscalYear = yearPart(style, start) + QStringLiteral(" 年度");
    c.from = ranged(from, QStringLiteral("から"));
    if (fullEndDate)
        c.to = to.isValid() ? plainDate(style, to) : QString();
    else
        c.to = ranged(to, QStringLiteral("まで"));
    return c;
}

HeaderCaptions headerCaptions(const Session& session, const QDate& start, const QDate& from, const QDate& to,
                              bool fullEndDate) {
    return headerCaptions(session.datePrintStyle, start, from, to, fullEndDate);
}

QString dataPathCaption(const QString& dataPath) {
    return QStringLiteral("データパス名【") + dataPath + QStringLiteral("】");
}

} // namespace k9
