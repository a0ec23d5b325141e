// SPDX-License-Identifier: GPL-3.0-or-later
// Display forms of account names: without blanks, and the short form after "／".
#include "store/cp932.h"
#include "store/textutil.h"

#include <gtest/gtest.h>
#include <ostream>

[[maybe_unused]] static void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace k9 {
namespace {

struct TextCase {
    const char* input;
    const char* expected;
};

void PrintTo(const TextCase& c, std::ostream* os) {
    *os << c.input;
}

class TextRemoveSpaces : public ::testing::TestWithParam<TextCase> {};

TEST_P(TextRemoveSpaces, RemovesHalfAndFullWidthSpaces) {
    EXPECT_EQ(removeSpaces(QString::fromUtf8(GetParam().input)), QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Cases, TextRemoveSpaces,
                         ::testing::Values(TextCase{"　事業　費 ", "事業費"}, TextCase{"", ""},
                                           TextCase{"現金", "現金"}, TextCase{"a b　c", "abc"},
                                           TextCase{"　　 ", ""}, TextCase{"ｱ ｲ\tｳ", "ｱｲ\tｳ"}));

class TextAfterSlash : public ::testing::TestWithParam<TextCase> {};

TEST_P(TextAfterSlash, KeepsTheIndentationAndTheTextAfterTheFirstSlash) {
    EXPECT_EQ(textAfterSlash(QString::fromUtf8(GetParam().input)), QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Cases, TextAfterSlash,
                         ::testing::Values(TextCase{"事業費／給料手当", "給料手当"},
                                           TextCase{"　　事業費／給料手当", "　　給料手当"},
                                           TextCase{"  事業費／給料", "  給料"}, TextCase{"　現金", "　現金"},
                                           TextCase{"a/b", "a/b"}, TextCase{"Ａ／Ｂ／Ｃ", "Ｂ／Ｃ"},
                                           TextCase{"事業費／", ""},
                                           // Every space of the name counts, half-width ones first.
                                           TextCase{"　事業費／給料 手当", " 　給料 手当"}));

TEST(TextAfterSlashWidth, CutsTheShortFormAtOneHundredBytesOnACharacterBoundary) {
    const QString wide = QString(60, QChar(0x6F22)); // 漢 × 60 = 120 bytes
    EXPECT_EQ(textAfterSlash(QStringLiteral("科目／") + wide), QString(50, QChar(0x6F22)));
    const QString odd = QString(99, QLatin1Char('a')) + QChar(0x6F22);
    EXPECT_EQ(textAfterSlash(QStringLiteral("科目／") + odd), QString(99, QLatin1Char('a')));
    const QString exact = QString(100, QLatin1Char('a')) + QLatin1Char('b');
    EXPECT_EQ(cp932::byteWidth(textAfterSlash(QStringLiteral("／") + exact)), 100);
}

} // namespace
} // namespace k9
