#pragma once

namespace cli {

// Runs glyphon-cli with the process's arguments; returns the exit status.
int run(int argc, char** argv);

}  // namespace cli
