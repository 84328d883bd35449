// JSON exports of draws on arbitrary bytes: the table they become has a header row and rows
// as long as it, and the draws read from them are valid.
#include "archive/drawfile.h"
#include "archive/drawjson.h"

using namespace enalotto;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QString error;
    if (const std::optional<DelimitedTable> table = jsonTable(bytes, error)) {
        if (table->rows.isEmpty() || !error.isEmpty())
            __builtin_trap();
        for (const TextRow &row : table->rows) {
            if (row.fields.size() != table->rows.first().fields.size())
                __builtin_trap();
        }
    } else if (error.isEmpty()) {
        __builtin_trap();
    }
    const QDate today(2026, 12, 7);
    for (const FileRow &row : readDrawFile(bytes, today).rows) {
        if (row.draw && !validateDraw(*row.draw, today).isEmpty())
            __builtin_trap();
    }
    return 0;
}
