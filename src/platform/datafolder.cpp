#include "datafolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace vorn {

QString ResolveDataFolder(const QString& programFolder) {
    const QDir beside(programFolder);
    if (QFileInfo(beside.filePath(QStringLiteral("help"))).isDir()) return programFolder;
    const QString shared = QDir::cleanPath(beside.filePath(QStringLiteral("../share/vorn")));
    if (QFileInfo(QDir(shared).filePath(QStringLiteral("help"))).isDir()) return shared;
    return programFolder;
}

QString ResolveLogFolder(const QString& programFolder) {
    if (QFileInfo(programFolder).isWritable()) return programFolder;
    const QString own = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    if (own.isEmpty() || !QDir().mkpath(own)) return programFolder;
    return own;
}

QString ResolveChooserFolder(const QString& lastFolder) {
    if (!lastFolder.isEmpty() && QFileInfo(lastFolder).isDir()) return lastFolder;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir()) return documents;
    return QDir::homePath();
}

QString RecoveryFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/vorn/recovery");
}

}  // namespace vorn
