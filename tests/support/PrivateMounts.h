#pragma once
#include <QString>

// Mounts only this test process sees, to give a test's home a disk of its
// own: a tiny file system that fills up, a folder that is read-only even for
// root (for whom file permissions change nothing). enter() runs first thing
// in main(), while the process has one thread: as root it takes a mount
// namespace of its own, otherwise a user namespace too, where the kernel
// allows that. Without it the other calls fail.
namespace PrivateMounts {
bool enter();
bool available();
// A tmpfs of `bytes` over `folder`.
bool mountTmpfs(const QString &folder, qint64 bytes);
// `folder` becomes read-only, for reads and writes alike.
bool makeReadOnly(const QString &folder);
// Undoes every mount made, the latest first.
void unmountAll();
}
