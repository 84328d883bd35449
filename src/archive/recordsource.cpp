#include "archive/recordsource.h"

#include "common/regularfile.h"

#include <QIODevice>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace enalotto {

qint64 DeviceSource::size()
{
    return m_device.size();
}

bool DeviceSource::readAt(qint64 position, char *buffer, qint64 length)
{
    return m_device.seek(position) && m_device.read(buffer, length) == length;
}

ArchiveFile::~ArchiveFile()
{
    close();
}

bool ArchiveFile::open(const QString &name)
{
    close();
    m_fd = openRegularFile(name);
    return m_fd >= 0;
}

void ArchiveFile::close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

qint64 ArchiveFile::size()
{
    struct stat info
    {};
    // A folder or a device named "se" is no archive.
    if (m_fd < 0 || ::fstat(m_fd, &info) != 0 || !S_ISREG(info.st_mode))
        return -1;
    return qint64(info.st_size);
}

bool ArchiveFile::readAt(qint64 position, char *buffer, qint64 length)
{
    if (m_fd < 0 || position < 0)
        return false;
    qint64 done = 0;
    while (done < length) {
        const ssize_t n =
            ::pread(m_fd, buffer + done, size_t(length - done), off_t(position + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false; // an error, or the file ends before the record does
        done += n;
    }
    return true;
}

} // namespace enalotto
