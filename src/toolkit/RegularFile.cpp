#include "toolkit/RegularFile.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

std::optional<QByteArray> readRegularFile(const QString &path, qint64 maxBytes)
{
    // Non-blocking, so that a pipe with no writer does not hold the open;
    // what was opened is then looked at, not what the name led to before.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    std::optional<QByteArray> bytes;
    struct stat status;
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_size <= maxBytes) {
        QByteArray data(qsizetype(status.st_size), Qt::Uninitialized);
        qsizetype done = 0;
        while (done < data.size()) {
            const ssize_t n = ::read(fd, data.data() + done, size_t(data.size() - done));
            if (n <= 0)
                break;
            done += n;
        }
        // A file that shrank while it was read gives what it held.
        data.truncate(done);
        bytes = data;
    }
    ::close(fd);
    return bytes;
}
