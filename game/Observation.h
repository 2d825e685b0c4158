#pragma once

namespace quorvel {

// Covers and numbers every board, then plays question 1 at once.
void startObserving();
// Plays the question after the table cursor's row on its own board, one
// point every 300 ms, then arms the 500 ms gap to the next question.
void observeTick();
// Stops the timer; a tick paused in a wait ends after its current point.
void stopObserving();

}  // namespace quorvel
