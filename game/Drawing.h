#pragma once
// Board geometry and the four drawing routines every phase draws through.

#include "ui/Toolkit.h"

#include <optional>

namespace quorvel {

struct Point2 {
    int x;
    int y;
    bool operator==(const Point2&) const = default;
};

inline constexpr int boardSize = 150;
inline constexpr int markerSize = 15;
inline constexpr Point2 numberOrigin{70, 70};

// Top-left corner of point k's 15 x 15 marker square, k in 1..16 numbered row
// by row; nothing for any other k. The offsets 0, 43, 91, 135 are uneven on
// purpose: they put each marker on a crossing of the grid picture as drawn.
std::optional<Point2> pointOrigin(int k);

void drawCover(BoardHandle board);
void lightPoint(BoardHandle board, int point);
void writeNumber(BoardHandle board, int number);
void coverAndNumber(BoardHandle board, int number);

}  // namespace quorvel
