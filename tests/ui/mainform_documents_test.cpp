// The document commands with scripted answers: saving under the names the
// user gives, the prompt for unsaved changes, opening good and bad files,
// closing, dropping, the command line and the error dialog's help.
#include <QAction>
#include <QDockWidget>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "circuitfile.h"
#include "datafolder.h"
#include "dialogs.h"
#include "errorreporter.h"
#include "helpviewer.h"
#include "helpwindow.h"
#include "mainform.h"
#include "openchooser.h"
#include "scripted_dialogs.h"
#include "shown_window.h"

using namespace vorn;
using vorn::test::Inside;

namespace {

using vorn::test::ScriptedDialogs;
using vorn::test::ShownWindow;

const QString kPrompt = QStringLiteral("Схема не сохранена. Изменения будут утеряны. Сохранить?");
const QString kNotFound =
    QStringLiteral("Файл с таким именем не найден или не является файлом схем. Повторите попытку.");
const QString kBadFile = QStringLiteral("Ошибка в файле: программа не может открыть файл.");

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void Edit(Tmain& w) { test::EditDocument(w, 3, 3, Lamp); }

}  // namespace

class MainformDocumentsTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        dialogs_ = std::make_unique<ScriptedDialogs>();
        Dialogs::Install(dialogs_.get());
        folder_ = std::make_unique<QTemporaryDir>();
    }
    void cleanup() { Dialogs::Install(nullptr); }

    void saveAsNamesTheFileAndAsksBeforeOverwriting();
    void failedSaveNeverShowsSaved();
    void promptGuardsNewAndClosingTheWindow();
    void openResolvesNamesAndRefusesBadFiles();
    void choosersStartWhereTheyWereLastUsed();
    void closeLeavesNoDocumentUntilNew();
    void dropAndCommandLineOpenFiles();
    void errorDialogOpensItsHelpTopic();

private:
    QString Path(const QString& name) const { return folder_->filePath(name); }
    std::unique_ptr<Tmain> Window() {
        auto w = ShownWindow();
        ErrorReporter::Install(folder_->path());  // the log goes to the test's folder
        w->State().SettingsFile = Path("vorn.ini");  // and so do the settings
        return w;
    }

    std::unique_ptr<ScriptedDialogs> dialogs_;
    std::unique_ptr<QTemporaryDir> folder_;
};

void MainformDocumentsTest::saveAsNamesTheFileAndAsksBeforeOverwriting() {
    auto w = Window();
    auto ui = Inside(w);
    Edit(*w);
    dialogs_->fileNames = {Path("first")};
    ui.Save1->trigger();  // a new document has no file yet: Save asks for one
    QVERIFY(QFile::exists(Path("first.vfl")));
    QCOMPARE(w->Document().FileName(), Path("first.vfl"));
    QCOMPARE(w->windowTitle(), "Vorn v1.1 - [" + Path("first.vfl") + "]");
    QCOMPARE(w->Document().State(), DocumentState::Saved);

    // Upper case gets a lower-case extension of its own; 250 characters are too many.
    dialogs_->fileNames = {Path("UP.VFL"), Path(QString(250, 'a'))};
    ui.SaveAs1->trigger();
    QVERIFY(QFile::exists(Path("UP.VFL.vfl")));
    ui.SaveAs1->trigger();
    QVERIFY(dialogs_->messages.last().startsWith(QStringLiteral("Имя файла или его расширение")));
    QCOMPARE(w->Document().FileName(), Path("UP.VFL.vfl"));

    // Onto another existing file: No writes nothing, and Save goes on writing the old file.
    QFile::remove(Path("UP.VFL.vfl"));
    w->Document().Cells().at(9, 9) = Inverter;
    dialogs_->answers = {QMessageBox::No};
    dialogs_->fileNames = {Path("first.vfl")};
    QFile::copy(Path("first.vfl"), Path("UP.VFL.vfl"));
    ui.SaveAs1->trigger();
    QCOMPARE(dialogs_->messages.last(), QStringLiteral("Файл с таким именем уже существует. Перезаписать?"));
    auto back = std::make_unique<NodeGrid>();
    ReadCircuit(Path("first.vfl").toStdString(), *back);
    QCOMPARE(back->at(9, 9), Empty);
    ui.Save1->trigger();
    ReadCircuit(Path("UP.VFL.vfl").toStdString(), *back);
    QCOMPARE(back->at(9, 9), Inverter);

    // Its own file is written without a question; a deleted one is asked for again.
    const int shown = dialogs_->messages.size();
    dialogs_->fileNames = {Path("UP.VFL.vfl")};
    ui.SaveAs1->trigger();
    QCOMPARE(dialogs_->messages.size(), shown);
    QFile::remove(Path("UP.VFL.vfl"));
    dialogs_->fileNames = {Path("again.vfl")};
    ui.Save1->trigger();
    QVERIFY(QFile::exists(Path("again.vfl")));
}

