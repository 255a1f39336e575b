// Where the program's files lie: its data (the help folder and the
// pictures) beside the program in the build tree and in a copy of its own,
// or in <prefix>/share/vorn when the program is installed as
// <prefix>/bin/vorn; and, for an installed program, the folders it writes in.
#pragma once

#include <QString>

namespace vorn {

// The data folder for a program in programFolder: programFolder itself when
// it holds a help folder, else <programFolder>/../share/vorn when that does;
// programFolder when neither does, so that messages about missing files
// name the place beside the program. No trailing separator.
QString ResolveDataFolder(const QString& programFolder);

// Where the error log goes: the program's folder when the program may write
// there (a copy of its own), else the user's data folder for the program
// (usually ~/.local/share/vorn), which is made when missing.
QString ResolveLogFolder(const QString& programFolder);

// Where the file choosers start: the program's folder when the program may
// write there, else the user's documents folder (the home folder when there
// is none).
QString ResolveDocumentFolder(const QString& programFolder);

}  // namespace vorn
