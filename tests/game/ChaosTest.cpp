// Random player actions at random virtual times, many inside waits, over
// many games, with the game's invariants checked after every action.
// A failure names its seed; QUORVEL_CHAOS_SEED=<seed> replays just that one.

#include "tests/support/GameFixture.h"
#include "ui/Values.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <random>

namespace quorvel::test {
namespace {

using C = Control;

class ChaosTest : public GameFixture {
protected:
    // Returns a description of the first broken invariant, or "".
    std::string brokenInvariant()
    {
        const int boards = static_cast<int>(gameState.questionBoards.size());
        if (tk::rowCount() != boards)
            return "table rows " + std::to_string(tk::rowCount()) + " vs boards " + std::to_string(boards);
        for (int row = 0; row < boards; ++row) {
            if (tk::cell(row, 0) != toText(row + 1))
                return "row " + std::to_string(row) + " numbered " + tk::cell(row, 0);
            if (!board(row + 1))
                return "board " + std::to_string(row + 1) + " missing";
        }
        if (context->strayBoardUses() != 0)
            return "a drawing targeted a missing board";
        if (gameState.observing == 0 && clock.timerRunning())
            return "timer running while not observing";
        return {};
    }

    void act(std::mt19937& random, std::string& failure)
    {
        const C buttons[] = {C::按钮6, C::按钮4, C::按钮3, C::按钮1, C::按钮9, C::按钮2};
        const int kind = std::uniform_int_distribution<int>(0, 9)(random);
        if (kind < 6) {
            click(buttons[kind]);
        } else if (kind == 6) {
            // Mostly small games; now and then the largest.
            const int n = std::uniform_int_distribution<int>(0, 9)(random) == 0
                              ? 30
                              : std::uniform_int_distribution<int>(3, 6)(random);
            choose(C::组合框1, std::to_string(n));
        } else if (kind == 7) {
            choose(C::组合框2, std::uniform_int_distribution<int>(1, 2)(random) == 1 ? "1" : "2");
        } else if (kind == 8) {
            choose(C::组合框3, std::uniform_int_distribution<int>(1, 2)(random) == 1 ? "1" : "2");
        } else {
            const std::string texts[] = {"", "3", "-1", std::string(20000, '7'), "第二题？&<>", "\t\n"};
            auto* edit = qobject_cast<QLineEdit*>(widget(C::编辑框2));
            if (edit->isVisible()) {
                // Typed as the keyboard would deliver it, CJK included.
                QKeyEvent typed(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier,
                                QString::fromStdString(texts[random() % std::size(texts)]).left(200));
                QApplication::sendEvent(edit, &typed);
            }
            tk::setText(C::编辑框2, texts[random() % std::size(texts)]);
        }
        if (failure.empty())
            failure = brokenInvariant();
    }

    std::string runSeed(std::uint32_t seed, int actions)
    {
        std::mt19937 random(seed);
        std::string failure;
        // Each action is scheduled shortly after the previous one, so most
        // land inside a playback's waits, often nested ones.
        std::int64_t at = clock.now();
        for (int i = 0; i < actions; ++i) {
            at += std::uniform_int_distribution<int>(0, 700)(random);
            clock.at(at, [this, &random, &failure] { act(random, failure); });
        }
        clock.advance(at - clock.now() + 60000);
        if (failure.empty() && clock.waitDepth() != 0)
            failure = "a wait did not return";
        if (failure.empty())
            failure = brokenInvariant();
        return failure;
    }
};

TEST_F(ChaosTest, InvariantsHoldUnderRandomPlay)
{
    std::vector<std::uint32_t> seeds;
    if (const char* replay = std::getenv("QUORVEL_CHAOS_SEED"))
        seeds.push_back(static_cast<std::uint32_t>(std::strtoul(replay, nullptr, 10)));
    else
        for (std::uint32_t s = 1; s <= 24; ++s)
            seeds.push_back(s * 7919u);
    for (std::uint32_t seed : seeds) {
        const std::string failure = runSeed(seed, 250);
        ASSERT_EQ(failure, "") << "seed " << seed << " (replay with QUORVEL_CHAOS_SEED=" << seed << ")";
    }
    EXPECT_GT(clock.maxWaitDepth(), 2);  // the actions did reach nested waits
}

}  // namespace
}  // namespace quorvel::test
