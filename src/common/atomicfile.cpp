#include "common/atomicfile.h"

#include <QSaveFile>

namespace enalotto {

bool replaceFile(const QString &name, const QByteArray &bytes)
{
    QSaveFile file(name);
    // Unbuffered, so that a short write (disk full, size limit) shows here: a buffered one
    // is flushed inside commit(), which does not notice that only part of it reached the disk.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace enalotto
