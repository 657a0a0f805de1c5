#include "JsonTable.h"

#include "TableColumns.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace mobwright {
namespace {

bool IsNumericColumn(const QString &name)
{
    const Column *column = FindColumn(name);
    return column && column->isNumeric();
}

QJsonValue ToJson(const QString &name, const QString &cell)
{
    return IsNumericColumn(name) ? QJsonValue(cell.toDouble()) : QJsonValue(cell);
}

// A number is given back in the decimal an export writes; anything but a
// whole number where a number belongs is refused.
std::optional<QString> CellFromJson(const QString &name, const QJsonValue &value)
{
    if (IsNumericColumn(name)) {
        const double number = value.toDouble(0.5);
        if (!value.isDouble() || number != static_cast<double>(static_cast<qint64>(number)))
            return std::nullopt;
        return QString::number(static_cast<qint64>(number));
    }
    if (!value.isString())
        return std::nullopt;
    return value.toString();
}

Refusal FileRefusal(const QString &why)
{
    return {.accepted = why.toStdString()};
}

QString TypeName(const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::Null:
        return QStringLiteral("null");
    case QJsonValue::Bool:
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QJsonValue::Double:
        return QString::number(value.toDouble());
    case QJsonValue::String:
        return value.toString();
    default:
        return QStringLiteral("an array or object");
    }
}

} // namespace

QByteArray WriteJson(const TextTable &table)
{
    QJsonArray rows;
    for (const QStringList &row : table.rows) {
        QJsonObject object;
        for (qsizetype i = 0; i < table.header.size(); ++i)
            object.insert(table.header[i], ToJson(table.header[i], row[i]));
        rows.append(object);
    }
    return QJsonDocument(rows).toJson(QJsonDocument::Indented);
}

TableRead ReadJson(const QByteArray &bytes)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        return FileRefusal(QStringLiteral("not well-formed JSON at character %1 (%2)")
                               .arg(error.offset)
                               .arg(error.errorString()));
    if (!document.isArray())
        return FileRefusal(QStringLiteral("not a JSON array of objects, one per enemy"));

    TextTable table;
    table.firstRowNumber = 1;
    const QJsonArray rows = document.array();
    for (qsizetype r = 0; r < rows.size(); ++r) {
        const int rowNumber = static_cast<int>(r) + 1;
        if (!rows[r].isObject())
            return Refusal{.row = rowNumber, .accepted = "not a JSON object"};
        const QJsonObject object = rows[r].toObject();
        QStringList cells(table.header.size());
        for (auto it = object.begin(); it != object.end(); ++it) {
            const std::optional<QString> cell = CellFromJson(it.key(), it.value());
            if (!cell)
                return Refusal{.row = rowNumber,
                               .column = it.key().toStdString(),
                               .text = TypeName(it.value()).toStdString(),
                               .accepted = IsNumericColumn(it.key()) ? "a JSON number"
                                                                     : "a JSON string"};
            qsizetype column = table.header.indexOf(it.key());
            if (column < 0) {
                table.header.append(it.key());
                cells.append(QString());
                column = table.header.size() - 1;
            }
            cells[column] = *cell;
        }
        table.rows.push_back(std::move(cells));
    }
    for (QStringList &row : table.rows)
        row.resize(table.header.size());
    return table;
}

} // namespace mobwright
