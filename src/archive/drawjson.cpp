#include "archive/drawjson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace enalotto {
namespace {

// The first array of objects: the document itself, or a member of it, one level down.
QJsonArray drawArray(const QJsonDocument &doc)
{
    if (doc.isArray())
        return doc.array();
    const QJsonObject root = doc.object();
    for (auto it = root.begin(); it != root.end(); ++it) {
        if (it->isArray() && !it->toArray().isEmpty() && it->toArray().first().isObject())
            return it->toArray();
    }
    return {};
}

QString fieldText(const QJsonValue &value)
{
    if (value.isDouble())
        return QString::number(value.toDouble(), 'g', 12);
    if (value.isString())
        return value.toString();
    return QString(); // null, missing, a boolean or an object: nothing usable
}

bool isNumbersArray(const QJsonValue &value)
{
    return value.isArray() && value.toArray().size() >= 6;
}

} // namespace

std::optional<DelimitedTable> jsonTable(const QByteArray &bytes, QString &error)
{
    QJsonParseError parse;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &parse);
    if (doc.isNull()) {
        error = QStringLiteral("il JSON non è leggibile (%1, al carattere %2)")
                    .arg(parse.errorString())
                    .arg(parse.offset);
        return std::nullopt;
    }
    const QJsonArray draws = drawArray(doc);
    if (draws.isEmpty() || !draws.first().isObject()) {
        error = QStringLiteral("il JSON non contiene un elenco di estrazioni");
        return std::nullopt;
    }
    // The header: the first object's keys in order, an array of numbers as n1 ... n6.
    const QJsonObject first = draws.first().toObject();
    QStringList keys = first.keys();
    QStringList header;
    for (const QString &key : keys) {
        if (isNumbersArray(first.value(key))) {
            for (int k = 1; k <= 6; ++k)
                header << QStringLiteral("n%1").arg(k);
        } else {
            header << key;
        }
    }
    DelimitedTable table;
    table.separator = u',';
    table.rows.append({0, header});
    for (qsizetype i = 0; i < draws.size(); ++i) {
        const QJsonObject object = draws[i].toObject();
        QStringList fields;
        for (const QString &key : keys) {
            const QJsonValue value = object.value(key);
            if (isNumbersArray(first.value(key))) {
                const QJsonArray numbers = value.toArray();
                for (int k = 0; k < 6; ++k)
                    fields << fieldText(numbers.at(k));
            } else {
                fields << fieldText(value);
            }
        }
        table.rows.append({int(i) + 1, fields});
    }
    return table;
}

} // namespace enalotto
