// SPDX-License-Identifier: GPL-3.0-or-later
// Load, check and store the settings of 初期設定１; see settings.h.
#include "app/settings.h"

#include "app/registermessages.h"
#include "app/unitselection.h"
#include "store/database.h"
#include "store/registrows.h"
#include "store/session.h"
#include "store/taxsettings.h"

#include <QRegularExpression>

namespace k9 {
namespace {

const QString kHead = QStringLiteral("Head");
const QString kHeadM = QStringLiteral("HeadM");

using Values = std::vector<std::pair<QString, QVariant>>;

// Single-row tables (Head, HeadM): the first row is the one in use.
QString firstRowCondition(const QString& table) {
    return QStringLiteral("rowid = (SELECT MIN(rowid) FROM %1)").arg(quoteId(table));
}

void writeFirstRow(Database& db, const QString& table, const Values& values) {
    if (db.rowCount(table) == 0)
        db.insertRow(table, values);
    else
        db.updateRows(table, values, firstRowCondition(table));
}

QString textOf(const Statement& st, int i) {
    return st.isNull(i) ? QString() : st.text(i);
}

// Digits as typed (full-width digits read as their half-width forms).
QString halfWidth(const QString& text) {
    QString s = text.trimmed();
    for (QChar& c : s) {
        if (c.unicode() >= 0xFF10 && c.unicode() <= 0xFF19)
            c = QChar(c.unicode() - 0xFF10 + '0');
        else if (c.unicode() == 0xFF0F)
            c = QLatin1Char('/');
        else if (c.unicode() == 0xFF0D)
            c = QLatin1Char('-');
    }
    return s;
}

// A password field: empty, or at most `maxDigits` digits.
std::optional<QVariant> passwordValue(const QString& typed, int maxDigits) {
    QString s = halfWidth(typed);
    if (s.isEmpty())
        return QVariant();
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    if (s.size() > maxDigits || !digits.match(s).hasMatch())
        return std::nullopt;
    return QVariant(s.toInt());
}

QString passwordText(const Statement& st, int i) {
    return st.isNull(i) ? QString() : QString::number(st.integer(i));
}

} // namespace

QString sealColumn(int index) {
    return QStringLiteral("職印") + QChar(0xFF10 + index + 1);
}

std::optional<QDate> parseTypedDate(const QString& text) {
    static const QRegularExpression re(QStringLiteral("^(\\d{4})[/-](\\d{1,2})[/-](\\d{1,2})$"));
    auto m = re.match(halfWidth(text));
    if (!m.hasMatch())
        return std::nullopt;
    QDate d(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    if (!d.isValid())
        return std::nullopt;
    return d;
}

CorporationSettings loadSettings(Session& session) {
    CorporationSettings s;
    {
        QStringList cols{quoteId(QStringLiteral("会計期首"))};
        for (int i = 0; i < 5; ++i)
            cols << quoteId(sealColumn(i));
        cols << QStringLiteral("\"PM2\"") << QStringLiteral("\"PM3\"");
        auto st = session.aaa.prepare(
            QStringLiteral("SELECT %1 FROM \"Head\" ORDER BY rowid LIMIT 1").arg(cols.join(',')));
        if (st.step()) {
            QDate start = st.date(0);
            s.fiscalYearStart =
                start.isValid() ? start.toString(QStringLiteral("yyyy/MM/dd")) : textOf(st, 0);
            for (int i = 0; i < 5; ++i)
                s.seals[static_cast<size_t>(i)] = textOf(st, i + 1);
            s.datePrintStyle = static_cast<int>(st.integer(6));
            s.taxMethod = static_cast<int>(st.integer(7));
        }
    }
    {
        auto st = session.hm.prepare(
            QStringLiteral("SELECT \"法人名\", \"PM5\", \"PM4\" FROM \"HeadM\" ORDER BY rowid LIMIT 1"));
        if (st.step()) {
            s.corporationName = textOf(st, 0);
            s.userPassword = passwordText(st, 1);
            if (!st.isNull(1) && st.integer(1) == kFormerDefaultUserPassword)
                s.userPassword = QString::number(kDefaultUserPassword);
            s.viewOnlyPassword = passwordText(st, 2);
        }
    }
    const auto row = readRegistRow(session.hm, kCashEntryRegistId, {QStringLiteral("P1")});
    s.cashEntryButton = row && !row->front().isNull() ? row->front().toInt() : 0;
    return s;
}

void validateSettings(const CorporationSettings& s) {
    if (!parseTypedDate(s.fiscalYearStart))
        throw SettingsInputError(SettingsField::FiscalYearStart, msg::invalidFiscalStart(s.fiscalYearStart));
    if (!passwordValue(s.userPassword, 4))
        throw SettingsInputError(SettingsField::UserPassword, msg::invalidUserPassword());
    if (!passwordValue(s.viewOnlyPassword, 5))
        throw SettingsInputError(SettingsField::ViewOnlyPassword, msg::invalidViewOnlyPassword());
}

void saveSettings(Session& session, const CorporationSettings& s) {
    validateSettings(s);
    const QDate start = *parseTypedDate(s.fiscalYearStart);

    Transaction dataTx(session.aaa);
    Transaction programTx(session.hm);
    Transaction workTx(session.www);

    Values head{{QStringLiteral("会計期首"), start},
                {QStringLiteral("PM2"), s.datePrintStyle},
                {QStringLiteral("PM3"), s.taxMethod}};
    for (int i = 0; i < 5; ++i)
        head.emplace_back(sealColumn(i), s.seals[static_cast<size_t>(i)]);
    writeFirstRow(session.aaa, kHead, head);

    writeFirstRow(session.hm, kHeadM,
                  {{QStringLiteral("法人名"), s.corporationName},
                   {QStringLiteral("PM5"), *passwordValue(s.userPassword, 4)},
                   {QStringLiteral("PM4"), *passwordValue(s.viewOnlyPassword, 5)}});
    writeRegistRow(session.hm, kCashEntryRegistId, {{QStringLiteral("P1"), s.cashEntryButton}});

    Values address{{QStringLiteral("会計期首"), start}};
    {
        auto st = session.hm.prepare(QStringLiteral(
            "SELECT \"郵便番号\", \"住所\", \"電話\", \"法人名\" FROM \"HeadM\" ORDER BY rowid LIMIT 1"));
        if (st.step()) {
            address.emplace_back(QStringLiteral("郵便番号"), st.value(0));
            address.emplace_back(QStringLiteral("住所"), st.value(1));
            address.emplace_back(QStringLiteral("電話"), st.value(2));
        }
    }
    writeFirstRow(session.www, kHead, address);
    resetWorkHeadPeriod(session);

    QString representative;
    int voucherNumbering = 0;
    {
        auto st = session.aaa.prepare(
            QStringLiteral("SELECT \"PM1\", \"代表者\" FROM \"Head\" ORDER BY rowid LIMIT 1"));
        if (st.step()) {
            voucherNumbering = static_cast<int>(st.integer(0));
            representative = textOf(st, 1);
        }
    }
    QString corporation =
        session.hm.scalar(QStringLiteral("SELECT \"法人名\" FROM \"HeadM\" ORDER BY rowid LIMIT 1"))
            .toString();

    dataTx.commit();
    programTx.commit();
    workTx.commit();

    session.voucherNumbering = voucherNumbering;
    session.datePrintStyle = s.datePrintStyle;
    session.representativeName = representative;
    session.corporationName = corporation;
    loadTaxSettings(session);
}

} // namespace k9
