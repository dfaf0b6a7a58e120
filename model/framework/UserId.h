#pragma once

#include <string>

namespace framework {

// The numeric id of the user running the program, in decimal digits, as the system
// knows it (not as the environment claims it).
std::string CurrentUserId();

} // namespace framework
