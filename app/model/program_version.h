// The version the program shows in its title, its splash and its project files.
#pragma once

#include <QString>

inline constexpr int Version_Major = 2;
inline constexpr int Version_Minor = 2;
inline constexpr int Version_Revision = 7;

// major "." minor "." revision
inline QString Program_Version_Text()
{
    return QStringLiteral("%1.%2.%3").arg(Version_Major).arg(Version_Minor).arg(Version_Revision);
}
