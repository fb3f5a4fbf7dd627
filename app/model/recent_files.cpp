#include "model/recent_files.h"

#include "model/date_time_text.h"
#include "model/text_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <optional>
#include <system_error>

namespace {

constexpr qint64 Max_List_Bytes = 1024 * 1024;

QString List_Path(const QString& program_dir)
{
    return QDir(program_dir).filePath(QStringLiteral("Recent.dat"));
}

// The lines of the list; an empty list when it does not exist, nothing when it cannot
// be read.
std::optional<QStringList> Read_List(const QString& program_dir)
{
    const QString path = List_Path(program_dir);
    if (!QFileInfo::exists(path))
        return QStringList();
    Text_Lines_Result file = Read_Text_Lines(path, Max_List_Bytes);
    if (!file.ok)
        return std::nullopt;
    return file.lines;
}

// Writes the new list into the work file, then puts it in place of the list in one
// rename, so a failure at any step leaves the old list as it was.
bool Replace_List(const QString& program_dir, const QString& work_name, const QStringList& lines)
{
    const QString work_path = QDir(program_dir).filePath(work_name);
    if (!Write_Text_Lines(work_path, lines).isEmpty()) {
        QFile::remove(work_path);
        return false;
    }
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(work_path).toStdString(),
                            QFile::encodeName(List_Path(program_dir)).toStdString(), error);
    if (error) {
        QFile::remove(work_path);
        return false;
    }
    return true;
}

bool Is_Recordable(const QString& path)
{
    return !path.isEmpty() && !path.contains(QLatin1Char('\r')) && !path.contains(QLatin1Char('\n'))
        && Is_Cp932_Representable(path);
}

// Rewrites the list without the entries the predicate rejects.
template <typename Keep>
bool Filter_List(const QString& program_dir, Keep keep)
{
    const auto lines = Read_List(program_dir);
    if (!lines)
        return false;
    QStringList kept;
    for (const QString& line : *lines) {
        if (keep(line))
            kept << line;
    }
    return Replace_List(program_dir, QStringLiteral("Recent.dat1"), kept);
}

} // namespace

QString Resolve_Path(const QString& program_dir, const QString& path)
{
    if (path.startsWith(QLatin1Char('\\')) && !path.startsWith(QStringLiteral("\\\\"))) {
        QString relative = path.mid(1);
        relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
        return QDir(program_dir).filePath(relative);
    }
    return path;
}

bool File_Exists(const QString& program_dir, const QString& path)
{
    if (path.isEmpty() || path.contains(QLatin1Char('*')) || path.contains(QLatin1Char('?')))
        return false;
    const QFileInfo info(Resolve_Path(program_dir, path));
    return info.exists() && !info.isDir();
}

bool Add_Recent(const QString& program_dir, const QString& path)
{
    if (!Is_Recordable(path))
        return false;
    const auto lines = Read_List(program_dir);
    if (!lines)
        return false;
    if (lines->contains(path))
        return true;
    const QStringList updated = (QStringList{path} + *lines).mid(0, Max_Recent_Files);
    return Replace_List(program_dir, QStringLiteral("Recent1.dat"), updated);
}

QStringList List_Load(const QString& program_dir, bool show_missing)
{
    const QString path = List_Path(program_dir);
    if (!QFileInfo::exists(path)) {
        Write_Text_Lines(path, {});
        return {};
    }
    QStringList shown;
    for (const QString& line : Read_List(program_dir).value_or(QStringList())) {
        if (show_missing || File_Exists(program_dir, line))
            shown << line;
    }
    return shown;
}

QString File_Dates_Text(const QString& program_dir, const QString& path)
{
    if (!File_Exists(program_dir, path))
        return QStringLiteral("ファイルが存在しません。");
    const QFileInfo info(Resolve_Path(program_dir, path));
    // Not every file system records a birth time; the status change time is the
    // nearest the system knows then.
    const QDateTime created = info.birthTime().isValid() ? info.birthTime() : info.metadataChangeTime();
    return QStringLiteral("作成日時 : ") + General_Date_Time_Text(created) + QStringLiteral("   ")
        + QStringLiteral("更新日時 : ") + General_Date_Time_Text(info.lastModified());
}

bool Selection_Delete(const QString& program_dir, const QString& selected)
{
    return Filter_List(program_dir, [&selected](const QString& line) { return line != selected; });
}

bool All_Delete_Link(const QString& program_dir)
{
    return Filter_List(program_dir, [&program_dir](const QString& line) { return File_Exists(program_dir, line); });
}

bool All_Delete(const QString& program_dir)
{
    const QString path = List_Path(program_dir);
    return !QFileInfo::exists(path) || QFile::remove(path);
}
