// SPDX-License-Identifier: GPL-3.0-or-later
// The journal as the engines read it: a stream of lines handed one at a time to a visitor,
// from the work folder's denpyou1 or, in tests and tools, from lines held in memory.
#pragma once

#include "store/money.h"

#include <QString>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace k9::totals {

// One journal line. The texts are UTF-8; codes have ASCII blanks at either end removed and
// the description its trailing blanks. They stay valid only while the visitor runs.
struct JournalLine {
    long long sNo = 0;
    long long subNo = 0;
    int day = 0; // hizuke as yyyymmdd, 0 when blank or not a date
    std::string_view lcode;
    std::string_view rcode;
    std::string_view lhcode;
    std::string_view rhcode;
    std::string_view tekiyou1;
    Money lAmount; // Lkingaku
    Money rAmount; // Rkingaku
    int flgU = 0;  // adjusting line
    int flgV = 0;  // unsettled line
};

using JournalVisitor = std::function<void(const JournalLine&)>;

class JournalSource {
public:
    virtual ~JournalSource() = default;
    // Hands every line to `visit`. The totals do not depend on the order of the lines.
    virtual void forEach(const JournalVisitor& visit) = 0;
};

// Lines held in memory.
class JournalLineList : public JournalSource {
public:
    struct Line {
        long long sNo = 0;
        long long subNo = 0;
        QString date; // ISO yyyy-MM-dd
        QString lcode;
        QString lhcode;
        QString rcode;
        QString rhcode;
        Money lAmount;
        Money rAmount;
        QString tekiyou1;
        int flgU = 0;
        int flgV = 0;
    };
    void add(const Line& line);
    const std::vector<Line>& lines() const { return m_lines; }
    void forEach(const JournalVisitor& visit) override;

private:
    std::vector<Line> m_lines;
};

// yyyymmdd of an ISO date text ("2015-04-01", a time part may follow); 0 when the text
// is not a valid date.
int dayNumberFromIso(std::string_view text);

// The text with ASCII blanks removed at both ends, or at the end only.
std::string_view trimBlanks(std::string_view text);
std::string_view trimTrailingBlanks(std::string_view text);

} // namespace k9::totals
