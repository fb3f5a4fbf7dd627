#include "results/csv_export.h"

#include "model/number_text.h"
#include "model/text_file.h"

std::optional<QStringList> Csv_Export_Lines(const NodeTable& nodes, const ResultSet& results, const Export_Units& units)
{
    const std::optional<std::vector<Export_Row>> rows = Export_Table_Rows(nodes, results, units);
    if (!rows)
        return std::nullopt;
    const QString separator = QStringLiteral(",");
    QStringList lines{Export_Headers().join(separator), Export_Unit_Row(units).join(separator)};
    lines.reserve(lines.size() + static_cast<qsizetype>(rows->size()));
    for (const Export_Row& row : *rows) {
        QStringList fields;
        fields.reserve(Export_Columns);
        for (const double value : row)
            fields.append(Decimal_Text(value));
        fields.front().prepend(QLatin1Char(' '));
        lines.append(fields.join(separator));
    }
    return lines;
}

Csv_Export_Outcome ExportResultsToCsv(const QString& path, const NodeTable& nodes, const ResultSet& results,
                                      const Export_Units& units)
{
    const std::optional<QStringList> lines = Csv_Export_Lines(nodes, results, units);
    if (!lines || !Write_Text_Lines(path, *lines).isEmpty())
        return {false, Export_Failed_Message};
    return {true, Csv_Saved_Message};
}
