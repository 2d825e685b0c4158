#include "tests/support/BoardPixels.h"

#include "game/Drawing.h"

namespace quorvel::test {

bool isRed(QRgb pixel)
{
    return qRed(pixel) > 200 && qGreen(pixel) < 80 && qBlue(pixel) < 80;
}

bool isLit(const QImage& board, int point)
{
    const auto origin = pointOrigin(point);
    if (!origin)
        return false;
    const qreal dpr = board.devicePixelRatio();
    return isRed(board.pixel(int((origin->x + 7) * dpr), int((origin->y + 7) * dpr)));
}

std::vector<int> litPoints(const QImage& board)
{
    std::vector<int> lit;
    for (int k = 1; k <= 16; ++k)
        if (isLit(board, k))
            lit.push_back(k);
    return lit;
}

bool showsNumber(const QImage& board)
{
    // Between the grid lines near 50 and 98, right of and below (70, 70).
    const qreal dpr = board.devicePixelRatio();
    int dark = 0;
    for (int y = 70; y < 92; ++y)
        for (int x = 70; x < 92; ++x)
            if (qGray(board.pixel(int(x * dpr), int(y * dpr))) < 110)
                ++dark;
    return dark >= 6;
}

}  // namespace quorvel::test
