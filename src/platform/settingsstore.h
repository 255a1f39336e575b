// The program's settings, kept in an INI file whose groups are laid out as
// paths in a tree of keys:
//
//     SOFTWARE/vorn           Default (the program title), About, Path
//     SOFTWARE/vorn/options   writeuname, ShowMaster, co, bc, gc, tbp, km, kmiddles,
//                             UndoSteps, RecoverySeconds, LampColour, LampFill,
//                             ThickOnes, LastFolder, PrintFit, Language,
//                             RecentFile1 .. RecentFile8
//     AppPath                 Default (full path of the executable), Path (its folder)
//
// Every value is a string. Lines of a damaged file that cannot be parsed are
// skipped when reading and dropped when the file is next written; what could
// be parsed is kept.
#pragma once

#include <optional>

#include <QColor>
#include <QString>
#include <QStringList>

namespace vorn {

// The options values; an absent value (not in the file, or not a plain
// string there) is nullopt.
struct StoredSettings {
    std::optional<QString> writeuname, ShowMaster, co, bc, gc, tbp, km, kmiddles;
    std::optional<QString> UndoSteps, RecoverySeconds;  // undo depth; seconds between recovery writes
    std::optional<QString> LampColour, LampFill, ThickOnes;  // a lit lamp's colour and fill; thick "1" wires
    bool operator==(const StoredSettings&) const = default;
};

// A stored flag: "1" on, "0" off, anything else (or nothing) the fallback.
bool StoredFlag(const std::optional<QString>& text, bool fallback);

// A stored colour ("$00BBGGRR" as the colour texts are written); nothing when
// absent or unreadable.
std::optional<QColor> StoredColour(const std::optional<QString>& text);

class SettingsStore {
public:
    explicit SettingsStore(QString filePath);

    // <generic config folder>/vorn/vorn.ini, i.e. $XDG_CONFIG_HOME/vorn/vorn.ini
    // or ~/.config/vorn/vorn.ini. The generic folder is used rather than the
    // per-application one because that one depends on the organisation and
    // application names set (or not) at start-up.
    static QString DefaultFilePath();

    QString FilePath() const { return filePath_; }

    // Fills every options value the file holds as a plain string and sets the
    // others to nullopt. False, with out untouched, when the file is missing
    // or unreadable (or is no regular file): the caller then keeps what it has.
    bool ReadOptions(StoredSettings& out) const;

    // Writes the program group and every present options value; absent
    // values leave whatever the file holds for them. Other entries stay.
    // False when the file could not be written (folder missing and not
    // creatable, no permission, disk full); never throws.
    bool WriteAll(const QString& programTitle, const QString& about, const QString& programFolder,
                  const StoredSettings& values);

    // The folder the Open and Save dialogs were last used in (the options
    // value LastFolder), or an empty text when none is stored or the file
    // cannot be read. Written on its own, whenever a dialog gives a name.
    QString ReadLastFolder() const;
    bool WriteLastFolder(const QString& folder);

    // The recently opened or saved files, newest first (RecentFile1 ..
    // RecentFile8); values that are no plain text are left out. Writing
    // replaces the whole list.
    QStringList ReadRecentFiles() const;
    bool WriteRecentFiles(const QStringList& files);
    // One more value of the options group, read and written on its own (the
    // printout's scale, "PrintFit"): nullopt when it is not stored as a
    // plain string or the file cannot be read.
    std::optional<QString> ReadOption(const QString& key) const;
    bool WriteOption(const QString& key, const QString& value);

    // Where the program was last installed: the stored executable path, or an
    // empty text when none is stored or the file cannot be read. The file
    // association code compares it with the running executable to see
    // whether the program has moved.
    QString ReadApplicationPath() const;
    bool WriteApplicationPath(const QString& executable, const QString& folder);

private:
    QString filePath_;
};

}  // namespace vorn
