#pragma once

#include <vector>

#include "ui/common/CommandInfo.h"

// Every command of the program, as the features that own them describe them:
// the document commands, the inventory window's, the Classification Yard's, the
// main frame's and the application's.
std::vector<CCommandInfo> ProgramCommands();
