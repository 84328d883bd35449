#include "archive/drawfile.h"

#include "archive/drawjson.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace enalotto {
namespace {

// One row read with a layout: a draw, or why it is not one.
struct RowRead
{
    std::optional<NewDraw> draw;
    QString problem;
};

// A whole number field; why not, naming the column, when it is not one.
std::optional<int> numberField(const QString &text, const QString &column, QString &problem)
{
    if (text.isEmpty()) {
        problem = column + QStringLiteral(" vuoto");
        return std::nullopt;
    }
    bool ok = false;
    const double value = text.toDouble(&ok);
    // Far outside 1-90, or with a fraction (a NaN too): not a draw's number.
    if (!ok || !(value >= -1000 && value <= 1000) || value != std::floor(value)) {
        problem = QStringLiteral("%1 \"%2\" non è un numero").arg(column, text);
        return std::nullopt;
    }
    return int(value);
}

RowRead readRow(const QStringList &fields, const DrawLayout &layout, const QDate &today)
{
    RowRead read;
    const int needed = layout.fieldsNeeded();
    if (fields.size() < std::min(needed, layout.jollyColumn + 1)) {
        read.problem =
            QStringLiteral("servono %1 colonne, ne ho lette %2").arg(needed).arg(fields.size());
        return read;
    }
    const QString dateText = fields.value(layout.dateColumn);
    const DateField date = readDateField(dateText, layout.dateOrder);
    if (date.problem != DateField::Problem::None) {
        read.problem = dateProblemText(date, dateText);
        return read;
    }
    NewDraw draw;
    draw.date = date.date;
    for (size_t k = 0; k < 6; ++k) {
        const std::optional<int> n =
            numberField(fields.value(layout.numberColumns[k]),
                        QStringLiteral("numero %1").arg(k + 1), read.problem);
        if (!n)
            return read;
        draw.numbers[k] = *n;
    }
    const std::optional<int> jolly =
        numberField(fields.value(layout.jollyColumn), QStringLiteral("Jolly"), read.problem);
    if (!jolly)
        return read;
    draw.jolly = *jolly;
    if (layout.superStarColumn >= 0) {
        const QString text = fields.value(layout.superStarColumn);
        if (!text.isEmpty() || draw.date >= SuperStarStart) {
            const std::optional<int> s =
                numberField(text, QStringLiteral("SuperStar"), read.problem);
            if (!s)
                return read;
            draw.superStar = *s;
        }
    }
    if (const QString problem = validateDraw(draw, today); !problem.isEmpty()) {
        read.problem = problem;
        return read;
    }
    read.draw = draw;
    return read;
}

} // namespace

DrawFile readDrawFile(const QByteArray &bytes, const QDate &today)
{
    DrawFile file;
    DelimitedTable table;
    const QByteArray start = bytes.trimmed().left(1);
    bool fromHeader = false;
    if (start == "[" || start == "{") {
        const std::optional<DelimitedTable> json = jsonTable(bytes, file.error);
        if (!json)
            return file;
        table = *json;
    } else {
        table = splitDelimited(decodeText(bytes));
    }
    if (table.rows.isEmpty()) {
        file.error = QStringLiteral("il file è vuoto");
        return file;
    }
    QString headerError;
    if (std::optional<DrawLayout> header =
            layoutFromHeader(table.rows.first().fields, headerError)) {
        if (!headerError.isEmpty()) {
            file.error = headerError;
            return file;
        }
        file.layout = *header;
        if (start == "[" || start == "{")
            file.layout.source = DrawLayout::Source::Json;
        table.rows.removeFirst();
        fromHeader = true;
    } else if (std::optional<DrawLayout> guessed = layoutFromRows(table.rows)) {
        file.layout = *guessed;
    } else {
        file.error =
            QStringLiteral("nessuna riga si legge come un'estrazione: ") + layoutsUnderstood();
        return file;
    }
    file.layout.separator = table.separator;
    if (fromHeader)
        settleDateOrder(file.layout, table.rows);

    // Newest first in the file: read it from the end, so that the rows come oldest first.
    for (const TextRow &row : table.rows) {
        RowRead read = readRow(row.fields, file.layout, today);
        file.rows.append({row.line, read.draw, read.problem});
    }
    if (file.rows.isEmpty()) {
        file.error = QStringLiteral("il file ha l'intestazione ma nessuna estrazione");
        return file;
    }
    const auto usable = [](const FileRow &r) {
        return r.draw.has_value();
    };
    const auto first = std::find_if(file.rows.begin(), file.rows.end(), usable);
    if (first == file.rows.end()) {
        file.error =
            QStringLiteral("nessuna riga si legge come un'estrazione (%1: %2); ")
                .arg(file.layout.rowName(file.rows.first().row), file.rows.first().problem) +
            layoutsUnderstood();
        file.rows.clear();
        return file;
    }
    const auto last = std::find_if(file.rows.rbegin(), file.rows.rend(), usable);
    if (first->draw->date > last->draw->date)
        std::reverse(file.rows.begin(), file.rows.end());
    return file;
}

} // namespace enalotto
