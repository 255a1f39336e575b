// The program-wide error reporter: error numbers, branches, the
// log line, messages through the Dialogs seam, the report link, an unwritable
// log, the out-of-memory exit, and exceptions reaching it through
// VornApplication::notify.
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <ios>
#include <memory>
#include <new>
#include <stdexcept>
#include <system_error>

#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QFile>
#include <QLocale>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrlQuery>
#include <QtTest>

#include "circuitfile.h"
#include "contactinfo.h"
#include "dialogs.h"
#include "errorreporter.h"
#include "programtitle.h"
#include "systemerror.h"
#include "vornapplication.h"

using namespace vorn;

namespace {

class RecordingDialogs : public Dialogs {
public:
    struct Call {
        bool withCheckBox;
        QWidget* parent;
        QMessageBox::Icon icon;
        QString title, text, checkBoxCaption;
        QMessageBox::StandardButtons buttons;
    };
    QList<Call> calls;
    QMessageBox::StandardButton answer = QMessageBox::Ok;
    bool tick = false;
    std::function<void()> whileShown;  // runs while the "dialog" is open
    QList<QUrl> openedLinks;

    bool OpenLink(const QUrl& link) override {
        openedLinks.append(link);
        return true;
    }

    QMessageBox::StandardButton Message(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                        const QString& text, QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton) override {
        calls.append({false, parent, icon, title, text, QString(), buttons});
        if (whileShown) whileShown();
        return answer;
    }
    QMessageBox::StandardButton MessageWithCheckBox(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                                    const QString& text, const QString& caption,
                                                    bool& checked) override {
        calls.append({true, parent, icon, title, text, caption, QMessageBox::Ok});
        if (whileShown) whileShown();
        checked = tick;
        return answer;
    }
};

QList<int> exitStatuses;
void RecordExit(int status) { exitStatuses.append(status); }

QDateTime FixedNow() { return QDateTime(QDate(2024, 12, 6), QTime(21, 5, 7)); }


std::exception_ptr FileError(int number) {
    return std::make_exception_ptr(CircuitFileError(number, "cannot open /some/file.vfl"));
}

QString Line(int number) { return ErrorReporter::LogLine(FixedNow(), number) + u'\n'; }

// Throws from its handlers, like a window whose file command fails.
class ThrowingWidget : public QWidget {
public:
    int errorNumber = EACCES;

protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::User) throw CircuitFileError(errorNumber, "write failed");
        return QWidget::event(event);
    }
    void mousePressEvent(QMouseEvent*) override { throw std::system_error(ENOSPC, std::generic_category(), "disk"); }
};

}  // namespace

class ErrorReporterTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        folder_ = std::make_unique<QTemporaryDir>();
        ErrorReporter::Install(folder_->path() + u'/');
        ErrorReporter::SetClock(&FixedNow);
        ErrorReporter::SetExitFunction(&RecordExit);
        dialogs_.calls.clear();
        dialogs_.answer = QMessageBox::Ok;
        dialogs_.tick = false;
        dialogs_.whileShown = nullptr;
        Dialogs::Install(&dialogs_);
        dialogs_.openedLinks.clear();
        exitStatuses.clear();
    }
    void cleanup() {
        Dialogs::Install(nullptr);
        ErrorReporter::SetClock(nullptr);
        ErrorReporter::SetExitFunction(nullptr);
        QLocale::setDefault(QLocale::c());
    }

    void errorNumberIsTheCarriedOneOrTheLastError() {
        const struct {
            std::exception_ptr error;
            int lastError, expected;
        } cases[] = {
            {FileError(EACCES), 0, EACCES},
            {std::make_exception_ptr(std::system_error(ENOSPC, std::system_category())), 5, ENOSPC},
            {std::make_exception_ptr(
                 std::filesystem::filesystem_error("x", std::make_error_code(std::errc::read_only_file_system))),
             0, EROFS},
            {std::make_exception_ptr(std::bad_alloc()), 0, ENOMEM},
            {std::make_exception_ptr(std::runtime_error("x")), EIO, EIO},
            // Not errno values: the stream category and a success code.
            {std::make_exception_ptr(std::ios_base::failure("x")), EBADF, EBADF},
            {std::make_exception_ptr(std::system_error(std::error_code())), EXDEV, EXDEV},
            {nullptr, EAGAIN, EAGAIN},
        };
        for (const auto& c : cases) QCOMPARE(ErrorReporter::ErrorNumberOf(c.error, c.lastError), c.expected);
    }

    void logLineHasLocaleDateTimeNumberAndStrerrorText() {
        errno = EXDEV;
        QCOMPARE(SystemErrorText(EACCES), QString::fromLocal8Bit(strerror(EACCES)));
        QCOMPARE(errno, EXDEV);  // kept for the caller
        QVERIFY(SystemErrorText(987654).contains(QStringLiteral("987654")));
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        const QString line = ErrorReporter::LogLine(FixedNow(), EACCES);
        QVERIFY2(line.startsWith(QStringLiteral("06.12.2024 21:05:07")), qPrintable(line));
        QVERIFY2(line.endsWith(QStringLiteral(" 13 ") + SystemErrorText(EACCES)), qPrintable(line));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY(ErrorReporter::LogLine(FixedNow(), 5).startsWith(QStringLiteral("12/6/24 9:05:07 PM")));
    }

    // Four numbers get a plain box; any other one the box with "report".
    void errorsAreLoggedAndShownInTheirBox_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<bool>("reportBox");
        QTest::newRow("EBUSY (sharing violation)") << EBUSY << false;
        QTest::newRow("ETXTBSY (sharing violation)") << ETXTBSY << false;
        QTest::newRow("EINVAL (invalid parameter)") << EINVAL << false;
        QTest::newRow("ENAMETOOLONG (name too long)") << ENAMETOOLONG << false;
        QTest::newRow("EACCES") << EACCES << true;
        QTest::newRow("ENOENT") << ENOENT << true;
        QTest::newRow("EROFS") << EROFS << true;
        QTest::newRow("ENOTTY") << ENOTTY << true;
    }
    void errorsAreLoggedAndShownInTheirBox() {
        QFETCH(int, number);
        QFETCH(bool, reportBox);
        ErrorReporter::Report(std::make_exception_ptr(std::runtime_error("no number")), number);
        QCOMPARE(ReadLog(), Line(number));
        QCOMPARE(dialogs_.calls.size(), 1);
        const RecordingDialogs::Call& call = dialogs_.calls[0];
        QCOMPARE(call.withCheckBox, reportBox);
        QCOMPARE(call.parent, nullptr);
        QCOMPARE(call.icon, QMessageBox::Critical);
        QCOMPARE(call.title, QStringLiteral("Vorn v1.1"));
        QCOMPARE(call.text, SystemErrorText(number));
        QCOMPARE(call.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        // A Latin capital C, then Cyrillic letters.
        if (reportBox)
            QCOMPARE(call.checkBoxCaption, QStringLiteral("\u0043\u043E\u043E\u0431\u0449\u0438\u0442\u044C \u043E\u0431 "
                                                          "\u043E\u0448\u0438\u0431\u043A\u0435"));
        QVERIFY(dialogs_.openedLinks.isEmpty());  // the box was left unticked
        QVERIFY(exitStatuses.isEmpty());
    }

    void onlyATickedAndConfirmedReportOpensAnEncodedMailLink() {
        dialogs_.tick = true;
        dialogs_.answer = QMessageBox::NoButton;  // the box was closed
        ErrorReporter::Report(FileError(EIO), 0);
        QCOMPARE(dialogs_.calls.size(), 1);
        QVERIFY(dialogs_.openedLinks.isEmpty());
        dialogs_.answer = QMessageBox::Ok;
        ErrorReporter::Report(FileError(EACCES), 0);
        QCOMPARE(dialogs_.openedLinks, QList<QUrl>({ErrorReporter::ReportLink(EACCES)}));
        const QUrl link = dialogs_.openedLinks[0];
        const QByteArray encoded = link.toEncoded();
        QVERIFY2(encoded.startsWith("mailto:support@vorn.example?subject=Error%20in%20Vorn%20v1.1%3A%20"), encoded.constData());
        QVERIFY(encoded.contains("&body=%0D%0A%20%D0%9F%D0%BE%D0%B6%D0%B0%D0%BB%D1%83%D1%81%D1%82%D0%B0%20"));
        QVERIFY(!encoded.contains(' '));
        const QUrlQuery query(link);
        QCOMPARE(query.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
                 QStringLiteral("Error in Vorn v1.1: ") + SystemErrorText(EACCES));
        QCOMPARE(query.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded),
                 QStringLiteral("\r\n Пожалуста опишите ваши действия, повлекшие ошибку, также прикрипите к телу письма "
                                "файл схем, который был запущен (если был запущен)."));
        // Delimiters inside the subject or body stay inside them.
        const QUrl odd = SupportMailLink(QStringLiteral("a&b=c#d?e f+%"), QStringLiteral("x&subject=y"));
        QVERIFY(odd.isValid());
        const QUrlQuery oddQuery(odd);
        QCOMPARE(oddQuery.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded), QStringLiteral("a&b=c#d?e f+%"));
        QCOMPARE(oddQuery.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded), QStringLiteral("x&subject=y"));
        QCOMPARE(oddQuery.allQueryItemValues(QStringLiteral("subject")).size(), 1);
        QVERIFY(!odd.hasFragment());
    }

    void errorZeroIsSilentAndAMissingNumberIsReadFromErrno() {
        errno = 0;
        ErrorReporter::Report(std::make_exception_ptr(std::logic_error("x")));
        ErrorReporter::Report(std::make_exception_ptr(std::logic_error("x")), 0);
        QVERIFY(!QFile::exists(ErrorReporter::LogFilePath()));
        QVERIFY(dialogs_.calls.isEmpty());
        QVERIFY(exitStatuses.isEmpty());
        errno = EROFS;
        ErrorReporter::Report(std::make_exception_ptr(std::runtime_error("x")));
        QCOMPARE(ReadLog(), Line(EROFS));
    }

    void outOfMemoryEndsTheProgramWithoutLogOrMessage() {
        ErrorReporter::Report(std::make_exception_ptr(std::bad_alloc()), 0);
        ErrorReporter::Report(std::make_exception_ptr(std::runtime_error("x")), ENOMEM);
        QCOMPARE(exitStatuses, QList<int>({ErrorReporter::OutOfMemoryExitStatus, ErrorReporter::OutOfMemoryExitStatus}));
        QVERIFY(dialogs_.calls.isEmpty());
        // And without a test's exit function the process really ends.
        ErrorReporter::SetExitFunction(nullptr);
        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            ErrorReporter::Report(std::make_exception_ptr(std::bad_alloc()), 0);
            _exit(77);  // reached only if Report came back
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), ErrorReporter::OutOfMemoryExitStatus);
        QVERIFY(WEXITSTATUS(status) != 0);
        QVERIFY(!QFile::exists(ErrorReporter::LogFilePath()));
    }

    void logTxtInTheProgramFolderIsAppendedToOrSkipped() {
        QVERIFY(ErrorReporter::IsInstalled());
        QCOMPARE(ErrorReporter::ProgramFolder(), folder_->path());  // without the trailing slash
        QFile existing(folder_->filePath(QStringLiteral("log.txt")));
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.write("earlier line\n");
        existing.close();
        ErrorReporter::Report(FileError(EACCES), 0);
        ErrorReporter::Report(FileError(EINVAL), 0);
        QCOMPARE(ReadLog(), QStringLiteral("earlier line\n") + Line(EACCES) + Line(EINVAL));

        // An unwritable log is skipped and the user still told. A log path
        // that is a folder cannot be opened, whoever runs the test.
        QVERIFY(existing.remove() && QDir(folder_->path()).mkdir(QStringLiteral("log.txt")));
        dialogs_.calls.clear();
        QVERIFY(!ErrorReporter::AppendLogLine(EACCES));
        ErrorReporter::Report(FileError(EACCES), 0);
        QCOMPARE(dialogs_.calls.size(), 1);

        ErrorReporter::Install(folder_->filePath(QStringLiteral("no/such/folder")));
        QVERIFY(!ErrorReporter::AppendLogLine(EINVAL));
        ErrorReporter::Report(FileError(EINVAL), 0);
        QCOMPARE(dialogs_.calls.size(), 2);
        QVERIFY(!QDir(folder_->filePath(QStringLiteral("no"))).exists());
    }

    void failureInsideADialogIsLoggedButNotShownAgain() {
        dialogs_.whileShown = [] { ErrorReporter::Report(FileError(EIO), 0); };
        ErrorReporter::Report(FileError(EACCES), 0);
        QCOMPARE(dialogs_.calls.size(), 1);
        QCOMPARE(ReadLog(), Line(EACCES) + Line(EIO));
        // Once the first dialog is gone, the next error is shown again.
        dialogs_.whileShown = nullptr;
        ErrorReporter::Report(FileError(EIO), 0);
        QCOMPARE(dialogs_.calls.size(), 2);
    }

    void exceptionsFromEventsTimersAndMouseHandlersReachTheReporter() {
        QVERIFY(qobject_cast<VornApplication*>(QCoreApplication::instance()));
        ThrowingWidget widget;
        QEvent event(QEvent::User);
        QCOMPARE(QCoreApplication::sendEvent(&widget, &event), false);
        QCOMPARE(dialogs_.calls.size(), 1);
        QVERIFY(dialogs_.calls[0].withCheckBox);
        QCOMPARE(dialogs_.calls[0].text, SystemErrorText(EACCES));
        QCOMPARE(ReadLog(), Line(EACCES));

        widget.errorNumber = EINVAL;
        QCoreApplication::postEvent(&widget, new QEvent(QEvent::User));
        QCoreApplication::processEvents();
        QCOMPARE(dialogs_.calls.size(), 2);
        QVERIFY(!dialogs_.calls[1].withCheckBox);  // EINVAL: the plain box

        QTimer::singleShot(0, this, [] { throw std::system_error(EPERM, std::generic_category(), "timer"); });
        QTRY_COMPARE(dialogs_.calls.size(), 3);
        QCOMPARE(dialogs_.calls[2].text, SystemErrorText(EPERM));
        QVERIFY(ReadLog().endsWith(Line(EPERM)));

        // From a mouse handler too, and the program goes on.
        widget.resize(50, 50);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        QTest::mousePress(&widget, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        QCOMPARE(dialogs_.calls.size(), 4);
        QCOMPARE(dialogs_.calls[3].text, SystemErrorText(ENOSPC));
        QTest::mouseRelease(&widget, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        QTest::mousePress(&widget, Qt::LeftButton, Qt::NoModifier, QPoint(12, 12));
        QCOMPARE(dialogs_.calls.size(), 5);
    }

    void realDialogsShowTheBoxAndReturnTheUsersChoice() {
        // The real boxes; the link is recorded, not handed to the desktop.
        Dialogs::Install(nullptr);
        struct RealBoxes : Dialogs {
            Dialogs& real = Dialogs::Current();
            QList<QUrl>& links;
            explicit RealBoxes(QList<QUrl>& opened) : links(opened) {}
            QMessageBox::StandardButton Message(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                                const QString& text, QMessageBox::StandardButtons buttons,
                                                QMessageBox::StandardButton defaultButton) override {
                return real.Message(parent, icon, title, text, buttons, defaultButton);
            }
            QMessageBox::StandardButton MessageWithCheckBox(QWidget* parent, QMessageBox::Icon icon,
                                                            const QString& title, const QString& text,
                                                            const QString& caption, bool& checked) override {
                return real.MessageWithCheckBox(parent, icon, title, text, caption, checked);
            }
            bool OpenLink(const QUrl& link) override {
                links << link;
                return true;
            }
        } boxes(dialogs_.openedLinks);
        Dialogs::Install(&boxes);
        QString seenCaption, seenTitle, seenText;
        AnswerNextBox([&](QMessageBox* box) {
            seenCaption = box->checkBox() ? box->checkBox()->text() : QString();
            seenTitle = box->windowTitle();
            seenText = box->text();
            if (box->checkBox()) box->checkBox()->setChecked(true);
            box->button(QMessageBox::Ok)->click();
        });
        // The whole report with the real dialog: tick the box, press OK.
        ErrorReporter::Report(FileError(EACCES), 0);
        QCOMPARE(seenCaption, ErrorReporter::ReportCheckBoxCaption());
        QCOMPARE(seenTitle, ProgramTitleText());
        QCOMPARE(seenText, SystemErrorText(EACCES));
        QCOMPARE(dialogs_.openedLinks, QList<QUrl>({ErrorReporter::ReportLink(EACCES)}));

        AnswerNextBox([](QMessageBox* box) { box->button(QMessageBox::Ok)->click(); });
        bool checked = true;
        QCOMPARE(Dialogs::Current().MessageWithCheckBox(nullptr, QMessageBox::Critical, ProgramTitleText(), QStringLiteral("text"),
                                                        QStringLiteral("Вывести справку"), checked),
                 QMessageBox::Ok);
        QVERIFY(!checked);  // left unticked

        AnswerNextBox([](QMessageBox* box) { box->button(QMessageBox::No)->click(); });
        QCOMPARE(Dialogs::Current().Message(nullptr, QMessageBox::Warning, ProgramTitleText(), QStringLiteral("?"),
                                            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes),
                 QMessageBox::No);
    }

    void testDialogsWithoutACheckBoxGetAPlainMessage() {
        // A test's own Dialogs that only implement Message still see the text.
        struct OnlyMessage : Dialogs {
            QStringList texts;
            QMessageBox::StandardButton Message(QWidget*, QMessageBox::Icon, const QString&, const QString& text,
                                                QMessageBox::StandardButtons, QMessageBox::StandardButton) override {
                texts.append(text);
                return QMessageBox::Ok;
            }
            QList<QUrl> links;
            bool OpenLink(const QUrl& link) override {
                links << link;
                return true;
            }
        } only;
        Dialogs::Install(&only);
        ErrorReporter::Report(FileError(EACCES), 0);
        QCOMPARE(only.texts, QStringList({SystemErrorText(EACCES)}));
        QVERIFY(only.links.isEmpty());
    }

private:
    // Answers the next real message box once it is shown (polling, since the
    // reporter processes pending events before it shows one); gives up after
    // five seconds by closing whatever modal box there is, so that a test
    // fails instead of hanging.
    void AnswerNextBox(std::function<void(QMessageBox*)> answer) {
        auto* timer = new QTimer(this);
        auto started = std::make_shared<QElapsedTimer>();
        started->start();
        connect(timer, &QTimer::timeout, this, [timer, started, answer] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            const bool shown = box && box->isVisible();
            if (!shown && started->elapsed() <= 5000) return;
            timer->stop();
            timer->deleteLater();
            if (shown) answer(box);
            else if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
        });
        timer->start(10);
    }

    QString ReadLog() const {
        QFile log(ErrorReporter::LogFilePath());
        if (!log.open(QIODevice::ReadOnly)) return QStringLiteral("<no log>");
        return QString::fromUtf8(log.readAll());
    }

    std::unique_ptr<QTemporaryDir> folder_;
    RecordingDialogs dialogs_;
};

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    VornApplication application(argc, argv);
    QLocale::setDefault(QLocale::c());
    ErrorReporterTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "errorreporter_test.moc"
