// A private copy of the built program directory for one test: tests that run the solver
// or write settings never share a program directory.
#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

inline bool Copy_Directory(const QString& from, const QString& to)
{
    const QDir source(from);
    if (!source.exists() || !QDir().mkpath(to))
        return false;
    for (const QFileInfo& entry : source.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString target = QDir(to).filePath(entry.fileName());
        // QFile::copy keeps the permissions, so the solver stays executable.
        const bool copied = entry.isDir() ? Copy_Directory(entry.filePath(), target)
                                          : QFile::copy(entry.filePath(), target);
        if (!copied)
            return false;
    }
    return true;
}
