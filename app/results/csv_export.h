#pragma once

#include <QString>
#include <QStringList>

#include <optional>

#include "results/export_table.h"

// The CSV export: header row, unit row and one row per node, fields joined by "," without
// quotes, every number in its decimal text, the node number after one space.

inline const QString Csv_Saved_Message = QStringLiteral("保存しました。");
inline const QString Export_Failed_Message = QStringLiteral("エラーにより正常に出力が出来なかった可能性があります。");

// The lines of the file, or nothing when there are no results for the mesh.
std::optional<QStringList> Csv_Export_Lines(const NodeTable& nodes, const ResultSet& results, const Export_Units& units);

struct Csv_Export_Outcome {
    bool ok = false;
    QString message;  // Csv_Saved_Message, or Export_Failed_Message
};

// Writes the file in code page 932 with CR LF. The file is written whole or not at all:
// on a failure an existing file of that name stays as it was.
Csv_Export_Outcome ExportResultsToCsv(const QString& path, const NodeTable& nodes, const ResultSet& results,
                                      const Export_Units& units);
