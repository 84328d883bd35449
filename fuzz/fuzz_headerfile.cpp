// The "13" reader on arbitrary bytes, and the write format read back.
#include "header/headerfile.h"

using namespace enalotto;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<QStringList> fields = parseHeaderFile(bytes);
    if (!fields)
        return 0;
    if (fields->size() != 3)
        __builtin_trap();
    for (const QString &f : *fields) {
        if (f.size() > HeaderLineLimit)
            __builtin_trap();
    }
    // What the program writes for three lines without quotes reads back the same.
    QStringList lines = *fields;
    for (QString &l : lines)
        l.remove(u'"');
    const std::optional<QStringList> again = parseHeaderFile(headerFileBytes(lines));
    if (!again)
        __builtin_trap();
    for (int i = 0; i < 3; ++i) {
        // Leading blanks and line ends inside a field are the format's own limits.
        if (!lines[i].contains(u'\r') && !lines[i].contains(u'\n') && again->at(i) != lines[i])
            __builtin_trap();
    }
    return 0;
}
