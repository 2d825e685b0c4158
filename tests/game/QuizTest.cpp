// The quiz: pick, watch and verify, and clicks inside a watch.

#include "game/Drawing.h"
#include "tests/support/GameFixture.h"

#include <algorithm>

namespace quorvel::test {
namespace {

using C = Control;

const char* const pickMessage = "系统已经随机挑选了一道题目\r\n请观看一遍后 在下方验证答案";
const char* const closingMessage = "播放完毕\r\n请给出你的答案";

class QuizTest : public GameFixture {
protected:
    void SetUp() override
    {
        GameFixture::SetUp();
        finishObservation(5);
    }
    void finishObservation(int questions)
    {
        newGame(questions);
        click(C::按钮4);
        clock.advance(60000);
        ASSERT_TRUE(shown(C::按钮1) && shown(C::按钮9));
    }
    std::vector<int> chosen()
    {
        auto seq = sequences().at(static_cast<std::size_t>(gameState.chosenIndex));
        return seq;
    }
    static std::vector<int> sorted(std::vector<int> v)
    {
        std::sort(v.begin(), v.end());
        return v;
    }
    // Clicks 观看一遍 and records 画板1's lit points halfway through each
    // 300 ms step of the replay.
    std::vector<std::vector<int>> watchLookingAtEachPoint(std::size_t points)
    {
        std::vector<std::vector<int>> seen;
        const std::int64_t start = clock.now();
        for (std::size_t i = 0; i < points; ++i)
            clock.at(start + 300 * static_cast<std::int64_t>(i) + 150,
                     [this, &seen] { seen.push_back(litPoints(mainImage())); });
        click(C::按钮9);
        return seen;
    }
    void pick(int row)
    {
        click(C::按钮1);
        gameState.chosenIndex = row;  // fixes which question the test watches
    }
};

TEST_F(QuizTest, PickCoversEveryBoardAndSaysSoWithoutTellingWhich)
{
    click(C::按钮9);
    click(C::按钮2);  // every board now shows its whole pattern
    ASSERT_FALSE(litPoints(image(1)).empty());
    const std::string answerShown = text(C::透明标签1);
    click(C::按钮1);
    for (int q = 1; q <= 5; ++q)
        EXPECT_TRUE(litPoints(image(q)).empty() && showsNumber(image(q))) << q;
    EXPECT_TRUE(litPoints(mainImage()).empty());
    EXPECT_TRUE(shown(C::透明标签5));
    EXPECT_EQ(text(C::透明标签5), pickMessage);
    EXPECT_GE(gameState.chosenIndex, 0);
    EXPECT_LT(gameState.chosenIndex, 5);
    // The previous answer stays until the next replay hides it.
    EXPECT_TRUE(shown(C::透明标签1));
    EXPECT_TRUE(shown(C::透明标签4));
    EXPECT_EQ(text(C::透明标签1), answerShown);
}

TEST_F(QuizTest, WatchInModeOneLeavesEveryPointLitOnTheMainBoard)
{
    pick(1);
    const auto seq = chosen();
    const int waits = clock.waitsStarted();
    const auto seen = watchLookingAtEachPoint(seq.size());
    for (std::size_t i = 0; i < seq.size(); ++i)
        EXPECT_EQ(seen.at(i), sorted({seq.begin(), seq.begin() + static_cast<long>(i) + 1}));
    EXPECT_EQ(litPoints(mainImage()), sorted(seq));
    EXPECT_EQ(clock.waitsStarted() - waits, static_cast<int>(seq.size()));
    EXPECT_EQ(text(C::透明标签5), closingMessage);
    for (C c : {C::透明标签3, C::编辑框2, C::按钮2})
        EXPECT_TRUE(shown(c));
    EXPECT_TRUE(enabled(C::按钮2));
    EXPECT_FALSE(shown(C::透明标签9));
    EXPECT_FALSE(shown(C::透明标签1));
    // The number of the question never appears on the main board.
    EXPECT_FALSE(showsNumber(mainImage()));
}

TEST_F(QuizTest, WatchInModeTwoShowsEachPointAloneAndEndsCovered)
{
    choose(C::组合框3, "2");
    pick(2);
    const auto seq = chosen();
    const auto seen = watchLookingAtEachPoint(seq.size());
    for (std::size_t i = 0; i < seq.size(); ++i)
        EXPECT_EQ(seen.at(i), std::vector<int>{seq[i]});
    EXPECT_TRUE(litPoints(mainImage()).empty());
}

TEST_F(QuizTest, WatchingTwiceReplaysTheSameQuestion)
{
    click(C::按钮1);
    click(C::按钮9);
    const auto first = litPoints(mainImage());
    click(C::按钮9);
    EXPECT_EQ(litPoints(mainImage()), first);
    EXPECT_EQ(first, sorted(chosen()));
}

TEST_F(QuizTest, VerifyShowsTheNumberAndEveryPatternWithoutWaiting)
{
    pick(3);
    click(C::按钮9);
    const int waits = clock.waitsStarted();
    const std::int64_t before = clock.now();
    click(C::按钮2);
    EXPECT_EQ(clock.waitsStarted(), waits);
    EXPECT_EQ(clock.now(), before);
    EXPECT_EQ(text(C::透明标签1), "4");
    EXPECT_TRUE(shown(C::透明标签1));
    EXPECT_TRUE(shown(C::透明标签4));
    EXPECT_FALSE(shown(C::透明标签5));
    EXPECT_EQ(litPoints(mainImage()), sorted(sequences()[3]));
    const auto seqs = sequences();
    for (int q = 1; q <= 5; ++q) {
        EXPECT_EQ(litPoints(image(q)), sorted(seqs[q - 1])) << q;
        EXPECT_TRUE(showsNumber(image(q))) << q;
    }
    EXPECT_TRUE(enabled(C::按钮2));
    EXPECT_EQ(tk::tableCursor(), 4);
}

TEST_F(QuizTest, VerifyingAgainRepeatsTheSameDrawingWhateverTheAnswerBoxHolds)
{
    pick(0);
    click(C::按钮9);
    click(C::按钮2);
    // Compared by what the player reads off the boards: numbers drawn again
    // over themselves may darken their anti-aliased edges.
    std::vector<std::vector<int>> reference;
    for (int q = 1; q <= 5; ++q)
        reference.push_back(litPoints(image(q)));
    const QImage main = mainImage();
    const std::string answers[] = {"", "1", "abc", "-7", std::string(5000, '9'), "答案是第三题"};
    for (const std::string& answer : answers) {
        tk::setText(C::编辑框2, answer);
        click(C::按钮2);
        EXPECT_EQ(text(C::透明标签1), "1");
        EXPECT_EQ(mainImage(), main);
        for (int q = 1; q <= 5; ++q) {
            EXPECT_EQ(litPoints(image(q)), reference[q - 1]) << q;
            EXPECT_TRUE(showsNumber(image(q))) << q;
        }
        EXPECT_EQ(text(C::编辑框2), answer);  // never read, never changed
    }
}

TEST_F(QuizTest, ChosenIndexIsRowThreeUntilTheFirstPick)
{
    click(C::按钮9);
    EXPECT_EQ(litPoints(mainImage()), sorted(sequences()[2]));
    click(C::按钮2);
    EXPECT_EQ(text(C::透明标签1), "3");
}

TEST_F(QuizTest, WatchWhileTheMessageIsHiddenWritesIntoTheHiddenLabel)
{
    click(C::按钮3);  // hides 透明标签5
    click(C::按钮9);
    EXPECT_FALSE(shown(C::透明标签5));
    EXPECT_EQ(text(C::透明标签5), closingMessage);
}

TEST_F(QuizTest, PicksAreUniformOverTheQuestions)
{
    // Fixed virtual clock, so the same draws every run: the bound cannot
    // flake. Chi-square with 4 degrees of freedom, p = 0.001 critical value.
    std::vector<int> counts(5, 0);
    constexpr int picks = 5000;
    for (int i = 0; i < picks; ++i) {
        click(C::按钮1);
        ++counts.at(static_cast<std::size_t>(gameState.chosenIndex));
    }
    double chi = 0;
    for (int c : counts)
        chi += (c - picks / 5.0) * (c - picks / 5.0) / (picks / 5.0);
    EXPECT_LT(chi, 18.47);
    EXPECT_EQ(tk::tableCursor(), gameState.chosenIndex);
}

TEST_F(QuizTest, NestedWatchOrVerifyInsideAWatch)
{
    struct Case {
        const char* name;
        C nested;
        bool answerShownAtEnd;
    };
    const Case cases[] = {{"watch", C::按钮9, false}, {"verify", C::按钮2, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        pick(1);
        click(C::按钮9);  // makes 按钮2 visible and enabled
        clickAt(clock.now() + 450, c.nested);
        click(C::按钮9);
        EXPECT_EQ(litPoints(mainImage()), sorted(chosen()));
        EXPECT_EQ(shown(C::透明标签1), c.answerShownAtEnd);
        EXPECT_EQ(shown(C::透明标签4), c.answerShownAtEnd);
        EXPECT_EQ(text(C::透明标签5), closingMessage);
    }
}

TEST_F(QuizTest, PickInsideAWatchLetsTheWatchFinishItsOwnQuestion)
{
    pick(1);
    const auto seq = chosen();
    clickAt(clock.now() + 450, C::按钮1);
    click(C::按钮9);
    // The pick covered 画板1 after two points; the rest came afterwards.
    EXPECT_EQ(litPoints(mainImage()), sorted({seq.begin() + 2, seq.end()}));
}

TEST_F(QuizTest, ObservationStartedInsideAWatchClearsTheMainBoardAndBothFinish)
{
    pick(4);
    const auto seq = chosen();
    clickAt(clock.now() + 450, C::按钮4);
    click(C::按钮9);
    // Ticks inside the watch clear 画板1; whatever it shows now belongs to the
    // watched question, and never its first two points, lit before the start.
    for (int point : litPoints(mainImage())) {
        EXPECT_NE(std::find(seq.begin() + 2, seq.end(), point), seq.end()) << point;
    }
    clock.advance(60000);
    EXPECT_TRUE(shown(C::按钮1));
    EXPECT_FALSE(clock.timerRunning());
    EXPECT_TRUE(litPoints(mainImage()).empty());  // the last tick cleared it
}

TEST_F(QuizTest, RevealEndsEvenWhenTheTableIsNumberedOtherwise)
{
    // Numbered 1..N the walk stops at the row whose number is the row count;
    // with that row renamed it must still stop at the last row.
    tk::setCell(4, 0, "99");
    pick(0);
    click(C::按钮9);
    click(C::按钮2);
    EXPECT_EQ(tk::tableCursor(), 4);
    const auto seqs = sequences();
    for (int q = 1; q <= 4; ++q)
        EXPECT_EQ(litPoints(image(q)), sorted(seqs[q - 1])) << q;
}

}  // namespace
}  // namespace quorvel::test
