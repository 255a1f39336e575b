// The program-wide handler of unexpected errors: whatever
// exception escapes an event handler reaches Report (through
// VornApplication::notify), which logs the error number to log.txt in the
// program folder and tells the user, offering an e-mail report.
//
// The error number is the errno the exception carries (std::system_error of
// the generic or system category, CircuitFileError, filesystem_error; ENOMEM
// for std::bad_alloc), else errno as it was when the exception was caught.
// The error number decides what happens:
//
//   0                            nothing: no log line, no message
//   ENOMEM, std::bad_alloc       the program ends at once, status
//                                OutOfMemoryExitStatus, no log line
//   EBUSY, ETXTBSY (file busy)   log line, plain error box
//   EINVAL (invalid parameter)   log line, plain error box
//   ENAMETOOLONG                 log line, plain error box
//   any other                    log line, report dialog
//
// Nothing escapes Report: a log that cannot be written is skipped (a line
// on standard error says why), and any failure of its own is swallowed.
#pragma once

#include <exception>

#include <QDateTime>
#include <QString>
#include <QUrl>

namespace vorn {

class ErrorReporter {
public:
    // Called at main-window creation. programFolder: the executable's folder
    // (a trailing separator is dropped); log.txt lies in it. Until Install
    // is called, the folder of QCoreApplication::applicationDirPath is used.
    static void Install(const QString& programFolder);
    static bool IsInstalled();
    static QString ProgramFolder();
    static QString LogFilePath();

    // The entry point, for an exception caught with catch (...):
    // Report(std::current_exception(), lastError) where lastError is errno
    // read first thing in the handler. The second form reads errno itself.
    static void Report(std::exception_ptr error, int lastError) noexcept;
    static void Report(std::exception_ptr error) noexcept;

    // The pieces of Report, public for tests and for the about box.
    enum class Branch { Silent, OutOfMemory, PlainMessage, ReportDialog };
    static int ErrorNumberOf(std::exception_ptr error, int lastError) noexcept;
    static Branch BranchFor(int errorNumber);
    // The locale's short date, a blank, the locale's long time, a blank, the
    // number, a blank, the system's text for it (no line end).
    static QString LogLine(const QDateTime& when, int errorNumber);
    // Appends LogLine(now, errorNumber) and a line end to log.txt, creating
    // it if needed; false when it could not be written.
    static bool AppendLogLine(int errorNumber) noexcept;
    // The e-mail link of the report dialog, percent-encoded (contactinfo.h).
    static QUrl ReportLink(int errorNumber);
    static QString ReportSubject(int errorNumber);
    static QString ReportRequest();
    static QString ReportCheckBoxCaption();  // "Cообщить об ошибке", a Latin C first

    static constexpr int OutOfMemoryExitStatus = 1;

    // Seams for tests; nullptr restores the default. The report's e-mail
    // link goes to the desktop through Dialogs::OpenLink.
    using ExitFunction = void (*)(int status);  // default: std::_Exit
    using Clock = QDateTime (*)();              // default: QDateTime::currentDateTime
    static void SetExitFunction(ExitFunction exit);
    static void SetClock(Clock clock);
};

}  // namespace vorn
