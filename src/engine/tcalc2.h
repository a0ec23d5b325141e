// SPDX-License-Identifier: GPL-3.0-or-later
// TCalc2, the fund-statement engine on the work folder (資金収支関係の計算): the totals of
// kamoku2 from the work journal, and its finishing.
#pragma once

#include <QDate>

namespace k9 {

struct Session;

class TCalc2 {
public:
    explicit TCalc2(Session& session) : m_session(session) {}

    // Fund-statement totals from `start` for the period from..to with the session's
    // voucher options, over the work copies as they stand (TCalc1::calcA rebuilds them).
    // Fills the sixteen amounts and 比 of kamoku2 in one transaction.
    void calcA(const QDate& start, const QDate& from, const QDate& to);

    // Finishing of kamoku2: blank amounts become 0, heading lines (FlgA blank or 9) blank.
    void calcC();

private:
    Session& m_session;
};

} // namespace k9
