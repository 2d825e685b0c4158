#pragma once

namespace quorvel {

// Throws the previous game away and builds a new one: one numbered board and
// one random point sequence per question, for the count 组合框1 shows.
// Never waits, but may itself run inside a paused playback's wait.
void startGame();

}  // namespace quorvel
