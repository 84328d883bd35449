#include "common/regularfile.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace enalotto {

int openRegularFile(const QString &name)
{
    const QByteArray path = QFile::encodeName(name);
    int fd = -1;
    do {
        // Non-blocking, so that opening a pipe with no writer returns at once; the flag
        // changes nothing for a regular file.
        fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return -1;
    struct stat info
    {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

std::optional<QByteArray> readRegularFile(const QString &name, qint64 maxBytes)
{
    const int fd = openRegularFile(name);
    if (fd < 0)
        return std::nullopt;
    QByteArray bytes;
    char buffer[4096];
    bool ok = true;
    while (bytes.size() < maxBytes) {
        const qint64 want = std::min<qint64>(qint64(sizeof buffer), maxBytes - bytes.size());
        const ssize_t n = ::read(fd, buffer, size_t(want));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            ok = false;
        if (n <= 0)
            break;
        bytes.append(buffer, qsizetype(n));
    }
    ::close(fd);
    if (!ok)
        return std::nullopt;
    return bytes;
}

} // namespace enalotto
