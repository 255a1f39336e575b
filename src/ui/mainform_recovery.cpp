// Recovery of circuits a killed or crashed program left unsaved: the keeper
// that writes this program's copy, and the offer of other programs' copies
// once the start has finished.
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include "dialogs.h"
#include "mainform.h"
#include "programtitle.h"
#include "recoverykeeper.h"

namespace vorn {

namespace {

constexpr int kOfferRetryMs = 500;

QString OfferText(const StaleRecovery& copy) {
    const QString original = QString::fromStdString(copy.note.originalName);
    const QDateTime written = QFileInfo(QFile::decodeName(copy.circuit.c_str())).lastModified();
    return Tmain::tr("Восстановить несохранённую схему «%1» от %2?")
        .arg(original.isEmpty() ? Tmain::tr("Новая схема") : QDir::toNativeSeparators(original),
             written.toString(QStringLiteral("dd.MM.yyyy HH:mm")));
}

}  // namespace

void Tmain::CreateRecovery() {
    recovery_ = new RecoveryKeeper(*document_, this);
    // A write that falls due while a mouse button is held waits for the
    // gesture to end, so a copy never holds half a gesture.
    recovery_->Busy = [this] { return state_->GestureActive; };
    // Told once the command that triggered the write has finished.
    connect(
        recovery_, &RecoveryKeeper::failed, this,
        [this](const QString& message) {
            Dialogs::Current().Message(this, QMessageBox::Warning, ProgramTitleText(), message, QMessageBox::Ok,
                                       QMessageBox::Ok);
        },
        Qt::QueuedConnection);
}

void Tmain::OfferRecovery() {
    if (recoveryOffered_ || recovery_->Folder().isEmpty()) return;
    // Not while the wizard holds the window or a clip draws in it: asked
    // once the learner has the window again.
    if (!isEnabled() || clips_->Active()) {
        QTimer::singleShot(kOfferRetryMs, this, &Tmain::OfferRecovery);
        return;
    }
    recoveryOffered_ = true;
    for (const StaleRecovery& copy : recovery_->StaleCopies()) {
        if (Dialogs::Current().Message(this, QMessageBox::Warning, ProgramTitleText(), OfferText(copy),
                                       QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) != QMessageBox::Yes) {
            recovery_->Refused(copy);
            continue;
        }
        // The open document (a command-line file, say) is asked about
        // first; staying keeps the copy for the next start.
        if (!MayReplaceDocument()) return;
        ReadVerdict verdict = ReadVerdict::Invalid;
        try {
            verdict = document_->Recover(QFile::decodeName(copy.circuit.c_str()),
                                         QString::fromStdString(copy.note.originalName));
        } catch (const CircuitFileError&) {
            // Unreadable: told below like a damaged copy.
        }
        recovery_->Forget(copy);
        if (verdict != ReadVerdict::Valid) {
            ErrorDialogWithHelp(tr("Ошибка в файле: программа не может открыть файл."), tr("Вывести справку"));
            continue;
        }
        ShowDocumentControls();
        reloadcanvas();
        return;
    }
}

}  // namespace vorn
