// The window's side of the clip player: starting a clip in the view clips
// are made for, dispatching its events into the window's own handlers, the
// window given back as it was when the clip halts, and the recorder's file.
#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QSaveFile>

#include "blockselection.h"
#include "dialogs.h"
#include "mainform.h"
#include "pointer.h"
#include "programtitle.h"

namespace vorn {

namespace {

constexpr int kClipZoom = 2;  // clips are played at 100 %

}  // namespace

void Tmain::CreateClipControls() {
    clips_->IsWindowActive = [this] { return isActiveWindow(); };
    clips_->PointerPosition = [this] { return ClipPointerPosition(); };
    connect(clips_, &ClipPlayer::eventDue, this, &Tmain::DispatchClipEvent);
    connect(clips_, &ClipPlayer::halted, this, &Tmain::ClipHalted);

    // Esc leaves a playing clip; otherwise it drops a floating block or the
    // selection.
    auto* leave = new QAction(this);
    leave->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(leave, &QAction::triggered, this, [this] {
        if (clips_->Active() && !clips_->Recording())
            LeaveClip();
        else
            selection_->Cancel();
    });
    addAction(leave);

    // Ctrl+G starts recording the user's actions as a clip, and ends it with
    // the question where to save them.
    RecordClip = new QAction(tr("Запись ролика"), this);
    RecordClip->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    connect(RecordClip, &QAction::triggered, this, &Tmain::ToggleRecording);
    addAction(RecordClip);
}

// ---- playing -----------------------------------------------------------------

bool Tmain::StartClip(ClipScript script, int start, const QString& caption) {
    // A recording ends, and is offered for saving, before a clip plays.
    if (clips_->Recording()) ToggleRecording();
    if (start == 0) New1Click();
    SetZoom(kClipZoom);
    if (start == 0 && document_->State() != DocumentState::New) return false;

    InnerPanel->setEnabled(false);
    clips_->Play(script, start);
    // The smallest window the layout allows: the size clips are made for.
    // The user's own size comes back when the clip halts.
    if (!clipSizeSet_) {
        geometryBeforeClip_ = normalGeometry();
        maximisedBeforeClip_ = isMaximized();
        clipSizeSet_ = true;
    }
    if (isMaximized()) showNormal();
    resize(150, 150);
    // The caption stands on the hint line as it is, while the clip plays.
    if (!caption.isEmpty()) StatusPanel(1)->setText(caption);
    return true;
}

void Tmain::DispatchClipEvent(const ClipEvent& event) {
    if (const int tool = ClipToolOf(event.code)) {
        SelectTool(tool);  // what the tool's button does
        return;
    }
    switch (event.code) {
    case kClipRun: Run2Click(); break;
    case kClipPointerSample: MoveClipPointer(event.x, event.y); break;
    case kClipLeftPress: Image3MouseDown(Qt::LeftButton, Qt::NoModifier, event.x, event.y); break;
    case kClipRightPress: Image3MouseDown(Qt::RightButton, Qt::NoModifier, event.x, event.y); break;
    case kClipMove:
        Image3MouseMove(Qt::NoModifier, event.x - kClipSurfaceLeft, event.y - kClipSurfaceTop);
        MoveClipPointer(event.x, event.y);
        break;
    case kClipLeftRelease: Image3MouseUp(Qt::LeftButton, Qt::NoModifier, event.x, event.y); break;
    case kClipRightRelease: Image3MouseUp(Qt::RightButton, Qt::NoModifier, event.x, event.y); break;
    default: break;  // recorded by nothing: skipped
    }
}

void Tmain::ClipHalted(int clipNumber, int eventIndex) {
    // A clip left before its end keeps the surface locked until the wizard
    // is closed or the clip goes on.
    if (eventIndex >= clips_->Length()) InnerPanel->setEnabled(true);
    RestoreSizeBeforeClip();
    Pointer::Release();
    // The wizard comes back, over this window.
    setEnabled(false);
    emit clipHalted(clipNumber, eventIndex);
}

void Tmain::RestoreSizeBeforeClip() {
    if (!clipSizeSet_) return;
    clipSizeSet_ = false;
    // The size first: without a window manager maximising changes nothing.
    resize(geometryBeforeClip_.size());
    move(geometryBeforeClip_.topLeft());
    if (maximisedBeforeClip_) showMaximized();
}

// Pointer positions are relative to where the surface lay in the window the
// clip was made in; the pointer goes to the same place over this window's
// surface, wherever the window and its surface stand.
void Tmain::MoveClipPointer(int x, int y) {
    Pointer::MoveTo(SurfaceToScreen(QPoint(x - kClipSurfaceLeft, y - kClipSurfaceTop)));
}

QPoint Tmain::ClipPointerPosition() const {
    return Pointer::Position() - SurfaceToScreen(QPoint(0, 0)) + QPoint(kClipSurfaceLeft, kClipSurfaceTop);
}

void Tmain::LeaveClip() { clips_->Leave(); }

void Tmain::Master1Click() {
    if (clips_->Active() && !clips_->Recording()) LeaveClip();
    setEnabled(false);
    emit wizardRequested();
}

void Tmain::PauseClip() {
    clips_->Pause();
    setEnabled(true);
    InnerPanel->setEnabled(true);
    Pointer::Release();
}

void Tmain::ResumeClip() {
    clips_->Resume();
    InnerPanel->setEnabled(false);
}

void Tmain::WithClipPaused(const std::function<void()>& dialogs) {
    const bool paused = clips_->Playing();
    if (paused) PauseClip();
    dialogs();
    if (paused)
        ResumeClip();
    else
        StopClip();
}

void Tmain::StopClip() {
    // A recording goes on through the commands that stop clips (New, Undo,
    // Settings ...): it ends only with Ctrl+G, which saves it.
    if (!clips_->Recording()) {
        clips_->Stop();
        Pointer::Release();
        setEnabled(true);
        InnerPanel->setEnabled(true);
        RestoreSizeBeforeClip();
    }
    emit clipProgressCleared();
}

// ---- recording -------------------------------------------------------------------

void Tmain::RecordClipMouse(std::int32_t code, QPoint position) {
    if (!clips_->Active()) return;
    // A move is logged only between pointer samples.
    if (code == kClipMove && clips_->SamplingPointer()) return;
    if (code == kClipMove) position = ClipPointerPosition();
    clips_->LogPointerAction(code, position);
}

void Tmain::ToggleRecording() {
    if (!clips_->Recording()) {
        StopClip();
        clips_->StartRecording();
        ShowHintLine(tr("Запись ролика"));
        return;
    }
    clips_->StopRecording();
    ShowHintLine(QString());
    SaveClipLog();
}

void Tmain::SaveClipLog() {
    const QString name = Dialogs::Current().SaveFileName(this, tr("Сохранить ролик"), QString(),
                                                          tr("Ролики (*.txt)"));
    if (name.isEmpty()) return;
    QSaveFile file(name);
    const QByteArray text = (clips_->LogText() + QLatin1Char('\n')).toUtf8();
    if (file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit()) return;
    Dialogs::Current().Message(this, QMessageBox::Critical, ProgramTitleText(),
                               tr("Не удалось записать ролик в файл %1: %2")
                                   .arg(QFileInfo(name).absoluteFilePath(), file.errorString()),
                               QMessageBox::Ok, QMessageBox::Ok);
}

}  // namespace vorn
