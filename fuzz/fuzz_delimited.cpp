// The reader of downloaded text files of draws on arbitrary bytes: the table, the layout it
// recognises, and the draws it reads, which must all be valid and in date order.
#include "archive/delimitedtext.h"
#include "archive/drawfile.h"

using namespace enalotto;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const DelimitedTable table = splitDelimited(decodeText(bytes));
    int previous = 0;
    for (const TextRow &row : table.rows) {
        if (row.line <= previous || row.fields.isEmpty())
            __builtin_trap();
        previous = row.line;
    }
    const QDate today(2026, 12, 7);
    const DrawFile file = readDrawFile(bytes, today);
    if (!file.error.isEmpty() && !file.rows.isEmpty())
        __builtin_trap();
    for (const FileRow &row : file.rows) {
        if (row.draw ? !validateDraw(*row.draw, today).isEmpty() : row.problem.isEmpty())
            __builtin_trap();
    }
    if (file.error.isEmpty())
        (void)file.layout.describe();
    return 0;
}
