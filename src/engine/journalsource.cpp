// SPDX-License-Identifier: GPL-3.0-or-later
// Journal lines held in memory, and the date and blank helpers shared by the readers.
#include "engine/journalsource.h"

namespace k9::totals {

std::string_view trimTrailingBlanks(std::string_view text) {
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    return trimTrailingBlanks(text);
}

int dayNumberFromIso(std::string_view text) {
    if (text.size() < 10 || text[4] != '-' || text[7] != '-')
        return 0;
    int digits[8];
    const int at[8] = {0, 1, 2, 3, 5, 6, 8, 9};
    for (int i = 0; i < 8; ++i) {
        const char c = text[at[i]];
        if (c < '0' || c > '9')
            return 0;
        digits[i] = c - '0';
    }
    const int year = digits[0] * 1000 + digits[1] * 100 + digits[2] * 10 + digits[3];
    const int month = digits[4] * 10 + digits[5];
    const int day = digits[6] * 10 + digits[7];
    static constexpr int kDays[13] = {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12 || day < 1 || day > kDays[month])
        return 0;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    if (month == 2 && day == 29 && !leap)
        return 0;
    return year * 10000 + month * 100 + day;
}

void JournalLineList::add(const Line& line) {
    m_lines.push_back(line);
}

void JournalLineList::forEach(const JournalVisitor& visit) {
    for (const auto& l : m_lines) {
        const std::string date = l.date.toStdString();
        const std::string lcode = l.lcode.toStdString();
        const std::string rcode = l.rcode.toStdString();
        const std::string lhcode = l.lhcode.toStdString();
        const std::string rhcode = l.rhcode.toStdString();
        const std::string tekiyou1 = l.tekiyou1.toStdString();
        JournalLine j;
        j.sNo = l.sNo;
        j.subNo = l.subNo;
        j.day = dayNumberFromIso(date);
        j.lcode = trimBlanks(lcode);
        j.rcode = trimBlanks(rcode);
        j.lhcode = trimBlanks(lhcode);
        j.rhcode = trimBlanks(rhcode);
        j.tekiyou1 = trimTrailingBlanks(tekiyou1);
        j.lAmount = l.lAmount;
        j.rAmount = l.rAmount;
        j.flgU = l.flgU;
        j.flgV = l.flgV;
        visit(j);
    }
}

} // namespace k9::totals
