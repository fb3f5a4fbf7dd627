#pragma once

#include <QFile>
#include <QString>
#include <QStringList>

#include "analysis/node_table.h"
#include "model/text_file.h"

// A 1000 mm cantilever fixed at the left end with 100 kgf at the right end, meshed at
// 0, 250, 500, 750 and 1000 mm. Range 1 (A 1000 mm^2, σa 10, τa 5 kgf/mm^2) covers the
// nodes up to 500 mm, range 2 (A 500 mm^2, no σa, τa 4 kgf/mm^2) the last two, so a
// reader that took the properties of the wrong node would give other factors.
// data/cantilever_result.dat is the solver's result file of this mesh.

inline NodeTable Cantilever_Mesh()
{
    NodeTable table;
    table.length_mm = 1000;
    table.count = 4;
    for (const double x : {0.0, 250.0, 500.0, 750.0, 1000.0}) {
        Node node;
        node.x = x;
        const bool override_range = x >= 750;
        node.range = override_range ? 2 : 1;
        node.E = 21000;
        node.sigma_a = override_range ? 0 : 10;
        node.tau_a = override_range ? 4 : 5;
        node.rho = 7.85E-06;
        node.A = override_range ? 500 : 1000;
        node.Z = 10000;
        node.I = 1E+06;
        table.nodes.push_back(node);
    }
    table.nodes.front().Tx = table.nodes.front().Ty = table.nodes.front().Rt = 1;
    table.nodes.back().F = 100;
    return table;
}

inline QString Cantilever_Result_Path()
{
    return QStringLiteral(TEST_DATA_DIR "/cantilever_result.dat");
}

inline QStringList Cantilever_Result_Lines()
{
    return Read_Text_Lines(Cantilever_Result_Path()).lines;
}

inline QByteArray File_Bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
