#pragma once

#include <iosfwd>
#include <string>
#include <vector>

class CClock;

// What a command of the command-line tool works with.
struct CCliContext {
    const CClock& clock;
    std::istream& in;
    std::ostream& out;
    std::ostream& err;                  // notes that do not end the command
    std::vector<std::string> arguments; // the command's own arguments, after its name
};
