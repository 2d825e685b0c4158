#include "game/GameState.h"

namespace quorvel {

GameState gameState;

void releaseGameState()
{
    gameState = GameState{};
    gameState.questionBoards.shrink_to_fit();
    gameState.pointPool.shrink_to_fit();
}

bool isQuestionBoard(int n)
{
    return n >= 1 && n <= static_cast<int>(gameState.questionBoards.size());
}

BoardHandle questionBoard(int n)
{
    return isQuestionBoard(n) ? gameState.questionBoards[static_cast<std::size_t>(n - 1)] : BoardHandle{};
}

}  // namespace quorvel
