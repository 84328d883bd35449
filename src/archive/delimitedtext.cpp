#include "archive/delimitedtext.h"

#include "common/codepage.h"

#include <QStringDecoder>
#include <algorithm>

namespace enalotto {
namespace {

// How many of the first lines a separator is judged on.
constexpr int SampleLines = 20;

QStringList splitLine(const QString &line, QChar separator)
{
    QStringList fields;
    for (QString field : line.split(separator)) {
        field = field.trimmed();
        if (field.size() >= 2 && field.startsWith(u'"') && field.endsWith(u'"'))
            field = field.mid(1, field.size() - 2).trimmed();
        fields << field;
    }
    return fields;
}

// A separator's score over the sample: the number of fields of the lines it cuts into the
// same count as most of them, so that a stray comma in a semicolon file does not win.
int score(const QStringList &sample, QChar separator)
{
    QVector<int> counts;
    for (const QString &line : sample)
        counts << int(line.count(separator)) + 1;
    if (counts.isEmpty())
        return 0;
    std::sort(counts.begin(), counts.end());
    const int typical = counts[counts.size() / 2];
    if (typical < 2)
        return 0;
    return typical * int(std::count(counts.begin(), counts.end(), typical));
}

} // namespace

QString decodeText(const QByteArray &bytes)
{
    QByteArray body = bytes;
    if (body.startsWith("\xEF\xBB\xBF"))
        body.remove(0, 3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(body);
    if (!utf8.hasError())
        return text;
    return fromWindows1252(body);
}

DelimitedTable splitDelimited(const QString &text)
{
    QString unified = text;
    unified.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    const QStringList lines = unified.split(u'\n');

    QStringList sample;
    for (const QString &line : lines) {
        if (!line.trimmed().isEmpty())
            sample << line;
        if (sample.size() == SampleLines)
            break;
    }
    DelimitedTable table;
    table.separator = u';';
    int best = 0;
    for (const QChar candidate : {QChar(u';'), QChar(u'\t'), QChar(u',')}) {
        if (const int s = score(sample, candidate); s > best) {
            best = s;
            table.separator = candidate;
        }
    }
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].trimmed().isEmpty())
            continue;
        table.rows.append({int(i) + 1, splitLine(lines[i], table.separator)});
    }
    return table;
}

QString separatorName(QChar separator)
{
    if (separator == u';')
        return QStringLiteral("punto e virgola");
    if (separator == u'\t')
        return QStringLiteral("tabulazione");
    return QStringLiteral("virgola");
}

} // namespace enalotto
