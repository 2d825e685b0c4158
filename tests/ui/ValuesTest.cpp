#include "ui/Values.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

struct SplitCase {
    const char* text;
    std::vector<std::string> pieces;
};

TEST(Split, KeepsEmptyInnerPiecesButNotAnEmptyLastOne)
{
    const SplitCase cases[] = {
        {"", {}},
        {" ", {""}},
        {"3 16 7 1 ", {"3", "16", "7", "1"}},
        {"3 16", {"3", "16"}},
        {"3  16 ", {"3", "", "16"}},
        {" 3", {"", "3"}},
        {"观察 模式 ", {"观察", "模式"}},
    };
    for (const SplitCase& c : cases)
        EXPECT_EQ(split(c.text, " "), c.pieces) << '"' << c.text << '"';
}

TEST(Split, MultiByteDelimiterNeverCutsCharacters)
{
    EXPECT_EQ(split("一，二，三", "，"), (std::vector<std::string>{"一", "二", "三"}));
}

TEST(ToInt, ReadsBlanksSignAndDigitsUpToTheFirstOtherCharacter)
{
    const std::pair<const char*, int> cases[] = {
        {"42", 42},     {"  7", 7},     {"\t-12", -12},   {"+5", 5},        {"16 ", 16},
        {"3x9", 3},     {"", 0},        {"abc", 0},       {"-", 0},         {"- 4", 0},
        {"007", 7},     {"99999999999", 2147483647},      {"-99999999999", -2147483647 - 1},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(toInt(text), value) << '"' << text << '"';
}

TEST(ToText, PlainDecimal)
{
    EXPECT_EQ(toText(0), "0");
    EXPECT_EQ(toText(30), "30");
    EXPECT_EQ(toText(-4), "-4");
}

TEST(Random, BoundsAreInclusiveSwappedWhenReversedAndNegativeCountsAsZero)
{
    Random random;
    random.reseed(1000);
    struct Case {
        int low, high, min, max;
    };
    const Case cases[] = {{4, 9, 4, 9}, {9, 4, 4, 9}, {-5, 3, 0, 3}, {3, -5, 0, 3}, {-3, -1, 0, 0}, {7, 7, 7, 7}};
    for (const Case& c : cases) {
        int seenMin = 1 << 30, seenMax = -(1 << 30);
        for (int i = 0; i < 2000; ++i) {
            const int v = random.randomInt(c.low, c.high);
            seenMin = std::min(seenMin, v);
            seenMax = std::max(seenMax, v);
        }
        EXPECT_EQ(seenMin, c.min) << c.low << ".." << c.high;
        EXPECT_EQ(seenMax, c.max) << c.low << ".." << c.high;
    }
}

TEST(Random, TwoReseedsWithinOneClockTickGiveDifferentSequences)
{
    Random random;
    auto draw = [&] {
        std::vector<int> values;
        for (int i = 0; i < 8; ++i)
            values.push_back(random.randomInt(1, 1000000));
        return values;
    };
    random.reseed(123456);
    const auto first = draw();
    random.reseed(123456);
    const auto second = draw();
    EXPECT_NE(first, second);
}

}  // namespace
}  // namespace quorvel
