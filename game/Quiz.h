#pragma once

namespace quorvel {

// Covers every board and secretly picks one question, uniformly.
void pickRandomQuestion();
// Plays the picked question on 画板1, one point every 300 ms.
void watchOnce();
// Shows the right number and every question's whole pattern, at once.
void verifyAnswer();
// Plays the picked row on 画板1: "2" watch (timed), "1" reveal (all at once).
void playChosenOnMainBoard();
// Draws the pattern of the row after the table cursor on its own board, then
// goes on with the next row until the last one is done.
void revealAllPatterns();

}  // namespace quorvel
