// SPDX-License-Identifier: GPL-3.0-or-later
// TCalc3, the property-inventory list builder (財産目録の計算): the work table WTBL from the
// balance-sheet figures of the work kamoku.
#pragma once

namespace k9 {

struct Session;

class TCalc3 {
public:
    explicit TCalc3(Session& session) : m_session(session) {}

    // Drops and recreates WTBL in the work folder and fills it from the work kamoku as the
    // engines left it (before finishing). One transaction.
    void calcA();

private:
    Session& m_session;
};

} // namespace k9
