// The result-file reader on arbitrary text: it reads results or refuses, never more.
#include <cstddef>
#include <cstdint>

#include <QStringList>

#include "model/text_file.h"
#include "results/import_results.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    // The first byte chooses the mesh the results are read against.
    NodeTable nodes;
    for (int i = 0; i < 1 + data[0] % 16; ++i) {
        Node node;
        node.x = 10.0 * i;
        node.A = i % 5 == 4 ? 0 : 100;
        node.sigma_a = 25;
        node.tau_a = i % 3 ? 14 : 0;
        nodes.nodes.push_back(node);
    }
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
    QStringList lines = Decode_Cp932(bytes).split(u'\n');
    for (QString& line : lines)
        if (line.endsWith(u'\r'))
            line.chop(1);
    if (const auto results = Read_Result_Lines(lines, nodes, Settings{}))
        ComputeExtremes(*results);
    return 0;
}
