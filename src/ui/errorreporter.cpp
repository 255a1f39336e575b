#include "errorreporter.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <new>
#include <system_error>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QMessageBox>

#include "circuitfile.h"
#include "contactinfo.h"
#include "dialogs.h"
#include "systemerror.h"
#include "programtitle.h"

namespace vorn {

namespace {

struct ReporterState {
    bool installed = false;
    QString folder;
    ErrorReporter::ExitFunction exit = nullptr;
    ErrorReporter::Clock clock = nullptr;
    int depth = 0;  // Reports in progress (a dialog may run a nested event loop)
};

ReporterState& State() {
    static ReporterState state;
    return state;
}

[[noreturn]] void ExitNow(int status) { std::_Exit(status); }

QDateTime Now() { return QDateTime::currentDateTime(); }


// Writes a fixed text to standard error without allocating.
void TellStandardError(const char* text) noexcept {
    const ssize_t ignored = ::write(STDERR_FILENO, text, std::strlen(text));
    (void)ignored;
}

void TellStandardError(const QString& text) noexcept {
    try {
        const QByteArray bytes = text.toLocal8Bit() + '\n';
        const ssize_t ignored = ::write(STDERR_FILENO, bytes.constData(), static_cast<size_t>(bytes.size()));
        (void)ignored;
    } catch (...) {
    }
}

struct DepthGuard {
    DepthGuard() { ++State().depth; }
    ~DepthGuard() { --State().depth; }
};

}  // namespace

void ErrorReporter::Install(const QString& programFolder) {
    ReporterState& state = State();
    QString folder = QDir::fromNativeSeparators(programFolder);
    while (folder.size() > 1 && folder.endsWith(u'/')) folder.chop(1);
    state.folder = folder;
    state.installed = true;
    // Linux shows no critical-error boxes of its own, so there are none to
    // suppress.
}

bool ErrorReporter::IsInstalled() { return State().installed; }

QString ErrorReporter::ProgramFolder() {
    const ReporterState& state = State();
    if (state.installed) return state.folder;
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
}

QString ErrorReporter::LogFilePath() { return ProgramFolder() + QStringLiteral("/log.txt"); }

void ErrorReporter::Report(std::exception_ptr error) noexcept {
    const int lastError = errno;
    Report(error, lastError);
}

void ErrorReporter::Report(std::exception_ptr error, int lastError) noexcept {
    try {
        ReporterState& state = State();
        const int errorNumber = ErrorNumberOf(error, lastError);
        const Branch branch = BranchFor(errorNumber);
        if (branch == Branch::OutOfMemory) {
            // End at once, without a log line (writing one
            // could need the memory that is missing).
            TellStandardError("Vorn: not enough memory, the program ends.\n");
            (state.exit ? state.exit : &ExitNow)(OutOfMemoryExitStatus);
            return;  // only a test's exit function comes back
        }
        if (branch == Branch::Silent) return;
        AppendLogLine(errorNumber);
        if (state.depth > 0) return;  // a dialog of an earlier error is open: the line is all
        DepthGuard guard;
        if (QCoreApplication::instance()) QCoreApplication::processEvents();
        const QString text = SystemErrorText(errorNumber);
        if (branch == Branch::PlainMessage) {
            Dialogs::Current().Message(nullptr, QMessageBox::Critical, ProgramTitleText(), text, QMessageBox::Ok,
                                       QMessageBox::Ok);
            return;
        }
        bool report = false;
        const QMessageBox::StandardButton button = Dialogs::Current().MessageWithCheckBox(
            nullptr, QMessageBox::Critical, ProgramTitleText(), text, ReportCheckBoxCaption(), report);
        if (button == QMessageBox::Ok && report) {
            const QUrl link = ReportLink(errorNumber);
            if (!Dialogs::Current().OpenLink(link))
                TellStandardError(QStringLiteral("Vorn: cannot open the e-mail link %1").arg(QString::fromLatin1(link.toEncoded())));
        }
    } catch (...) {
        // The last resort must not raise anything itself.
        TellStandardError("Vorn: the error handler failed.\n");
    }
}

int ErrorReporter::ErrorNumberOf(std::exception_ptr error, int lastError) noexcept {
    if (!error) return lastError;
    try {
        std::rethrow_exception(error);
    } catch (const std::bad_alloc&) {
        return ENOMEM;
    } catch (const std::system_error& failure) {
        const std::error_category& category = failure.code().category();
        const int carried = failure.code().value();
        if (carried != 0 && (category == std::generic_category() || category == std::system_category()))
            return carried;
        return lastError;
    } catch (...) {
        return lastError;
    }
}

ErrorReporter::Branch ErrorReporter::BranchFor(int errorNumber) {
    switch (errorNumber) {
    case 0:
        return Branch::Silent;
    case ENOMEM:
        return Branch::OutOfMemory;
    case EBUSY:         // a file in use elsewhere
    case ETXTBSY:       // a busy executable
    case EINVAL:        // an invalid parameter
    case ENAMETOOLONG:
        return Branch::PlainMessage;
    default:
        return Branch::ReportDialog;
    }
}

QString ErrorReporter::LogLine(const QDateTime& when, int errorNumber) {
    const QLocale locale;
    return locale.toString(when.date(), QLocale::ShortFormat) + u' ' +
           locale.toString(when.time(), QLocale::LongFormat) + u' ' + QString::number(errorNumber) + u' ' +
           SystemErrorText(errorNumber);
}

bool ErrorReporter::AppendLogLine(int errorNumber) noexcept {
    try {
        const ReporterState& state = State();
        const QString line = LogLine((state.clock ? state.clock : &Now)(), errorNumber);
        QFile log(LogFilePath());
        bool written = log.open(QIODevice::WriteOnly | QIODevice::Append);
        if (written) {
            const QByteArray bytes = line.toUtf8() + '\n';
            written = log.write(bytes) == bytes.size() && log.flush();
            log.close();
            written = written && log.error() == QFileDevice::NoError;
        }
        if (!written) {
            TellStandardError(QStringLiteral("Vorn: cannot write %1: %2").arg(log.fileName(), log.errorString()));
            TellStandardError(QStringLiteral("Vorn: ") + line);
        }
        return written;
    } catch (...) {
        return false;
    }
}

QString ErrorReporter::ReportSubject(int errorNumber) {
    return QStringLiteral("Error in ") + ProgramTitleText() + QStringLiteral(": ") + SystemErrorText(errorNumber);
}

QString ErrorReporter::ReportRequest() {
    return QCoreApplication::translate("vorn::ErrorReporter",
                                       " Пожалуста опишите ваши действия, повлекшие ошибку, также прикрипите к телу "
                                       "письма файл схем, который был запущен (если был запущен).");
}

QString ErrorReporter::ReportCheckBoxCaption() {
    // U+0043 LATIN CAPITAL LETTER C, then Cyrillic letters.
    return QCoreApplication::translate("vorn::ErrorReporter", "Cообщить об ошибке");
}

QUrl ErrorReporter::ReportLink(int errorNumber) {
    // The body starts with a line break, written as CR LF as RFC 6068 asks.
    return SupportMailLink(ReportSubject(errorNumber), QStringLiteral("\r\n") + ReportRequest());
}

void ErrorReporter::SetExitFunction(ExitFunction exit) { State().exit = exit; }
void ErrorReporter::SetClock(Clock clock) { State().clock = clock; }

}  // namespace vorn
