#pragma once
// What observation and the quiz share: the beat, reading the question row
// under the table cursor, and covering every board.

namespace quorvel {

inline constexpr int pointWaitMs = 300;  // after each lit point

// Sets currentNumberText, currentNumber, currentSequenceText and
// rowCountText from the row under the table cursor and the row count.
void readCursorRow();

// coverAndNumber on every question board, with currentNumber as the running
// board number; it ends at the board count plus 1.
void coverAndNumberEveryBoard();

}  // namespace quorvel
