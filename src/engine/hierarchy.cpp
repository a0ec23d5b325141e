// SPDX-License-Identifier: GPL-3.0-or-later
// The hierarchy walk of the ledger headings.
#include "engine/hierarchy.h"

#include "store/textutil.h"

namespace k9::totals {

LedgerNames ledgerNames(const std::vector<HierarchyLine>& lines, std::size_t index) {
    LedgerNames names;
    if (index >= lines.size())
        return names;
    std::size_t at = index;
    bool minorFound = false;
    for (std::size_t i = index + 1; i-- > 0;) {
        const HierarchyLine& line = lines[i];
        at = i;
        if (!minorFound && line.flgE == 1) {
            names.minor = line.name;
            minorFound = true;
        }
        const bool input = line.flgA.has_value() && *line.flgA == 0;
        const bool head = line.flgA.has_value() && *line.flgA == 1;
        if ((input && line.flgE != 1) || head) {
            names.account = line.name;
            break;
        }
    }
    bool middleFound = false;
    for (std::size_t i = at; i < lines.size(); ++i) {
        const std::optional<int>& level = lines[i].flgA;
        if (!middleFound && level == 2) {
            names.middle = lines[i].name;
            middleFound = true;
        } else if (level == 3) {
            names.major = lines[i].name;
            break;
        } else if (level.has_value() && *level > 3) {
            break;
        }
    }
    names.major = removeSpaces(names.major);
    names.middle = removeSpaces(names.middle);
    names.account = removeSpaces(names.account);
    names.minor = removeSpaces(names.minor);
    return names;
}

} // namespace k9::totals
