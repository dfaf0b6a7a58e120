#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// Runs the command-line tool on its arguments (without the program name) and
// returns the exit status: 0, 2 for a file that could not be loaded or saved
// or output that out could not take in full (the program's message goes to
// err), 64 for a usage error. out is flushed before a 0 is returned.
int RunCommandLine(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
                   std::ostream& err);
