#pragma once

#include <QString>
#include <QtGlobal>

class QIODevice;

namespace enalotto {

// Where archive records are read from: positioned reads, nothing kept between them.
class RecordSource
{
public:
    virtual ~RecordSource() = default;
    [[nodiscard]] virtual qint64 size() = 0; // bytes, or -1 when unknown
    // Reads exactly `length` bytes at `position`; false when they cannot all be read.
    [[nodiscard]] virtual bool readAt(qint64 position, char *buffer, qint64 length) = 0;
};

// Any open QIODevice (a QBuffer in the tests, a QFile).
class DeviceSource : public RecordSource
{
public:
    explicit DeviceSource(QIODevice &device) : m_device(device) {}
    qint64 size() override;
    bool readAt(qint64 position, char *buffer, qint64 length) override;

private:
    QIODevice &m_device;
};

// The archive file itself, opened read-only by name and closed when this goes away. One
// scroll step is one open, one positioned read and one close, with no buffering between.
class ArchiveFile : public RecordSource
{
public:
    ArchiveFile() = default;
    ~ArchiveFile() override;
    ArchiveFile(const ArchiveFile &) = delete;
    ArchiveFile &operator=(const ArchiveFile &) = delete;

    [[nodiscard]] bool open(const QString &name);
    void close();
    qint64 size() override;
    bool readAt(qint64 position, char *buffer, qint64 length) override;

private:
    int m_fd = -1;
};

} // namespace enalotto
