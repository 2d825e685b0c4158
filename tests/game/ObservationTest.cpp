// Observation as the player sees it over virtual time, and every click that
// can land inside one of its waits.

#include "game/Drawing.h"
#include "tests/support/GameFixture.h"

#include <algorithm>

namespace quorvel::test {
namespace {

using C = Control;

const C quizControls[] = {C::按钮1, C::按钮9, C::画板1, C::透明标签7, C::组合框3, C::透明标签9};

struct Sight {
    std::vector<std::vector<int>> lit;  // per question board
    std::vector<bool> numbered;
};

class ObservationTest : public GameFixture {
protected:
    Sight look()
    {
        Sight sight;
        for (int q = 1; q <= static_cast<int>(gameState.questionBoards.size()); ++q) {
            sight.lit.push_back(litPoints(image(q)));
            sight.numbered.push_back(showsNumber(image(q)));
        }
        return sight;
    }
    void lookAt(std::int64_t time) { clock.at(time, [this, time] { seen[time] = look(); }); }
    bool quizShown()
    {
        return std::all_of(std::begin(quizControls), std::end(quizControls), [this](C c) { return shown(c); });
    }
    // When question q (1-based) starts, for an undisturbed observation from 0.
    std::int64_t startOf(int q)
    {
        std::int64_t t = 0;
        const auto seqs = sequences();
        for (int i = 1; i < q; ++i)
            t += 300 * static_cast<std::int64_t>(seqs[i - 1].size()) + 500;
        return t;
    }
    void observeWholeGame()
    {
        click(C::按钮4);
        clock.advance(60000);
    }
    std::map<std::int64_t, Sight> seen;
};

struct ModeCase {
    const char* mode;
    int questions;
};

void PrintTo(const ModeCase& c, std::ostream* out) { *out << "mode " << c.mode << ", " << c.questions << " questions"; }

class ObservationModes : public ObservationTest, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(ObservationModes, EachQuestionPlaysOnItsOwnBoardAtTheBeat)
{
    const ModeCase param = GetParam();
    newGame(param.questions);
    choose(C::组合框2, param.mode);
    const auto seqs = sequences();
    const int n = param.questions;
    std::size_t points = 0;
    for (int q = 1; q <= n; ++q) {
        const std::int64_t start = startOf(q);
        for (std::size_t i = 0; i < seqs[q - 1].size(); ++i)
            lookAt(start + 300 * static_cast<std::int64_t>(i) + 150);
        lookAt(start + 300 * static_cast<std::int64_t>(seqs[q - 1].size()) + 250);  // in the gap
        points += seqs[q - 1].size();
    }
    observeWholeGame();

