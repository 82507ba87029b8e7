#pragma once
#include <QByteArray>

// What a property list read from an old file may hold before libplist is
// let near it. libplist builds every node it meets on the stack of its own
// recursion and copies what a binary list shares, so a file nested a
// million deep overflows the stack and one whose objects refer to each
// other twice over fills the memory: both are turned away here, by a look
// at the structure alone, without building anything.
namespace PropertyListCheck {

struct Limits {
    qsizetype maxBytes = 256 * 1024 * 1024;
    // Nodes and payload bytes as libplist would build them, shared objects
    // counted once per use.
    qsizetype maxNodes = 500'000;
    qsizetype maxPayloadBytes = 512 * 1024 * 1024;
    int maxDepth = 32;
};

// True for a binary ("bplist00") list whose every reachable object is well
// formed, refers only to objects that exist, and stays within the limits
// without a cycle; or for any other bytes (read as XML) whose elements stay
// within the node count and the depth.
bool withinLimits(const QByteArray &bytes, const Limits &limits);

}
