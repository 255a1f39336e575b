// Makes the desktop open circuit files with this program, the freedesktop
// way, inside the user's data folder ($XDG_DATA_HOME or ~/.local/share):
//
//     mime/packages/vorn-<ext>.xml                    the MIME type and its glob
//     icons/hicolor/scalable/mimetypes/*.svg          the file icons
//     applications/vorn.desktop                       the launcher entry
//
// The program path last registered is kept in the settings, so a program
// that has not moved does not rewrite the files on every start.
#pragma once

#include <QString>
#include <QStringList>

namespace vorn {

class SettingsStore;

inline constexpr int kFileIconCount = 4;
inline const QString kCircuitMimeType = QStringLiteral("application/x-vorn-circuit");

// The theme name of file icon number iconNumber (clamped to 0..3).
QString FileIconName(int iconNumber);
// The program's own picture of that icon (an SVG resource).
QString FileIconResource(int iconNumber);

// The executable path as it goes after "Exec=" in a desktop entry: quoted
// when it holds a space or another character the launcher treats specially
// (with ", `, $ and \ escaped inside the quotes), a literal % doubled, and
// then escaped once more as a desktop entry string (backslashes doubled,
// newline, tab and carriage return written as \n, \t, \r).
QString DesktopExecQuote(const QString& path);

// What WriteDesktopFiles wrote: the paths, whether any icon, the MIME type
// and the launcher entry were written, and whether every file was.
struct DesktopFiles {
    QStringList written;
    bool icons = false;
    bool mime = false;
    bool entry = false;
    bool complete = true;
};

// Writes the file icons, the MIME type of the extension and the launcher
// entry for the executable into a folder laid out like the user's data
// folder (see above), each file whole or not at all. Runs nothing.
DesktopFiles WriteDesktopFiles(const QString& dataFolder, const QString& extension, const QString& executable,
                               int iconNumber);

// Registers the file type with the extension (without the dot, e.g. "vfl")
// for the executable, using file icon iconNumber (clamped to 0..3). Does
// nothing when the settings already hold executablePath and force is false.
// Otherwise writes each file it can, skipping silently what it cannot, runs
// the desktop's cache tools where they are installed (each with a time
// limit), and records the program path in the store once every file has been
// written, so that a failed registration is tried again on the next start.
// Returns whether any file was written; writtenFiles, when given, receives
// the paths written. Never throws and never shows anything.
bool RegisterFileAssociation(const QString& extension, const QString& executablePath, int iconNumber,
                             bool force, SettingsStore& store, QStringList* writtenFiles = nullptr);

}  // namespace vorn
