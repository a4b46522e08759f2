#pragma once

// glyphon-cli ends cleanly when interrupted (SIGINT, SIGTERM, SIGHUP): the
// signals are blocked in every thread and taken by a thread of their own,
// which removes the program's unfinished temporary files and scratch
// folders (bitmap::removeUnfinishedTemporaryFiles) and then ends the
// program by the same signal, so that whoever started it sees how it ended.
// A signal the program was started with ignored stays ignored. SIGPIPE is
// ignored: writing to a reader that went away fails, and the run ends as
// it would otherwise, with its temporary files removed.
namespace cli {

// Call once, first thing in main, before any other thread exists.
void cleanUpOnInterrupt();

}  // namespace cli
