#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace cli {

// Runs glyphon-cli with the process's arguments; returns the exit status.
int run(int argc, char** argv);

// The same with the arguments after the program name and the two streams.
int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace cli
