#pragma once

#include "model/beam_model.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

// The project file (".kvx", and the default data "Dflt_Data.kvxd"): the model as
// labelled lines, code page 932 with CR LF. Values are written as typed.

inline const QString Project_Header = QStringLiteral("<<<<<<Trabex(FEM) 設定ファイル>>>>");

// What the "Application Ver." and "Saved" lines say.
struct Project_Stamp {
    QString version;                // major "." minor "." revision
    QDateTime saved;
};
// The running program's version (QCoreApplication::applicationVersion) and now.
Project_Stamp Current_Project_Stamp();

// The whole project block, from the header line to "<Constraint End>"; the analysis
// input file repeats it.
QStringList Project_Lines(const BeamModel& model, const Project_Stamp& stamp = Current_Project_Stamp());

// Writes the model to path, atomically: on any failure the old file stays intact.
// A model holding a text that would not read back as it stands (a line break, or a
// separator inside a field) is not written. Returns "" or the message to show.
QString File_Save(const QString& path, const BeamModel& model,
                  const Project_Stamp& stamp = Current_Project_Stamp());

// Reads a project file on top of the model: a table that the file holds records of is
// replaced by them, the others stay. The file is taken whole or not at all: on any
// failure the model is unchanged and the message names the file and the line.
//
// What the reader refuses: a file that cannot be read or is larger than 16 MiB; a first
// line that is not the header; bytes that are not code page 932 or a carriage return
// inside a line; a record whose lines are missing, shorter than a label or start another
// record or block; record numbers that do not run 1, 2, 3 ... within the file; a value
// without its "," fields; a load or constraint of an unknown kind, of a malformed
// position or more than 64 of a kind; a property range naming a material or section that
// does not exist; and the fields that the reader itself turns into numbers (beam length
// above 0, element count, the self-weight flag 0 or 1) when they are not numbers. Every
// other number stays as typed, as editing leaves it, and is reported by the checks before
// an analysis; characters that editing would remove (":" in a name, for one) are removed.
QString Read_Project(const QString& path, BeamModel& model);
// The same for lines already read; file_name is only used in the message.
QString Read_Project_Lines(const QStringList& lines, const QString& file_name, BeamModel& model);

// The model of a new project: the default data of the program directory read on top
// of empty tables. When that file cannot be used the built-in defaults stand in and
// the message says why.
QString Reset_To_Default(const QString& program_dir, BeamModel& model);

// The model and the path that Save writes to (empty: Save asks for a name).
struct Project_Session {
    BeamModel model;
    QString current_path;
};

// New: the default data and no current path.
QStringList Reset_New(Project_Session& session, const QString& program_dir);

// Open with the chosen path (empty when the chooser was cancelled: the model stays and
// the current path is cleared). The default data is read, then the file; a file that
// cannot be read leaves the default data, no current path (so Save cannot overwrite
// the file with the default data) and no recent-files entry. add_to_recent is false
// when the path comes from the recent-files list itself.
QStringList Open_Project(Project_Session& session, const QString& program_dir, const QString& path,
                         bool add_to_recent = true);

// Save writes to the current path; with none the window runs Save As instead.
bool Save_Needs_Name(const Project_Session& session);
QString Save_Project(const Project_Session& session);
// Save As with the chosen path (empty when cancelled). The path becomes current and is
// added to the recent files only when the file was written; otherwise no path is
// current, so the next Save asks for a name again.
QString Save_Project_As(Project_Session& session, const QString& program_dir, const QString& path);
