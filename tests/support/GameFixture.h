#pragma once
// A running game on Qt's offscreen platform, driven by a virtual clock.

#include "game/GameState.h"
#include "tests/support/BoardPixels.h"
#include "tests/support/VirtualClock.h"
#include "ui/Board.h"
#include "ui/MainWindow.h"
#include "ui/ToolkitContext.h"

#include <gtest/gtest.h>
#include <QImage>
#include <memory>
#include <string>

namespace quorvel::test {

class GameFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    MainWindow& window() { return *context->window(); }
    QWidget* widget(Control control) { return window().control(control); }
    bool shown(Control control);  // visible to the player
    bool enabled(Control control);
    std::string text(Control control) { return tk::text(control); }

    // A player's click: happens only on a visible, enabled button.
    void click(Control button);
    void clickAt(std::int64_t time, Control button);
    void choose(Control combo, const std::string& item);
    void newGame(int questions);  // choose the count and click 开始游戏

    Board* board(int question);  // nullptr if that question has no board
    QImage image(int question);
    QImage mainImage();
    std::vector<std::vector<int>> sequences();  // the question table, parsed

    VirtualClock clock;
    std::unique_ptr<ToolkitContext> context;
};

}  // namespace quorvel::test
