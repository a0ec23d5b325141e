// SPDX-License-Identifier: GPL-3.0-or-later
// Which accounts a journal line may be posted to, and the colours the pickers draw.
#include "chart/postable.h"

#include <gtest/gtest.h>

using k9::Flag;
using k9::LineFlags;
using k9::PickerLineColour;
using k9::PostingRefusal;

namespace {

LineFlags flags(Flag a, Flag b, Flag g, Flag h, Flag d = std::nullopt) {
    LineFlags f;
    f.flgA = a;
    f.flgB = b;
    f.flgG = g;
    f.flgH = h;
    f.flgD = d;
    return f;
}

constexpr std::nullopt_t blank = std::nullopt;

} // namespace

TEST(PostingRule, RefusesEveryLineThatCannotCarryAJournalLine) {
    struct Case {
        const char* what;
        LineFlags f;
        std::optional<PostingRefusal> refusal;
    };
    const Case cases[] = {
        {"plain balance-sheet input account", flags(0, 1, blank, blank), std::nullopt},
        {"plain activity input account", flags(0, 2, blank, 50), std::nullopt},
        {"fund account", flags(0, 1, 1, blank), std::nullopt},
        {"small-account total line", flags(1, 1, blank, blank), PostingRefusal::NotInputLine},
        {"heading with FlgA 9", flags(9, 2, blank, blank), PostingRefusal::NotInputLine},
        {"blank FlgA is a heading, not 0", flags(blank, 1, blank, blank), PostingRefusal::NotInputLine},
        {"FlgG 110", flags(0, 2, 110, blank), PostingRefusal::ComputedLine},
        {"FlgG 112", flags(0, 2, 112, blank), PostingRefusal::ComputedLine},
        {"FlgG 119", flags(0, 2, 119, blank), PostingRefusal::ComputedLine},
        {"FlgG 120", flags(0, 2, 120, blank), PostingRefusal::ComputedLine},
        {"FlgG 111 is not refused", flags(0, 2, 111, blank), std::nullopt},
        {"FlgH 130", flags(0, 1, blank, 130), PostingRefusal::ConsolidationLine},
        {"balance-sheet line FlgG 901", flags(0, 1, 901, blank), PostingRefusal::FedBalanceSheetLine},
        {"balance-sheet line FlgG 919", flags(0, 1, 919, blank), PostingRefusal::FedBalanceSheetLine},
        {"balance-sheet line FlgG 920", flags(0, 1, 920, blank), std::nullopt},
        {"balance-sheet line FlgG 900", flags(0, 1, 900, blank), std::nullopt},
        {"activity line FlgG 905", flags(0, 2, 905, blank), std::nullopt},
        {"activity line FlgH 21", flags(0, 2, blank, 21), PostingRefusal::UnlinkedActivityLine},
        {"activity line FlgH 30", flags(0, 2, blank, 30), PostingRefusal::UnlinkedActivityLine},
        {"activity line FlgH 49", flags(0, 2, blank, 49), PostingRefusal::UnlinkedActivityLine},
        {"activity line FlgH 50", flags(0, 2, blank, 50), std::nullopt},
        {"activity line FlgH 20", flags(0, 2, blank, 20), std::nullopt},
        {"balance-sheet line FlgH 30", flags(0, 1, blank, 30), std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(k9::postingRefusal(c.f), c.refusal) << c.what;
        EXPECT_EQ(k9::isPostableAccount(c.f), !c.refusal.has_value()) << c.what;
    }
}

TEST(PostingRule, ColoursRefusedLinesBlueAndAccountsWithSubAccountsRed) {
    struct Case {
        const char* what;
        LineFlags f;
        PickerLineColour colour;
    };
    const Case cases[] = {
        {"postable", flags(0, 1, blank, blank), PickerLineColour::Normal},
        {"total line", flags(3, 1, blank, blank), PickerLineColour::Blue},
        {"postable with sub-accounts", flags(0, 1, blank, blank, 1), PickerLineColour::Red},
        {"refused with sub-accounts: red wins", flags(0, 1, 110, blank, 1), PickerLineColour::Red},
        {"FlgD 0", flags(0, 1, blank, blank, 0), PickerLineColour::Normal},
    };
    for (const auto& c : cases)
        EXPECT_EQ(k9::accountLineColour(c.f), c.colour) << c.what;
}

TEST(FundLineRule, NeverOffersTheFundBalanceLines) {
    struct Case {
        Flag flgA;
        const char* code;
        bool selectable;
    };
    const Case cases[] = {
        {0, "51100", true},  {0, "#0020", false},     {0, "#1020", false},
        {3, "51100", false}, {blank, "51100", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(k9::isSelectableFundLine(c.flgA, QString::fromUtf8(c.code)), c.selectable) << c.code;
    EXPECT_EQ(k9::fundLineColour(0, 1, QStringLiteral("#0020")), PickerLineColour::Red);
    EXPECT_EQ(k9::fundLineColour(0, blank, QStringLiteral("#0020")), PickerLineColour::Blue);
}
