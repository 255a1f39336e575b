#include "vornapplication.h"

#include <cerrno>
#include <exception>

#include "circuitfile.h"
#include "dialogs.h"
#include "errorreporter.h"
#include "helpviewer.h"
#include "programtitle.h"
#include "settingsstore.h"
#include "uilanguage.h"

namespace vorn {

VornApplication::VornApplication(int& argc, char** argv) : QApplication(argc, argv) {
    // The language first, before any text is made: the setting, or the
    // user's locale; Qt's own dialogs follow it.
    const LanguageChoice choice =
        ParseLanguageChoice(SettingsStore(SettingsStore::DefaultFilePath()).ReadOption(QLatin1String(kLanguageKey)));
    ApplyLanguage(ChooseLanguage(choice, SystemLanguages()), TranslationsFolder(applicationDirPath()));
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
