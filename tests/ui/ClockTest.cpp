// Timed wait and timer semantics, under the virtual clock, through the same
// toolkit calls the game makes.

#include "tests/support/GameFixture.h"

#include <QPushButton>
#include <QTest>

namespace quorvel::test {
namespace {

class ClockTest : public ::testing::Test {
protected:
    ClockTest() : context(clock)
    {
        context.attach(std::make_unique<MainWindow>());
        context.window()->show();
    }
    VirtualClock clock;
    ToolkitContext context;
};

TEST_F(ClockTest, WaitRunsDueActionsInTimeOrderAndReturnsAtItsEnd)
{
    std::vector<std::pair<std::int64_t, int>> log;
    clock.at(250, [&] { log.emplace_back(clock.now(), 2); });
    clock.at(100, [&] { log.emplace_back(clock.now(), 1); });
    clock.at(301, [&] { log.emplace_back(clock.now(), 3); });
    tk::wait(300);
    EXPECT_EQ(clock.now(), 300);
    EXPECT_EQ(log, (std::vector<std::pair<std::int64_t, int>>{{100, 1}, {250, 2}}));
    tk::wait(0);  // returns at once
    EXPECT_EQ(clock.now(), 300);
}

TEST_F(ClockTest, NestedWaitFinishesBeforeTheOuterOneResumes)
{
    std::vector<std::string> log;
    clock.at(100, [&] {
        log.push_back("inner start");
        tk::wait(300);
        log.push_back("inner end at " + std::to_string(clock.now()));
    });
    clock.at(200, [&] { log.push_back("during inner at " + std::to_string(clock.now())); });
    tk::wait(300);
    log.push_back("outer end at " + std::to_string(clock.now()));
    EXPECT_EQ(log, (std::vector<std::string>{"inner start", "during inner at 200", "inner end at 400",
                                             "outer end at 400"}));
    EXPECT_EQ(clock.maxWaitDepth(), 2);
}

TEST_F(ClockTest, ClickInsideAWaitRunsItsHandlerToCompletionFirst)
{
    auto* button = qobject_cast<QPushButton*>(context.window()->control(Control::按钮6));
    std::vector<std::string> log;
    context.onClicked(Control::按钮6, [&] { log.push_back("clicked at " + std::to_string(clock.now())); });
    clock.at(120, [&] { QTest::mouseClick(button, Qt::LeftButton); });
    tk::wait(300);
    log.push_back("resumed");
    EXPECT_EQ(log, (std::vector<std::string>{"clicked at 120", "resumed"}));
}

TEST_F(ClockTest, TimerPeriodRestartsOnChangeIgnoresTheSameValueAndStopsAtZero)
{
    std::vector<std::int64_t> ticks;
    context.onTimer([&] { ticks.push_back(clock.now()); });
    tk::setTimerPeriod(500);
    clock.advance(300);
    tk::setTimerPeriod(500);  // unchanged: the count goes on
    clock.advance(300);
    EXPECT_EQ(ticks, (std::vector<std::int64_t>{500}));
    tk::setTimerPeriod(200);  // restarts from 600
    clock.advance(450);
    EXPECT_EQ(ticks, (std::vector<std::int64_t>{500, 800, 1000}));
    tk::setTimerPeriod(0);
    clock.advance(2000);
    EXPECT_EQ(ticks.size(), 3u);
    EXPECT_EQ(tk::timerPeriod(), 0);
}

TEST_F(ClockTest, AfterCloseWaitsReturnAtOnceAndOperationsDoNothing)
{
    int ticks = 0;
    context.onTimer([&] { ++ticks; });
    tk::setTimerPeriod(500);
    clock.at(100, [&] { context.window()->close(); });
    tk::wait(300);
    EXPECT_TRUE(context.closed());
    const std::int64_t closedAt = clock.now();
    tk::wait(300);
    EXPECT_EQ(clock.now(), closedAt);
    clock.advance(5000);
    EXPECT_EQ(ticks, 0);
    tk::show(Control::按钮4);
    tk::setText(Control::透明标签5, "x");
    EXPECT_FALSE(tk::isVisible(Control::按钮4));
    EXPECT_EQ(tk::text(Control::透明标签5), "");
    EXPECT_EQ(tk::copyBoard(), BoardHandle{});
}

TEST_F(ClockTest, ExitRoutinesRunOnceInOrder)
{
    std::vector<int> ran;
    tk::addExitRoutine([&] { ran.push_back(1); });
    tk::addExitRoutine([&] { ran.push_back(2); });
    context.runExitRoutines();
    context.runExitRoutines();
    EXPECT_EQ(ran, (std::vector<int>{1, 2}));
}

TEST_F(ClockTest, BoardHandlesStaySafeAfterTheBoardIsDestroyed)
{
    const BoardHandle copy = tk::copyBoard();
    ASSERT_NE(context.board(copy), nullptr);
    tk::destroyBoard(copy);
    EXPECT_EQ(context.board(copy), nullptr);
    tk::clearBoard(copy);
    tk::writeText(copy, 70, 70, "1");
    tk::destroyBoard(copy);
    tk::destroyBoard(BoardHandle{9999});
    tk::destroyBoard(tk::mainBoard());  // the template is not a copy
    EXPECT_NE(context.board(tk::mainBoard()), nullptr);
}

}  // namespace
}  // namespace quorvel::test
