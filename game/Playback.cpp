#include "game/Playback.h"

#include "game/Drawing.h"
#include "game/GameState.h"
#include "ui/Values.h"

namespace quorvel {

void readCursorRow()
{
    GameState& s = gameState;
    const int row = tk::tableCursor();
    s.currentNumberText = tk::cell(row, 0);
    s.currentNumber = toInt(s.currentNumberText);
    s.currentSequenceText = tk::cell(row, 1);
    s.rowCountText = toText(tk::rowCount());
}

void coverAndNumberEveryBoard()
{
    GameState& s = gameState;
    for (s.currentNumber = 1; s.currentNumber <= static_cast<int>(s.questionBoards.size()); ++s.currentNumber)
        coverAndNumber(questionBoard(s.currentNumber), s.currentNumber);
}

}  // namespace quorvel
