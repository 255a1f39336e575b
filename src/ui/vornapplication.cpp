#include "vornapplication.h"

#include <cerrno>
#include <exception>

#include <QLibraryInfo>
#include <QTranslator>

#include "circuitfile.h"
#include "dialogs.h"
#include "errorreporter.h"
#include "helpviewer.h"
#include "programtitle.h"

namespace vorn {

VornApplication::VornApplication(int& argc, char** argv) : QApplication(argc, argv) {
    // Qt's own texts (the buttons of message boxes, the file and print
    // dialogs) in the program's language, whatever the user's locale; in
    // English where the translations are not installed.
    auto* qtTexts = new QTranslator(this);
    if (qtTexts->load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(qtTexts);
    Dialogs::RouteHelpMessages();
    // Translated here, so the program's translators are installed before this line.
    HelpViewer::SetWindowTitle(tr("Справка - %1").arg(ProgramTitleText()));
}

bool VornApplication::notify(QObject* receiver, QEvent* event) {
    std::exception_ptr error;
    int lastError = 0;
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        lastError = errno;  // first, before anything can change it
        error = std::current_exception();
    }
    // Reported outside the catch block: the report may run a dialog.
    ErrorReporter::Report(error, lastError);
    return false;
}

}  // namespace vorn
