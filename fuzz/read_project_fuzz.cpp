// Feeds arbitrary bytes to the project-file reader. Whatever it refuses must leave the
// model untouched; whatever it accepts must be a model that saves and reads back as it is.
#include "model/project_file.h"
#include "model/text_file.h"

#include <QDir>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace {

// The lines as the text-file reader splits them: at LF, a CR before it dropped.
QStringList Lines_Of(const std::uint8_t* data, std::size_t size)
{
    QStringList lines =
        Decode_Cp932(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size))).split(u'\n');
    if (lines.last().isEmpty())
        lines.removeLast();
    for (QString& line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Saving syncs to disk; a memory file system keeps that from dominating the run.
    static const QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                       ? QStringLiteral("/dev/shm/read_project_fuzz-XXXXXX")
                                       : QDir::tempPath() + QStringLiteral("/read_project_fuzz-XXXXXX"));
    const BeamModel before = Default_Beam_Model();
    BeamModel model = before;
    if (!Read_Project_Lines(Lines_Of(data, size), QStringLiteral("fuzz.kvx"), model).isEmpty()) {
        if (!(model == before))
            __builtin_trap();
        return 0;
    }
    const Project_Stamp stamp{QStringLiteral("0.0.0"), QDateTime()};
    if (!File_Save(dir.filePath(QStringLiteral("fuzz.kvx")), model, stamp).isEmpty())
        __builtin_trap();
    BeamModel again;
    if (!Read_Project_Lines(Project_Lines(model, stamp), QStringLiteral("again.kvx"), again).isEmpty()
        || !(again == model))
        __builtin_trap();
    return 0;
}
