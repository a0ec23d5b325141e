// SPDX-License-Identifier: GPL-3.0-or-later
// Display forms of account and unit names: names without blanks for ledgers, lists and
// column headings, and the short form after "／" for statements.
#pragma once

#include <QString>

namespace k9 {

// The text with every half-width space " " and every full-width space "　" removed.
QString removeSpaces(const QString& text);

// The short form of a two-level account name. When the name holds the full-width slash
// "／": all of the name's half-width spaces, then all of its full-width spaces (so the
// indentation of a statement line is kept), then the text after the first "／", cut to at
// most 100 CP932 bytes at a character boundary. A name without "／" comes back unchanged.
QString textAfterSlash(const QString& name);

} // namespace k9
