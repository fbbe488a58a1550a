#pragma once

#include <optional>

// Answers --help and --version, and refuses options Kelmo does not know,
// before any window or display connection exists. Gives the exit status
// when the program is to end here (0 after an answer, 2 after a wrong
// option), nothing when the game is to start. The options common to Qt
// programs (-platform, -style and the like) pass through to Qt.
std::optional<int> answerCommandLine(int argc, char *argv[]);