void MainformDocumentsTest::failedSaveNeverShowsSaved() {
    auto w = Window();
    Edit(*w);
    dialogs_->fileNames = {Path("missing-folder/circuit")};
    Inside(w).SaveAs1->trigger();
    QCOMPARE(w->Document().State(), DocumentState::Modified);
    QVERIFY(w->Document().FileName().isEmpty());
    QCOMPARE(w->windowTitle(), QStringLiteral("Vorn v1.1 - [Новая схема]"));
    // The user is told what failed and why; an everyday failure is no fault to report.
    QCOMPARE(dialogs_->messages, QStringList{QStringLiteral("Схема не сохранена в файл «%1». Папка, в которую "
                                                            "сохраняется файл, не найдена. Повторите попытку.")
                                                 .arg(Path("missing-folder/circuit.vfl"))});
    QVERIFY(!QFile::exists(ErrorReporter::LogFilePath()));
    // Nor does the prompt count such a save as done: the window stays.
    dialogs_->answers = {QMessageBox::Yes};
    dialogs_->fileNames = {Path("missing-folder/circuit")};
    QVERIFY(!w->close());
}

void MainformDocumentsTest::promptGuardsNewAndClosingTheWindow() {
    auto w = Window();
    auto ui = Inside(w);
    Edit(*w);
    dialogs_->answers = {QMessageBox::Cancel, QMessageBox::Yes, QMessageBox::No};
    ui.New1->trigger();  // Cancel
    ui.New1->trigger();  // Yes, and the Save dialog cancelled
    QCOMPARE(w->Document().Cells().at(3, 3), Lamp);
    QCOMPARE(w->Document().State(), DocumentState::Modified);
    ui.New1->trigger();  // No
    QCOMPARE(w->Document().Cells().at(3, 3), Empty);
    QCOMPARE(w->Document().State(), DocumentState::New);
    QCOMPARE(dialogs_->messages, QStringList({kPrompt, kPrompt, kPrompt}));
    ui.New1->trigger();  // not modified: no question
    QCOMPARE(dialogs_->messages.size(), 3);

    Edit(*w);
    QSignalSpy closing(w.get(), &Tmain::closeRequested);
    dialogs_->answers = {QMessageBox::Cancel};
    QVERIFY(!w->close());
    QVERIFY(w->isVisible());
    QCOMPARE(closing.count(), 1);  // the settings are written all the same
    dialogs_->answers = {QMessageBox::No};
    QVERIFY(w->close());
}

void MainformDocumentsTest::openResolvesNamesAndRefusesBadFiles() {
    auto w = Window();
    auto ui = Inside(w);
    w->Document().Cells().at(4, 5) = SourceOn;
    dialogs_->fileNames = {Path("good")};
    ui.SaveAs1->trigger();
    WriteFile(Path("bad.vfl"), "not a circuit\r\n");

    ui.New1->trigger();
    Edit(*w);
    dialogs_->answers = {QMessageBox::No};
    dialogs_->fileNames = {Path("bad.vfl")};
    ui.Open1->trigger();
    QCOMPARE(dialogs_->messages.last(), kBadFile);
    QCOMPARE(w->Document().Cells().at(3, 3), Lamp);  // everything as it was
    QCOMPARE(w->Document().State(), DocumentState::Modified);
    QCOMPARE(w->windowTitle(), QStringLiteral("Vorn v1.1 - [Новая схема]"));

    dialogs_->answers = {QMessageBox::No};
    dialogs_->fileNames = {Path("good")};  // typed without its extension
    ui.Open1->trigger();
    QCOMPARE(w->Document().Cells().at(4, 5), SourceOn);
    QCOMPARE(w->Document().Cells().at(3, 3), Empty);
    QCOMPARE(w->Document().State(), DocumentState::Opened);
    QCOMPARE(w->Document().FileName(), Path("good.vfl"));
    QVERIFY(!ui.Undo1->isEnabled());

    QCOMPARE(ResolveCircuitName(Path("good.VfL")), QString());  // no such file
    QCOMPARE(ResolveCircuitName(QStringLiteral("ab")), QStringLiteral("ab.vfl"));
    QCOMPARE(ResolveCircuitName(QStringLiteral("picture.bmp")), QString());

    // The real chooser hands such a name on; a refusal would be a message box
    // over it, closed here so that the test goes on.
    const auto chooser = MakeOpenChooser(nullptr, "Открыть ...", folder_->path(), "Vorn files (*.vfl)");
    QTimer::singleShot(0, chooser.get(), [] {
        if (QWidget* box = QApplication::activeModalWidget()) box->close();
    });
    chooser->selectFile(QStringLiteral("good"));
    static_cast<QDialog*>(chooser.get())->accept();  // as the Open button does
    QCOMPARE(chooser->result(), int(QDialog::Accepted));
    QCOMPARE(chooser->selectedFiles(), QStringList{Path("good")});
}

