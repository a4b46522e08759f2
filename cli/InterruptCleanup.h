#pragma once

// glyphon-cli ends cleanly when interrupted (SIGINT, SIGTERM, SIGHUP): once
// the program has made its first temporary file or scratch folder, an
// interrupt wakes a thread of its own, which removes the unfinished
// temporary files and scratch folders (bitmap::removeUnfinishedTemporaryFiles)
// and then ends the program by the same signal, so that whoever started it
// sees how it ended. Before that there is nothing to remove, and the signal
// ends the program at once. A signal the program was started with ignored
// stays ignored. SIGPIPE is ignored: writing to a reader that went away
// fails, and the run ends as it would otherwise, with its temporary files
// removed.
namespace cli {

// Call once, first thing in main, before any other thread exists.
void cleanUpOnInterrupt();

}  // namespace cli
