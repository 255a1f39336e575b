// Where the program's data (the help folder and the pictures) lies: beside
// the program in the build tree and in a portable copy, or in
// <prefix>/share/vorn when the program is installed as <prefix>/bin/vorn.
#pragma once

#include <QString>

namespace vorn {

// The data folder for a program in programFolder: programFolder itself when
// it holds a help folder, else <programFolder>/../share/vorn when that does;
// programFolder when neither does, so that messages about missing files
// name the place beside the program. No trailing separator.
QString ResolveDataFolder(const QString& programFolder);

}  // namespace vorn
