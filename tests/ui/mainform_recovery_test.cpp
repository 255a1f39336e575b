// Recovery copies and recent files in the main window: the offer of a killed
// program's copy, taking and refusing it, the own copy following the
// document, an unwritable folder, and the recent list of the File menu.
#include <QAction>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>

#include "circuitfile.h"
#include "mainform.h"
#include "recoverykeeper.h"
#include "scripted_dialogs.h"
#include "shown_window.h"

using namespace vorn;
using vorn::test::Inside;

namespace {

std::filesystem::path PathOf(const QString& name) { return QFile::encodeName(name).toStdString(); }

}  // namespace

class MainformRecoveryTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::ScriptedDialogs> dialogs_;
    std::unique_ptr<QTemporaryDir> dir_;
    QString Path(const QString& name) const { return dir_->filePath(name); }
    std::filesystem::path Folder() const { return PathOf(Path("recovery")); }

    std::unique_ptr<Tmain> Window() {
        auto w = test::ShownWindow();
        w->State().SettingsFile = Path("vorn.ini");
        w->Recovery().SetFolder(Path("recovery"));
        return w;
    }
    // The copy a killed program left: a lamp named L1, for original.
    void LeaveCopy(long pid, const QString& original) {
        std::filesystem::create_directories(Folder());
        auto cells = std::make_unique<CellGrid>();
        ClearCellGrid(*cells);
        cells->at(4, 5) = Lamp;
        WriteCircuit(RecoveryCircuitPath(Folder(), pid), *cells, NameTable{{{4, 5}, "L1"}});
        QCOMPARE(WriteRecoveryNote(RecoveryNotePath(Folder(), pid), {original.toStdString(), "ended", 7, 0}), 0);
    }
    bool CopyLeft(long pid) const { return std::filesystem::exists(RecoveryCircuitPath(Folder(), pid)); }

private slots:
    void init() {
        dialogs_ = std::make_unique<test::ScriptedDialogs>();
        Dialogs::Install(dialogs_.get());
        dir_ = std::make_unique<QTemporaryDir>();
    }
    void cleanup() { Dialogs::Install(nullptr); }

    void takenCopyOpensModifiedUnderItsOriginalNameWhichStaysUntouched() {
        const QString original = Path("handed out.vfl");
        QFile handed(original);
        QVERIFY(handed.open(QIODevice::WriteOnly) && handed.write(" 1 1 8\r\n") == 8);
        handed.close();
        LeaveCopy(999999, original);
        auto w = Window();
        dialogs_->answers = {QMessageBox::Yes};
        Inside(w).OfferRecovery();
        Inside(w).OfferRecovery();  // once a run
        QCOMPARE(dialogs_->messages.size(), 1);
        QVERIFY(dialogs_->messages[0].startsWith("Восстановить несохранённую схему «" + original + "» от "));
        QCOMPARE(w->Document().State(), DocumentState::Modified);
        QCOMPARE(w->Document().FileName(), original);
        QCOMPARE(w->Document().Cells().at(4, 5), Lamp);
        QCOMPARE(w->Document().Names(), (NameTable{{{4, 5}, "L1"}}));
        QVERIFY(!CopyLeft(999999));
        QVERIFY(QFile::exists(w->Recovery().CopyPath()));  // the circuit now lives in this program's copy
        QVERIFY(handed.open(QIODevice::ReadOnly) && handed.readAll() == " 1 1 8\r\n");
    }

    // A refused copy stays (the model's rules say for how long) until the
    // refusing program saves.
    void aRefusedCopyStaysUntilTheNextSave() {
        LeaveCopy(999998, QString());
        auto w = Window();
        dialogs_->answers = {QMessageBox::No};
        Inside(w).OfferRecovery();
        QVERIFY(dialogs_->messages.last().contains("«Новая схема»"));
        QCOMPARE(w->Document().State(), DocumentState::New);
        test::EditDocument(*w, 2, 2, Lamp);
        QVERIFY(CopyLeft(999998));
        w->Document().Save(Path("saved.vfl"));
        QVERIFY(!CopyLeft(999998));
    }

    // Each command that leaves nothing unsaved takes the copy away.
    void theOwnCopyFollowsUnsavedChanges() {
        for (int command = 0; command < 5; ++command) {
            auto w = Window();
            const QString copy = w->Recovery().CopyPath();
            QVERIFY(!QFile::exists(copy));
            test::EditDocument(*w, 3, 3, Lamp);
            NodeGrid read;
            QCOMPARE(ReadCircuit(PathOf(copy), read), ReadVerdict::Valid);  // the first change is written at once
            QCOMPARE(read.at(3, 3), Lamp);
            switch (command) {
            case 0: w->Document().Save(Path("a.vfl")); break;
            case 1: w->Document().Reset(); break;
            case 2: w->Document().Close(); break;
            case 3: w->Recovery().SetInterval(0); break;
            case 4: w.reset(); break;  // the program ends normally
            }
            QVERIFY2(!QFile::exists(copy), qPrintable(QString::number(command)));
        }
    }

    void anUnwritableFolderSwitchesRecoveryOffWithOneMessage() {
        QFile(Path("a file")).open(QIODevice::WriteOnly);
        auto w = test::ShownWindow();
        w->Recovery().SetFolder(Path("a file/recovery"));  // no folder can be made under a file, not even by root
        for (int x = 2; x < 6; ++x) test::EditDocument(*w, x, 2, Lamp);
        QCoreApplication::processEvents();
        QCOMPARE(dialogs_->messages.size(), 1);
        QVERIFY(dialogs_->messages[0].contains("Восстановление после сбоя выключено"));
        QVERIFY(!w->Recovery().Active());
        QCOMPARE(w->Document().UndoCount(), 4);
    }

    // Opened and saved files go to the top (the model keeps the order and
    // the limit); a vanished one is dropped with a message.
    void recentFilesFollowOpeningAndSavingAndLoseVanishedOnes() {
        auto w = Window();
        auto ui = Inside(w);
        const QStringList names{Path("R&D.vfl"), Path("b.vfl"), Path("c.vfl")};
        for (const QString& name : names) w->Document().Save(name);
        QVERIFY(ui.LoadDocument(names[0]));
        QCOMPARE(ui.RecentFiles(), (QStringList{names[0], names[2], names[1]}));
        emit ui.File1->aboutToShow();
        QCOMPARE(ui.RecentItems.size(), 4u);  // a separator and three files
        QCOMPARE(ui.RecentItems[1]->text(), "&1 " + QString(names[0]).replace("&", "&&"));
        QFile::remove(names[2]);
        ui.OpenRecentFile(names[2]);
        QVERIFY(dialogs_->messages.last().contains("убран из списка последних файлов"));
        QCOMPARE(ui.RecentFiles(), (QStringList{names[0], names[1]}));
        ui.OpenRecentFile(names[1]);
        QCOMPARE(w->Document().FileName(), names[1]);
        QCOMPARE(ui.RecentFiles(), (QStringList{names[1], names[0]}));
    }
};

QTEST_MAIN(MainformRecoveryTest)
#include "mainform_recovery_test.moc"
