// The open document: New, Open, Save, Save as, Close, closing the window,
// dropped files and the command-line file, with the prompt for unsaved
// changes and the window title.
#include <exception>
#include <filesystem>

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDockWidget>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMimeData>
#include <QScopeGuard>
#include <QScrollBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

#include "circuitfile.h"
#include "datafolder.h"
#include "dialogs.h"
#include "errorreporter.h"
#include "helpviewer.h"
#include "mainform.h"
#include "propagation.h"
#include "savefailure.h"
#include "settingsstore.h"
#include "programtitle.h"

namespace vorn {

namespace {

const QString kFilter = QStringLiteral("Vorn files (*.vfl)");
// The messages that offer help: the help file has a topic named after each
// of them as shown, its blanks removed, in every language.
QString NotFoundText() {
    return Tmain::tr("Файл с таким именем не найден или не является файлом схем. Повторите попытку.");
}
QString BadFileText() { return Tmain::tr("Ошибка в файле: программа не может открыть файл."); }
QString BadCommandLineText() { return Tmain::tr("Параметры командной строки заданы не верно."); }
QString HelpCaption() { return Tmain::tr("Вывести справку"); }


bool IsFile(const QString& name) { return !name.isEmpty() && QFileInfo(name).isFile(); }

// The Open and Save dialogs start where they were last used, which the
// settings file remembers from one run to the next.
QString ChooserFolder(const ProgramState& s) {
    return ResolveChooserFolder(SettingsStore(s.SettingsFile).ReadLastFolder());
}

void RememberChooserFolder(const ProgramState& s, const QString& chosen) {
    SettingsStore(s.SettingsFile).WriteLastFolder(QFileInfo(chosen).absolutePath());
}

QString SaveFailedText(const QString& name, std::string_view reason) {
    return Tmain::tr("Схема не сохранена в файл «%1». %2 Повторите попытку.")
        .arg(name, QString::fromUtf8(reason.data(), static_cast<qsizetype>(reason.size())));
}

}  // namespace

QString ResolveCircuitName(const QString& name) {
    const bool vflEnding = name.size() >= 4 && name.right(4).compare(QStringLiteral(".vfl"), Qt::CaseInsensitive) == 0;
    if (vflEnding && IsFile(name)) return name;
    if (name.size() < 4 || name.at(name.size() - 4) != QLatin1Char('.')) return name + QStringLiteral(".vfl");
    return {};  // another extension, or a .vfl file that is not there
}

QString SaveTargetName(const QString& chosen) {
    return chosen.endsWith(QStringLiteral(".vfl")) ? chosen : chosen + QStringLiteral(".vfl");
}

// ---- the prompt ----------------------------------------------------------------

QMessageBox::StandardButton Tmain::AskSaveQuestion() {
    return Dialogs::Current().Message(this, QMessageBox::Warning, ProgramTitleText(),
                                      tr("Схема не сохранена. Изменения будут утеряны. Сохранить?"),
                                      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
}

bool Tmain::AskToSaveChanges() {
    const bool paused = clips_->Playing();
    if (paused) PauseClip();
    bool proceed = true;
    if (document_->State() == DocumentState::Modified) {
        const QMessageBox::StandardButton answer = AskSaveQuestion();
        proceed = answer == QMessageBox::No || (answer == QMessageBox::Yes && SaveForPrompt());
    }
    if (!proceed && paused) ResumeClip();
    return proceed;
}

bool Tmain::MayReplaceDocument() {
    if (!AskToSaveChanges()) return false;
    // A clip cannot go on over a circuit it did not build.
    StopClip();
    return true;
}

bool Tmain::SaveForPrompt() {
    if (!document_->FileName().isEmpty())
        Save1Click();
    else
        SaveAs1Click();
    return document_->State() == DocumentState::Saved;
}

// ---- New -------------------------------------------------------------------------

void Tmain::New1Click() {
    if (MayReplaceDocument()) ResetToNewDocument();
}

void Tmain::ResetToNewDocument() {
    document_->Reset();
    ShowDocumentControls();
}

void Tmain::ShowDocumentControls() {
    ProgramState& s = *state_;
    // The surface at the field's top-left corner.
    ++repaintHold_;
    WorkPlace->setVisible(true);
    HorzScroll->setValue(0);
    VertScroll->setValue(0);
    --repaintHold_;
    ToolbarHolder->setVisible(true);
    Showtoolkit1->setEnabled(true);
    Showtoolkit1->setChecked(true);
    for (QAction* item : {Save1, SaveAs1, Close1}) item->setEnabled(true);
    for (QMenu* menu : {Edit1, Start1, Tools1}) menu->menuAction()->setVisible(true);
    for (QAction* zoom : {Zoom1, Zoom2, Zoom3}) zoom->setVisible(true);
    statusBar()->setVisible(true);
    // Out of run mode, with the tool as it was before the run.
    if (s.RunMode) {
        s.RunMode = false;
        s.CurrentTool -= kRunToolOffset;
    }
    SyncRunCheck();
    SetEditingLocked(false);
    ApplyDocumentTask();
    if (layout()) layout()->activate();
    LayoutWorkArea();
}

// ---- Open ------------------------------------------------------------------------

void Tmain::Open1Click() {
    if (!MayReplaceDocument()) return;
    const QString name =
        Dialogs::Current().OpenFileName(this, tr("Открыть ..."), ChooserFolder(*state_), kFilter);
    if (name.isEmpty()) return;
    RememberChooserFolder(*state_, name);
    if (!IsFile(name) && !IsFile(name + QStringLiteral(".vfl"))) {
        ErrorDialogWithHelp(BadFileText(), HelpCaption());
        return;
    }
    LoadDocument(name);
}

bool Tmain::LoadDocument(const QString& name) {
    const QString resolved = ResolveCircuitName(name);
    if (resolved.isEmpty() || !IsFile(resolved)) {
        ErrorDialogWithHelp(NotFoundText(), HelpCaption());
        reloadcanvas();
        return false;
    }
    // A file that is no circuit leaves the circuit on screen as it is.
    if (document_->Load(resolved) != ReadVerdict::Valid) {
        ErrorDialogWithHelp(BadFileText(), HelpCaption());
        return false;
    }
    ShowDocumentControls();
    reloadcanvas();
    return true;
}

// ---- Save and Save as ------------------------------------------------------------

bool Tmain::WriteDocument(const QString& name) {
    // Whatever fails, the old file is intact and the user is told why.
    try {
        document_->Save(name);
        return true;
    } catch (const CircuitFileError& failure) {
        // A folder that is missing, read-only or full is the user's to mend,
        // not a fault worth a report.
        if (const auto reason = SaveFailureReason(failure)) {
            Dialogs::Current().Message(this, QMessageBox::Critical, ProgramTitleText(), SaveFailedText(name, *reason),
                                       QMessageBox::Ok, QMessageBox::Ok);
            return false;
        }
        ErrorReporter::Report(std::current_exception());
        return false;
    } catch (...) {
        ErrorReporter::Report(std::current_exception());
        return false;
    }
}

void Tmain::Save1Click() {
    if (!IsFile(document_->FileName())) {
        SaveAs1Click();
        return;
    }
    WriteDocument(document_->FileName());
}

void Tmain::SaveAs1Click() {
    const QString chosen =
        Dialogs::Current().SaveFileName(this, tr("Сохранить как..."), ChooserFolder(*state_), kFilter);
    if (chosen.isEmpty()) return;
    RememberChooserFolder(*state_, chosen);
    if (chosen.size() >= 250) {
        Dialogs::Current().Message(
            nullptr, QMessageBox::Critical, ProgramTitleText(),
            tr("Имя файла или его расширение имеет слишком большую длину. Повторите попытку."),
            QMessageBox::Ok, QMessageBox::Ok);
        return;
    }
    const QString target = SaveTargetName(chosen);
    if (QFileInfo::exists(target) && target != document_->FileName() &&
        Dialogs::Current().Message(this, QMessageBox::Warning, ProgramTitleText(),
                                   tr("Файл с таким именем уже существует. Перезаписать?"),
                                   QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return;
    // Only a file that was written becomes the document's file.
    if (!WriteDocument(target)) return;
    Save1->setEnabled(true);
}

// ---- Close -------------------------------------------------------------------------

void Tmain::Close1Click() {
    if (MayReplaceDocument()) CloseDocument();
}

void Tmain::CloseDocument() {
    document_->Close();
    ApplyDocumentTask();
    WorkPlace->setVisible(false);
    ToolbarHolder->setVisible(false);
    Showtoolkit1->setEnabled(false);
    Showtoolkit1->setChecked(false);
    for (QAction* item : {Save1, SaveAs1, Close1}) item->setEnabled(false);
    for (QMenu* menu : {Start1, Edit1, Tools1}) menu->menuAction()->setVisible(false);
    for (QAction* zoom : {Zoom1, Zoom2, Zoom3}) zoom->setVisible(false);
    statusBar()->setVisible(false);
}

// ---- closing the window --------------------------------------------------------

bool Tmain::MayClose() {
    const bool close = AskToSaveChanges();
    // A recording is offered for saving before the program ends.
    if (close && clips_->Recording()) ToggleRecording();
    if (!close) activateWindow();
    emit closeRequested();  // the settings are written whether or not the window closes
    return close;
}

void Tmain::closeEvent(QCloseEvent* event) {
    if (MayClose())
        event->accept();
    else
        event->ignore();
}

// ---- dropped files and the command line ------------------------------------------

void Tmain::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void Tmain::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty()) return;
    event->acceptProposedAction();
    // Only the last file counts. The drop returns to the shell first, so
    // that a prompt does not hold the file manager's drag.
    const QString name = urls.last().toLocalFile();
    QTimer::singleShot(0, this, [this, name] { OpenDroppedFile(name); });
}

void Tmain::OpenDroppedFile(const QString& name) {
    if (name.isEmpty()) return;
    const bool playing = clips_->Playing();
    if (!AskToSaveChanges()) return;
    // A clip cannot go on over a circuit it did not build.
    if (LoadDocument(name))
        StopClip();
    else if (playing)
        ResumeClip();
}

void Tmain::OpenCommandLineFile() {
    // Then, the start being over, what killed programs left unsaved.
    const auto offerRecovery = qScopeGuard([this] { OfferRecovery(); });
    ProgramState& s = *state_;
    if (s.CommandLineFile.isEmpty()) return;
    const QString name = s.CommandLineFile;
    s.CommandLineFile.clear();
    if (IsFile(name)) {
        LoadDocument(name);
        return;
    }
    QCoreApplication::processEvents();
    ErrorDialogWithHelp(BadCommandLineText(), HelpCaption());
}

// ---- the error dialog that offers help ------------------------------------------

void Tmain::ErrorDialogWithHelp(const QString& message, const QString& checkBoxCaption) {
    bool checked = false;
    const QMessageBox::StandardButton answer =
        Dialogs::Current().MessageWithCheckBox(this, QMessageBox::Critical, ProgramTitleText(), message, checkBoxCaption, checked);
    if (answer != QMessageBox::Ok || !checked) return;
    QString topic = message;
    topic.remove(QLatin1Char(' '));
    HelpViewer::OpenTopic(this, topic);
}

}  // namespace vorn
