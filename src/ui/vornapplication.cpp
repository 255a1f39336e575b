#include "vornapplication.h"

#include <cerrno>
#include <exception>

#include "circuitfile.h"
#include "dialogs.h"
#include "errorreporter.h"
#include "helpviewer.h"

namespace vorn {

VornApplication::VornApplication(int& argc, char** argv) : QApplication(argc, argv) {
    Dialogs::RouteHelpMessages();
    HelpViewer::SetWindowTitle(QStringLiteral("Справка - ") +
                               QString::fromUtf8(ProgramTitle.data(), static_cast<qsizetype>(ProgramTitle.size())));
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
