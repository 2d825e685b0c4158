// Closing the window while a handler is paused in a wait: the handler runs
// out without touching the closed window, nothing ticks again, and shutdown
// releases the game state once.

#include "tests/support/GameFixture.h"

#include <QTest>

namespace quorvel::test {
namespace {

using C = Control;

enum class CloseBy { Esc, CloseBox };

struct CloseCase {
    const char* name;
    bool quizFirst;         // finish one observation first
    C start;                // the click that starts the playback
    std::int64_t closeAt;   // after the start; -1: in the gap after question 1
    C alsoInside;           // clicked inside the playback before closing, or 时钟1 for none
};

void PrintTo(const CloseCase& c, std::ostream* out) { *out << c.name; }

class ClosingTest : public GameFixture, public ::testing::WithParamInterface<std::tuple<CloseCase, CloseBy>> {};

TEST_P(ClosingTest, AHandlerPausedInAWaitRunsOutAndNothingRunsAfterwards)
{
    const auto& [c, by] = GetParam();
    if (c.quizFirst) {
        click(C::按钮4);
        clock.advance(60000);
    }
    const std::int64_t start = clock.now();
    int depthAtClose = -1;
    if (c.alsoInside != C::时钟1)
        clickAt(start + 320, c.alsoInside);
    const std::int64_t closeAt =
        c.closeAt >= 0 ? c.closeAt : 300 * static_cast<std::int64_t>(sequences()[0].size()) + 250;
    clock.at(start + closeAt, [&] {
        depthAtClose = clock.waitDepth();
        if (by == CloseBy::Esc)
            QTest::keyClick(widget(C::按钮6), Qt::Key_Escape);
        else
            window().close();
    });
    click(c.start);  // returns only once every paused handler has run out
    clock.advance(60000);

    EXPECT_TRUE(context->closed());
    EXPECT_EQ(clock.waitDepth(), 0);
    EXPECT_FALSE(clock.timerRunning());
    EXPECT_FALSE(window().isVisible());
    const int ticks = clock.ticks();
    clock.advance(10000);
    EXPECT_EQ(clock.ticks(), ticks);
    // The close landed where the case says: inside a wait, or in the gap.
    EXPECT_EQ(depthAtClose == 0, c.closeAt < 0) << "wait depth at close " << depthAtClose;
    context->runExitRoutines();
    EXPECT_TRUE(gameState.questionBoards.empty());
}

const CloseCase closeCases[] = {
    {"pointWait", false, C::按钮4, 150, C::时钟1},
    {"gap", false, C::按钮4, -1, C::时钟1},
    {"watch", true, C::按钮9, 450, C::时钟1},
    {"nestedWatchInWatch", true, C::按钮9, 500, C::按钮9},
    {"nestedStartInObservation", false, C::按钮4, 500, C::按钮4},
    {"watchInsideObservation", true, C::按钮4, 600, C::按钮9},
};

INSTANTIATE_TEST_SUITE_P(EveryKindOfWait, ClosingTest,
                         ::testing::Combine(::testing::ValuesIn(closeCases),
                                            ::testing::Values(CloseBy::Esc, CloseBy::CloseBox)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    (std::get<1>(info.param) == CloseBy::Esc ? "_Esc" : "_CloseBox");
                         });

TEST_F(GameFixture, EscClosesWhicheverControlHasTheFocus)
{
    tk::show(C::编辑框2);
    widget(C::编辑框2)->setFocus();
    QTest::keyClick(widget(C::编辑框2), Qt::Key_Escape);
    EXPECT_TRUE(context->closed());
}

}  // namespace
}  // namespace quorvel::test