    for (int q = 1; q <= n; ++q) {
        SCOPED_TRACE("question " + std::to_string(q));
        const auto& seq = seqs[q - 1];
        const std::int64_t start = startOf(q);
        for (std::size_t i = 0; i < seq.size(); ++i) {
            const Sight& sight = seen.at(start + 300 * static_cast<std::int64_t>(i) + 150);
            std::vector<int> expected = std::string(param.mode) == "1"
                                            ? std::vector<int>(seq.begin(), seq.begin() + static_cast<long>(i) + 1)
                                            : std::vector<int>{seq[i]};
            std::sort(expected.begin(), expected.end());
            for (int other = 1; other <= n; ++other) {
                EXPECT_EQ(sight.lit[other - 1], other == q ? expected : std::vector<int>{})
                    << "board " << other << " at point " << i + 1;
                EXPECT_TRUE(sight.numbered[other - 1]);
            }
        }
        const Sight& gap = seen.at(start + 300 * static_cast<std::int64_t>(seq.size()) + 250);
        for (int other = 1; other <= n; ++other) {
            EXPECT_TRUE(gap.lit[other - 1].empty());
            EXPECT_TRUE(gap.numbered[other - 1]);
        }
    }
    EXPECT_EQ(clock.waitsStarted(), static_cast<int>(points));  // one wait per point, none extra
    EXPECT_EQ(clock.ticks(), n - 1);  // the first question runs from the click
    EXPECT_TRUE(quizShown());
    EXPECT_TRUE(enabled(C::按钮1));
    EXPECT_FALSE(clock.timerRunning());
    EXPECT_EQ(tk::timerPeriod(), 0);
    EXPECT_EQ(gameState.observing, 1);
}

INSTANTIATE_TEST_SUITE_P(BothModes, ObservationModes,
                         ::testing::Values(ModeCase{"1", 3}, ModeCase{"2", 3}, ModeCase{"1", 7}, ModeCase{"2", 6}),
                         [](const auto& info) {
                             return std::string("mode") + info.param.mode + "_" + std::to_string(info.param.questions);
                         });

TEST_F(ObservationTest, TrailingSpaceGivesNoExtraPointOrWait)
{
    const std::pair<const char*, int> cases[] = {{"5 ", 1}, {"16 3 ", 2}, {"1 2 3 4 5 6 7 8 9 ", 9}};
    for (const auto& [sequence, count] : cases) {
        newGame(3);
        tk::setCell(0, 1, sequence);
        const int before = clock.waitsStarted();
        click(C::按钮4);  // plays question 1, then arms the gap
        EXPECT_EQ(clock.waitsStarted() - before, count) << sequence;
        EXPECT_EQ(tk::timerPeriod(), 500);
    }
}

TEST_F(ObservationTest, StopDuringAPointWaitCoversTheBoardAndEndsObservation)
{
    clickAt(450, C::按钮3);
    observeWholeGame();
    EXPECT_EQ(clock.waitsStarted(), 2);
    EXPECT_EQ(gameState.observing, 0);
    EXPECT_EQ(clock.ticks(), 0);
    const Sight sight = look();
    for (int q = 0; q < 3; ++q) {
        EXPECT_TRUE(sight.lit[q].empty());
        EXPECT_TRUE(sight.numbered[q]);
    }
    EXPECT_FALSE(shown(C::按钮1));
    EXPECT_FALSE(shown(C::透明标签2));
}

TEST_F(ObservationTest, StopDuringTheGapPreventsTheNextQuestion)
{
    clickAt(startOf(2) - 200, C::按钮3);
    observeWholeGame();
    EXPECT_EQ(clock.ticks(), 0);
    EXPECT_EQ(clock.waitsStarted(), static_cast<int>(sequences()[0].size()));
    EXPECT_EQ(gameState.observing, 0);
    EXPECT_FALSE(clock.timerRunning());
    for (int q = 1; q <= 3; ++q)
        EXPECT_TRUE(litPoints(image(q)).empty() && showsNumber(image(q)));
}

TEST_F(ObservationTest, StopDuringTheLastQuestionStillShowsTheQuiz)
{
    clickAt(startOf(3) + 150, C::按钮3);
    observeWholeGame();
    EXPECT_EQ(gameState.observing, 0);
    EXPECT_TRUE(quizShown());
    EXPECT_TRUE(litPoints(image(3)).empty());
}

TEST_F(ObservationTest, NewGameDuringAWaitReplacesTheBoardsAndEndsTheTick)
{
    std::vector<QPointer<Board>> old;
    for (int q = 1; q <= 3; ++q)
        old.emplace_back(board(q));
    clock.at(450, [this] { newGame(5); });
    observeWholeGame();
    for (const auto& b : old)
        EXPECT_TRUE(b.isNull());  // gone at once, inside the wait
    ASSERT_EQ(gameState.questionBoards.size(), 5u);
    EXPECT_EQ(gameState.observing, 0);
    EXPECT_EQ(clock.ticks(), 0);
    for (int q = 1; q <= 5; ++q)
        EXPECT_TRUE(litPoints(image(q)).empty() && showsNumber(image(q))) << q;
    EXPECT_FALSE(quizShown());  // question "1" of "3" was not the last
}

TEST_F(ObservationTest, NewGameDuringTheLastQuestionShowsTheQuiz)
{
    clock.at(startOf(3) + 150, [this] { newGame(4); });
    observeWholeGame();
    EXPECT_TRUE(quizShown());
    EXPECT_EQ(gameState.observing, 0);
    EXPECT_EQ(tk::rowCount(), 4);
}

TEST_F(ObservationTest, NestedStartReplaysFromQuestionOneAndObservationStillFinishes)
{
    const auto first = sequences()[0];
    std::vector<int> litDuringNested;
    clickAt(450, C::按钮4);
    clock.at(450 + 150, [&] { litDuringNested = litPoints(image(1)); });
    observeWholeGame();
    // The nested start covered board 1 and lit only its own first point.
    EXPECT_EQ(litDuringNested, std::vector<int>{first[0]});
    EXPECT_GE(clock.maxWaitDepth(), 2);
    EXPECT_TRUE(quizShown());
    EXPECT_FALSE(clock.timerRunning());
}

TEST_F(ObservationTest, RestartAfterAStopPlaysFromQuestionOne)
{
    clickAt(startOf(2) + 100, C::按钮3);
    observeWholeGame();
    ASSERT_EQ(gameState.observing, 0);
    const auto seq = sequences()[0];
    std::vector<int> firstLit;
    const std::int64_t now = clock.now();
    clock.at(now + 150, [&] { firstLit = litPoints(image(1)); });
    observeWholeGame();
    EXPECT_EQ(firstLit, std::vector<int>{seq[0]});
    EXPECT_TRUE(quizShown());
}

TEST_F(ObservationTest, EveryTickClearsTheMainBoard)
{
    observeWholeGame();
    lightPoint(tk::mainBoard(), 6);
    ASSERT_TRUE(isLit(mainImage(), 6));
    click(C::按钮4);
    EXPECT_TRUE(litPoints(mainImage()).empty());
}

TEST_F(ObservationTest, StopOutsideObservationDisablesVerification)
{
    observeWholeGame();
    click(C::按钮9);
    ASSERT_TRUE(enabled(C::按钮2));
    click(C::按钮3);
    EXPECT_FALSE(enabled(C::按钮2));
    for (C c : {C::透明标签1, C::透明标签4, C::透明标签5})
        EXPECT_FALSE(shown(c));
}

// 随机出题 is visible once an observation has finished; clicked inside a later
// observation's wait, it leaves currentNumber naming no board. The tick then
// ends as after a stop, drawing on no board.
TEST_F(ObservationTest, PickInsideAnObservationWaitEndsTheTickAsAfterAStop)
{
    observeWholeGame();
    const std::int64_t now = clock.now();
    clickAt(now + 450, C::按钮1);
    observeWholeGame();
    EXPECT_EQ(gameState.observing, 0);
    EXPECT_FALSE(clock.timerRunning());
    EXPECT_EQ(gameState.currentNumber, 4);  // one past the last board, never used
    for (int q = 1; q <= 3; ++q)
        EXPECT_TRUE(litPoints(image(q)).empty() && showsNumber(image(q))) << q;
    EXPECT_TRUE(shown(C::透明标签5));
    EXPECT_EQ(text(C::透明标签5), "系统已经随机挑选了一道题目\r\n请观看一遍后 在下方验证答案");
}

}  // namespace
}  // namespace quorvel::test
