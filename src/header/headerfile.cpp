#include "header/headerfile.h"

#include "common/atomicfile.h"
#include "common/codepage.h"
#include "common/regularfile.h"

namespace enalotto {

namespace {

// A header file is three short lines; anything far larger is not one, and reading it whole
// would only waste memory.
constexpr qint64 MaxHeaderFileBytes = 64 * 1024;

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

// Steps over one delimiter (comma, CR LF, CR or LF) at position i.
qsizetype skipDelimiter(const QByteArray &bytes, qsizetype i)
{
    if (i >= bytes.size())
        return i;
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
        return i + 2;
    return i + 1;
}

} // namespace

std::optional<QStringList> parseHeaderFile(const QByteArray &bytes)
{
    QStringList fields;
    qsizetype i = 0;
    const qsizetype n = bytes.size();
    while (fields.size() < 3) {
        while (i < n && (bytes[i] == ' ' || bytes[i] == '\t'))
            ++i;
        if (i >= n)
            return std::nullopt;
        QByteArray field;
        if (bytes[i] == '"') {
            const qsizetype start = ++i;
            qsizetype close = -1;
            for (qsizetype q = start; q < n; ++q) {
                if (bytes[q] != '"')
                    continue;
                qsizetype after = q + 1;
                while (after < n && (bytes[after] == ' ' || bytes[after] == '\t'))
                    ++after;
                if (after >= n || bytes[after] == ',' || isLineEnd(bytes[after])) {
                    close = q;
                    i = after;
                    break;
                }
            }
            if (close < 0) { // no closing quote: the field runs to the end of the file
                field = bytes.mid(start);
                i = n;
            } else {
                field = bytes.mid(start, close - start);
            }
        } else {
            const qsizetype start = i;
            while (i < n && bytes[i] != ',' && !isLineEnd(bytes[i]))
                ++i;
            field = bytes.mid(start, i - start);
        }
        i = skipDelimiter(bytes, i);
        fields.append(fromWindows1252(field).left(HeaderLineLimit));
    }
    return fields;
}

QByteArray headerFileBytes(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += '"' + toWindows1252(line) + "\"\r\n";
    return bytes;
}

std::optional<QStringList> readHeaderFile()
{
    const std::optional<QByteArray> bytes =
        readRegularFile(QString::fromLatin1(HeaderFileName), MaxHeaderFileBytes);
    if (!bytes)
        return std::nullopt;
    return parseHeaderFile(*bytes);
}

bool writeHeaderFile(const QStringList &lines)
{
    return replaceFile(QString::fromLatin1(HeaderFileName), headerFileBytes(lines));
}

} // namespace enalotto
