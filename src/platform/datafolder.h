// Where the program's files lie: its data (the help folder and the
// pictures) beside the program in the build tree and in a copy of its own,
// or in <prefix>/share/vorn when the program is installed as
// <prefix>/bin/vorn; where an installed program writes its log; and where the
// file dialogs start.
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

// Where the Open and Save dialogs start: the folder they were last used in
// while it is still there, else the user's documents folder (the home
// folder when there is none). Never the program's folder, which is no place
// for a learner's circuits.
QString ResolveChooserFolder(const QString& lastFolder);

// Where unsaved circuits are kept for recovery: <generic data folder>/vorn/
// recovery, i.e. $XDG_DATA_HOME/vorn/recovery or ~/.local/share/vorn/recovery.
// Not made here: the first write makes it.
QString RecoveryFolder();

}  // namespace vorn
