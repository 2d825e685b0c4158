#include "game/GameSetup.h"

#include "assets/Assets.h"
#include "game/Drawing.h"
#include "game/GameState.h"
#include "ui/Values.h"

namespace quorvel {

using C = Control;

void startGame()
{
    GameState& s = gameState;
    s.chosenIndex = 2;

    tk::setTimerPeriod(0);
    s.observing = 0;

    tk::show(C::透明标签8);
    tk::show(C::组合框2);
    tk::show(C::按钮4);
    tk::show(C::按钮3);

    for (BoardHandle board : s.questionBoards)
        tk::destroyBoard(board);
    s.questionBoards.clear();

    if (!s.coverImage.valid()) {
        const auto cover = assets::coverPng();
        s.coverImage = tk::loadPicture(cover.data(), cover.size());
    }
    if (!s.markerImage.valid()) {
        const auto marker = assets::markerPng();
        s.markerImage = tk::loadPicture(marker.data(), marker.size());
    }

    s.nextBoardPos.x = -157;
    s.nextBoardPos.y = 3;
    const int n = toInt(tk::text(C::组合框1));
    for (s.boardCounter = 1; s.boardCounter <= n; ++s.boardCounter) {
        s.nextBoardPos.x += 160;
        if (s.boardCounter == 7 || s.boardCounter == 13 || s.boardCounter == 19 || s.boardCounter == 25) {
            s.nextBoardPos.x = 3;
            s.nextBoardPos.y += 160;
        }
        s.currentNumber = static_cast<int>(s.questionBoards.size()) + 1;
        s.questionBoards.push_back(tk::copyBoard());
        const BoardHandle board = s.questionBoards.back();
        tk::moveBoard(board, s.nextBoardPos.x, s.nextBoardPos.y);
        tk::setKeepDrawing(board, true);
        writeNumber(board, s.boardCounter);
        tk::showBoard(board);
    }

    tk::show(C::透明标签2);
    tk::deleteAllRows();
    s.rowCounter = 0;
    tk::disable(C::按钮2);
    tk::hide(C::透明标签1);
    tk::hide(C::透明标签4);
    tk::hide(C::透明标签5);

    const int questions = static_cast<int>(s.questionBoards.size());
    for (s.questionCounter = 1; s.questionCounter <= questions; ++s.questionCounter) {
        tk::setText(C::编辑框1, "");
        tk::reseedRandom();
        s.sequenceLength = tk::randomInt(4, 9);
        s.pointPool.clear();
        for (int p = 1; p <= 16; ++p)
            s.pointPool.push_back(toText(p));
        for (s.boardCounter = 1; s.boardCounter <= s.sequenceLength; ++s.boardCounter) {
            s.pickedIndex = tk::randomInt(1, static_cast<int>(s.pointPool.size()));
            const auto picked = s.pointPool.begin() + (s.pickedIndex - 1);
            tk::appendText(C::编辑框1, *picked + " ");
            s.pointPool.erase(picked);
        }
        ++s.rowCounter;
        s.newRowIndex = tk::insertRow(toText(s.rowCounter));
        tk::setCell(s.newRowIndex, 1, tk::text(C::编辑框1));
    }
}

}  // namespace quorvel
