#include "game/Drawing.h"

#include "game/GameState.h"
#include "ui/Values.h"

namespace quorvel {

std::optional<Point2> pointOrigin(int k)
{
    static constexpr int offsets[4] = {0, 43, 91, 135};
    if (k < 1 || k > 16)
        return std::nullopt;
    return Point2{offsets[(k - 1) % 4], offsets[(k - 1) / 4]};
}

void drawCover(BoardHandle board)
{
    tk::drawPicture(board, gameState.coverImage, 0, 0, boardSize, boardSize);
}

void lightPoint(BoardHandle board, int point)
{
    if (const auto origin = pointOrigin(point))
        tk::drawPicture(board, gameState.markerImage, origin->x, origin->y, markerSize, markerSize);
}

void writeNumber(BoardHandle board, int number)
{
    tk::writeText(board, numberOrigin.x, numberOrigin.y, toText(number));
}

void coverAndNumber(BoardHandle board, int number)
{
    drawCover(board);
    writeNumber(board, number);
}

}  // namespace quorvel
