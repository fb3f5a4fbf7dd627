#pragma once

#include <QString>
#include <QStringList>

// The recent-files list "\Recent.dat": one project path per line, newest first.

inline constexpr int Max_Recent_Files = 15;

// A path starting with a single "\" lies below the program directory; any other path
// is used as it stands.
QString Resolve_Path(const QString& program_dir, const QString& path);

// Whether the path names an existing file (not a directory); "*" and "?" never match.
bool File_Exists(const QString& program_dir, const QString& path);

// Records the path at the top of the list, keeping at most 15 entries. A path already
// listed stays where it is. Returns whether the path is (now) listed: an empty path, a
// path that code page 932 cannot hold and an unreadable list are not recorded. A
// missing list counts as an empty one.
bool Add_Recent(const QString& program_dir, const QString& path);

// The entries to show: all lines when show_missing is set, else only those whose file
// exists. Creates an empty list file when there is none.
QStringList List_Load(const QString& program_dir, bool show_missing);

// The status-bar text of an entry: its creation and modification times, or
// "ファイルが存在しません。".
QString File_Dates_Text(const QString& program_dir, const QString& path);

// Removal operations. Each rewrites the list through its work file and leaves the list
// as it was when anything fails; returns whether the list was rewritten.
bool Selection_Delete(const QString& program_dir, const QString& selected);
bool All_Delete_Link(const QString& program_dir);
// Deletes the whole list (the caller has asked the user first).
bool All_Delete(const QString& program_dir);
