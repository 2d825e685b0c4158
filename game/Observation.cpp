#include "game/Observation.h"

#include "game/Drawing.h"
#include "game/GameState.h"
#include "game/Playback.h"
#include "ui/Values.h"

namespace quorvel {

using C = Control;

namespace {
constexpr int questionGapMs = 500;
}  // namespace

void startObserving()
{
    GameState& s = gameState;
    s.observeModeText = tk::text(C::组合框2);
    s.observing = 1;
    tk::hide(C::透明标签2);
    tk::hide(C::透明标签1);
    tk::hide(C::透明标签4);
    tk::hide(C::透明标签5);
    tk::setTableCursor(-1);
    coverAndNumberEveryBoard();
    tk::disable(C::按钮2);
    observeTick();
}

void observeTick()
{
    GameState& s = gameState;
    tk::setTableCursor(tk::tableCursor() + 1);
    tk::focus(C::超级列表框1);
    tk::clearBoard(tk::mainBoard());
    tk::setTimerPeriod(0);

    readCursorRow();

    // The only state this tick keeps to itself; everything else is re-read
    // after each wait, since any handler may have run inside it.
    const std::vector<std::string> points = split(s.currentSequenceText, " ");
    const std::size_t count = points.size();
    for (std::size_t k = 1; k <= count; ++k) {
        s.stepCounter = static_cast<int>(k);
        s.currentPoint = toInt(points[k - 1]);
        lightPoint(questionBoard(s.currentNumber), s.currentPoint);
        tk::wait(pointWaitMs);
        // A pick run inside the wait leaves currentNumber one past the last
        // board. The question being played was just covered by that pick, so
        // the tick ends as after a stop, without drawing on a board that does
        // not exist.
        if (!isQuestionBoard(s.currentNumber))
            s.observing = 0;
        if (s.observing == 0) {
            if (isQuestionBoard(s.currentNumber))
                drawCover(questionBoard(s.currentNumber));
            break;
        }
        if (s.observeModeText == "2")
            coverAndNumber(questionBoard(s.currentNumber), s.currentNumber);
    }
    if (isQuestionBoard(s.currentNumber)) {
        if (s.observeModeText == "1")
            drawCover(questionBoard(s.currentNumber));
        writeNumber(questionBoard(s.currentNumber), s.currentNumber);
    }

    if (s.currentNumberText != s.rowCountText) {
        tk::setTimerPeriod(s.observing == 1 ? questionGapMs : 0);
        return;
    }
    tk::enable(C::按钮1);
    tk::setTimerPeriod(0);
    tk::show(C::透明标签9);
    tk::show(C::画板1);
    tk::show(C::按钮1);
    tk::show(C::按钮9);
    tk::show(C::透明标签7);
    tk::show(C::组合框3);
}

void stopObserving()
{
    tk::setTimerPeriod(0);
    gameState.observing = 0;
    tk::hide(C::透明标签2);
    tk::disable(C::按钮2);
    tk::hide(C::透明标签1);
    tk::hide(C::透明标签4);
    tk::hide(C::透明标签5);
}

}  // namespace quorvel
