#pragma once
// The one program-wide game record. Every handler reads and writes it
// directly; a playback paused in a wait re-reads it afterwards, because the
// handlers run inside the wait may have changed any field.

#include "ui/Toolkit.h"

#include <string>
#include <vector>

namespace quorvel {

struct GameState {
    std::vector<BoardHandle> questionBoards;  // element i-1 is question i's board
    PictureHandle coverImage;
    PictureHandle markerImage;
    std::string currentNumberText;
    int currentNumber = 0;
    std::string currentSequenceText;
    std::string rowCountText;
    int stepCounter = 0;
    int currentPoint = 0;
    int observing = 0;
    std::string observeModeText;
    int chosenIndex = 0;
    std::string replayKind;
    std::string replayModeText;
    int answerNumber = 0;

    // Used by set-up alone.
    int rowCounter = 0;
    struct {
        int x = 0;
        int y = 0;
    } nextBoardPos;
    int sequenceLength = 0;
    std::vector<std::string> pointPool;
    int pickedIndex = 0;
    int newRowIndex = 0;
    int boardCounter = 0;
    int questionCounter = 0;
};

extern GameState gameState;

// Frees what the record holds; handed to the exit routines at start-up.
void releaseGameState();

// Question n's board (1-based), or a handle naming no board when n is out of
// range, so that no caller can index outside questionBoards.
BoardHandle questionBoard(int n);
bool isQuestionBoard(int n);

}  // namespace quorvel
