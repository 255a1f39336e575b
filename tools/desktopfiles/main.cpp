// Writes the files that make an installed Vorn a desktop program: the
// launcher entry, the MIME type of circuit files and their icons, laid out
// under the folder given as it goes below <prefix>/share. The launcher runs
// "vorn" from the PATH.
//
//   vorn_desktopfiles FOLDER
#include <cstdio>

#include <QCoreApplication>

#include "fileassociation.h"

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const vorn::DesktopFiles files =
        vorn::WriteDesktopFiles(QString::fromLocal8Bit(argv[1]), QStringLiteral("vfl"), QStringLiteral("vorn"), 0);
    if (!files.complete) {
        std::fprintf(stderr, "%s: could not write every file into %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
