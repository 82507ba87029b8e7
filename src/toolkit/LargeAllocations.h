#pragma once

// Pictures of several megabytes come and go: a photo waiting for its PNG to
// be stored, a comic rendered for a save. Once one was freed, the C library
// would keep such blocks in the process's heap for reuse, so a burst of
// photos left its whole size resident. Blocks of 4 MB and more are mapped
// on their own instead, and go back to the system when freed.
namespace LargeAllocations {
void returnToSystemWhenFreed();
}
