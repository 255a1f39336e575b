#include "datafolder.h"

#include <QDir>
#include <QFileInfo>

namespace vorn {

QString ResolveDataFolder(const QString& programFolder) {
    const QDir beside(programFolder);
    if (QFileInfo(beside.filePath(QStringLiteral("help"))).isDir()) return programFolder;
    const QString shared = QDir::cleanPath(beside.filePath(QStringLiteral("../share/vorn")));
    if (QFileInfo(QDir(shared).filePath(QStringLiteral("help"))).isDir()) return shared;
    return programFolder;
}

}  // namespace vorn
