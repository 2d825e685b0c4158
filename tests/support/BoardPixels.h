#pragma once
// Reading what a board shows, the way a player would judge it.

#include <QImage>
#include <vector>

namespace quorvel::test {

// Is point k's marker drawn? Judged by the red at the marker's centre.
bool isLit(const QImage& board, int point);
// All lit points, ascending.
std::vector<int> litPoints(const QImage& board);
// Is there dark text ink where a board's number is written?
bool showsNumber(const QImage& board);
bool isRed(QRgb pixel);

}  // namespace quorvel::test