void MainformDocumentsTest::choosersStartWhereTheyWereLastUsed() {
    auto w = Window();
    auto ui = Inside(w);
    const QString documents = ResolveChooserFolder(QString());
    QVERIFY(documents != QCoreApplication::applicationDirPath());
    QVERIFY(QDir(folder_->path()).mkdir("circuits"));
    dialogs_->fileNames = {Path("circuits/first"), Path("circuits/first")};
    ui.SaveAs1->trigger();
    ui.Open1->trigger();
    Inside(Window()).Open1->trigger();  // the next run remembers it too
    QVERIFY(QDir(Path("circuits")).removeRecursively());
    ui.Open1->trigger();
    QCOMPARE(dialogs_->chooserFolders, (QStringList{documents, Path("circuits"), Path("circuits"), documents}));
}

void MainformDocumentsTest::closeLeavesNoDocumentUntilNew() {
    auto w = Window();
    auto ui = Inside(w);
    Edit(*w);
    dialogs_->answers = {QMessageBox::No};
    ui.Close1->trigger();
    QCOMPARE(w->Document().Cells().at(3, 3), Empty);
    QVERIFY(!ui.Save1->isEnabled() && !ui.SaveAs1->isEnabled() && !ui.Close1->isEnabled());
    QVERIFY(!ui.WorkPlace->isVisible() && !w->statusBar()->isVisible() && ui.ToolbarHolder->isHidden());
    QVERIFY(!ui.Edit1->menuAction()->isVisible() && !ui.Zoom2->isVisible() && !ui.Showtoolkit1->isEnabled());
    QCOMPARE(w->windowTitle(), QStringLiteral("Vorn v1.1"));
    QCOMPARE(w->Document().State(), DocumentState::Closed);

    ui.New1->trigger();
    QVERIFY(ui.Save1->isEnabled() && ui.WorkPlace->isVisible() && w->statusBar()->isVisible());
    QVERIFY(ui.Edit1->menuAction()->isVisible() && ui.Showtoolkit1->isChecked() && !ui.ToolbarHolder->isHidden());
    QCOMPARE(w->Document().State(), DocumentState::New);
}

void MainformDocumentsTest::dropAndCommandLineOpenFiles() {
    auto w = Window();
    auto ui = Inside(w);
    w->Document().Cells().at(7, 7) = Inverter;
    dialogs_->fileNames = {Path("with space")};
    ui.SaveAs1->trigger();
    WriteFile(Path("picture.bmp"), {});
    ui.New1->trigger();

    // A drop of several files opens the last; a picture is refused and
    // changes nothing, and no click lands on the surface.
    Edit(*w);
    const auto drop = [&](const QList<QUrl>& urls) {
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(200, 200), Qt::CopyAction, &data, Qt::NoButton, {});
        QApplication::sendEvent(w->centralWidget(), &enter);
        QDropEvent event(QPointF(200, 200), Qt::CopyAction, &data, Qt::NoButton, {});
        QApplication::sendEvent(w->centralWidget(), &event);
        QTest::qWait(20);
    };
    dialogs_->answers = {QMessageBox::No};
    drop({QUrl::fromLocalFile(Path("with space.vfl")), QUrl::fromLocalFile(Path("picture.bmp"))});
    QCOMPARE(dialogs_->messages, QStringList({kPrompt, kNotFound}));
    QCOMPARE(w->Document().Cells().at(3, 3), Lamp);
    QCOMPARE(w->Document().UndoCount(), 1);  // the history as it was
    dialogs_->answers = {QMessageBox::No};
    drop({QUrl::fromLocalFile(Path("with space.vfl"))});
    QCOMPARE(w->Document().Cells().at(7, 7), Inverter);
    QCOMPARE(w->Document().State(), DocumentState::Opened);

    // The command line: the name as given, once; without its extension it is refused.
    ui.New1->trigger();
    w->State().CommandLineFile = Path("with space");
    w->OpenCommandLineFile();
    QCOMPARE(dialogs_->messages.last(), QStringLiteral("Параметры командной строки заданы не верно."));
    QVERIFY(w->State().CommandLineFile.isEmpty());
    w->State().CommandLineFile = Path("with space.vfl");
    w->OpenCommandLineFile();
    QCOMPARE(w->Document().Cells().at(7, 7), Inverter);
}

void MainformDocumentsTest::errorDialogOpensItsHelpTopic() {
    auto w = Window();
    HelpViewer::SetHelpFile(QFileInfo(QStringLiteral(__FILE__)).dir().absoluteFilePath(QStringLiteral("../../help/help.hlp")));
    Inside(w).ErrorDialogWithHelp(kNotFound, QStringLiteral("Вывести справку"));
    QVERIFY(!HelpViewer::Window() || !HelpViewer::Window()->isVisible());  // the box was not ticked
    dialogs_->tickHelp = true;
    Inside(w).LoadDocument(Path("nothing.vfl"));
    QVERIFY(HelpViewer::Window() && HelpViewer::Window()->isVisible());
    QString topic = kNotFound;
    topic.remove(' ');
    QCOMPARE(HelpViewer::Window()->CurrentTopicId(), topic);
    HelpViewer::CloseWindow();
}

QTEST_MAIN(MainformDocumentsTest)
#include "mainform_documents_test.moc"
