#pragma once

// Counts the library's live objects and server locks, which DllCanUnloadNow
// reports.
namespace dotwerk::library {

void objectCreated();
void objectDestroyed();
void lockServer(bool lock);
bool inUse();

}  // namespace dotwerk::library
