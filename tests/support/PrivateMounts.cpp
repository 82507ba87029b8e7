#include "support/PrivateMounts.h"

#include <QFile>
#include <QStringList>

#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

namespace {
bool g_entered = false;
QStringList g_mounted;

bool writeProc(const char *path, const QByteArray &text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

bool mounted(const QString &folder, bool done)
{
    if (done)
        g_mounted << folder;
    return done;
}
}

bool PrivateMounts::enter()
{
    const uid_t uid = geteuid();
    const gid_t gid = getegid();
    if (uid == 0) {
        if (unshare(CLONE_NEWNS) != 0)
            return false;
    } else if (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0 || !writeProc("/proc/self/setgroups", "deny")
               || !writeProc("/proc/self/uid_map", "0 " + QByteArray::number(uid) + " 1")
               || !writeProc("/proc/self/gid_map", "0 " + QByteArray::number(gid) + " 1")) {
        return false;
    }
    // Nothing mounted from here on reaches the rest of the machine.
    g_entered = mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    return g_entered;
}

bool PrivateMounts::available() { return g_entered; }

bool PrivateMounts::mountTmpfs(const QString &folder, qint64 bytes)
{
    const QByteArray options = "size=" + QByteArray::number(bytes);
    return mounted(folder, g_entered && mount("tmpfs", QFile::encodeName(folder), "tmpfs", 0, options) == 0);
}

bool PrivateMounts::makeReadOnly(const QString &folder)
{
    const QByteArray path = QFile::encodeName(folder);
    if (!mounted(folder, g_entered && mount(path, path, nullptr, MS_BIND, nullptr) == 0))
        return false;
    return mount(nullptr, path, nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0;
}

void PrivateMounts::unmountAll()
{
    while (!g_mounted.isEmpty())
        umount2(QFile::encodeName(g_mounted.takeLast()), MNT_DETACH);
}
