#include "game/Quiz.h"

#include "game/Drawing.h"
#include "game/GameState.h"
#include "game/Playback.h"
#include "ui/Values.h"

namespace quorvel {

using C = Control;

namespace {
const char* const pickMessage = "系统已经随机挑选了一道题目\r\n请观看一遍后 在下方验证答案";
const char* const closingMessage = "播放完毕\r\n请给出你的答案";
}  // namespace

void pickRandomQuestion()
{
    GameState& s = gameState;
    coverAndNumberEveryBoard();
    drawCover(tk::mainBoard());
    tk::reseedRandom();
    s.chosenIndex = tk::randomInt(1, static_cast<int>(s.questionBoards.size())) - 1;
    tk::setTableCursor(s.chosenIndex);
    tk::focus(C::超级列表框1);
    tk::show(C::透明标签5);
    tk::setText(C::透明标签5, pickMessage);
}

void watchOnce()
{
    GameState& s = gameState;
    tk::setText(C::透明标签5, "");
    s.replayKind = "2";
    s.replayModeText = tk::text(C::组合框3);
    playChosenOnMainBoard();
    tk::show(C::透明标签3);
    tk::show(C::编辑框2);
    tk::show(C::按钮2);
    tk::hide(C::透明标签9);
}

void playChosenOnMainBoard()
{
    GameState& s = gameState;
    tk::hide(C::透明标签1);
    tk::hide(C::透明标签4);
    tk::setTableCursor(s.chosenIndex);
    tk::focus(C::超级列表框1);
    tk::clearBoard(tk::mainBoard());
    readCursorRow();

    // Kept to itself across waits; replayKind and replayModeText are re-read.
    const std::vector<std::string> points = split(s.currentSequenceText, " ");
    const std::size_t count = points.size();
    tk::enable(C::按钮2);
    for (std::size_t k = 1; k <= count; ++k) {
        s.stepCounter = static_cast<int>(k);
        s.currentPoint = toInt(points[k - 1]);
        lightPoint(tk::mainBoard(), s.currentPoint);
        if (s.replayKind != "1") {
            tk::wait(pointWaitMs);
            if (s.replayModeText == "2")
                drawCover(tk::mainBoard());
        }
    }
    tk::setText(C::透明标签5, closingMessage);
    if (s.replayKind == "1") {
        tk::show(C::透明标签1);
        tk::show(C::透明标签4);
    }
}

void verifyAnswer()
{
    GameState& s = gameState;
    s.answerNumber = s.chosenIndex + 1;
    s.replayKind = "1";
    tk::setText(C::透明标签1, toText(s.answerNumber));
    tk::hide(C::透明标签5);
    tk::hide(C::透明标签9);
    playChosenOnMainBoard();
    tk::setTableCursor(-1);
    revealAllPatterns();
}

void revealAllPatterns()
{
    GameState& s = gameState;
    tk::setTableCursor(tk::tableCursor() + 1);
    tk::focus(C::超级列表框1);
    readCursorRow();
    const std::vector<std::string> points = split(s.currentSequenceText, " ");
    // A row numbered outside 1..N names no board: nothing to draw for it.
    const bool onBoard = isQuestionBoard(s.currentNumber);
    for (std::size_t k = 1; k <= points.size(); ++k) {
        s.stepCounter = static_cast<int>(k);
        s.currentPoint = toInt(points[k - 1]);
        if (onBoard)
            lightPoint(questionBoard(s.currentNumber), s.currentPoint);
    }
    if (onBoard)
        writeNumber(questionBoard(s.currentNumber), s.currentNumber);
    // The number test alone ends the walk only while rows are numbered 1..N;
    // the row bound makes it end whatever the table holds.
    if (s.currentNumberText != s.rowCountText && tk::tableCursor() + 1 < tk::rowCount())
        revealAllPatterns();
}

}  // namespace quorvel
