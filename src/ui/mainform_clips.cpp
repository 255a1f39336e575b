// The clip player, which feeds a script's events into the window's own
// handlers at the pace of its timer, and the recorder, which logs what
// those handlers do.
#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSaveFile>
#include <QTimer>

#include "dialogs.h"
#include "mainform.h"
#include "pointer.h"
#include "programtitle.h"

namespace vorn {

namespace {

constexpr int kClipZoom = 2;  // clips are played at 100 %

}  // namespace

void Tmain::CreateClipControls() {
    IsMainWindowActive = [this] { return isActiveWindow(); };
    connect(ClipTimer, &QTimer::timeout, this, &Tmain::ClipTick);

    // Esc leaves a playing clip; the window has no other use for the key.
    auto* leave = new QAction(this);
    leave->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(leave, &QAction::triggered, this, [this] {
        if (state_->ClipActive && !state_->RecordingMode) LeaveClip();
    });
    addAction(leave);

    // Ctrl+G starts recording the user's actions as a clip, and ends it with
    // the question where to save them.
    RecordClip = new QAction(QStringLiteral("Запись ролика"), this);
    RecordClip->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    connect(RecordClip, &QAction::triggered, this, &Tmain::ToggleRecording);
    addAction(RecordClip);
}

// ---- playing -----------------------------------------------------------------

bool Tmain::StartClip(ClipScript script, int start) {
    ProgramState& s = *state_;
    // A recording ends, and is offered for saving, before a clip plays.
    if (s.RecordingMode) ToggleRecording();
    s.ClipEvents.assign(script.begin(), script.end());
    const int length = static_cast<int>(s.ClipEvents.size());
    if (start == 0) New1Click();
    SetZoom(kClipZoom);
    if (start == 0 && document_->State() != DocumentState::New) return false;

    InnerPanel->setEnabled(false);
    ClipLog->clear();
    s.ClipActive = true;
    s.ClipIndex = std::clamp(start, 0, length);
    // The smallest window the layout allows: the size clips are made for.
    if (isMaximized()) showNormal();
    resize(150, 150);
    ClipTimer->start();
    return true;
}

void Tmain::ClipTick() {
    // Playback waits while a message box, the wizard or another program has
    // the focus.
    if (!IsMainWindowActive()) return;
    ProgramState& s = *state_;
    const int length = static_cast<int>(s.ClipEvents.size());
    ++s.ClipIndex;
    setEnabled(true);
    if (s.ClipIndex >= length) {
        // The last event: the wizard comes back with a full bar, and the
        // event is still performed.
        ClipTimer->stop();
        InnerPanel->setEnabled(true);
        s.ClipActive = false;
        emit clipHalted(BuiltInClipNumber(length), s.ClipIndex);
        setEnabled(false);
    }
    if (s.ClipIndex > length) return;
    DispatchClipEvent(s.ClipEvents[static_cast<std::size_t>(s.ClipIndex - 1)]);
}

void Tmain::DispatchClipEvent(const ClipEvent& event) {
    switch (event.code) {
    case -1: WireClick(); break;
    case -2: CuSoClick(); break;
    case -3: LampClick(); break;
    case -4: Not1Click(); break;
    case -5: And1Click(); break;
    case -6: Or1Click(); break;
    case -7: DelClick(); break;
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

// Pointer positions are relative to where the surface lay in the window the
// clip was made in; the pointer goes to the same place over this window's
// surface, wherever the window and its surface stand.
void Tmain::MoveClipPointer(int x, int y) {
    Pointer::MoveTo(SurfaceToScreen(QPoint(x - kClipSurfaceLeft, y - kClipSurfaceTop)));
}

QPoint Tmain::ClipPointerPosition() const {
    return Pointer::Position() - SurfaceToScreen(QPoint(0, 0)) + QPoint(kClipSurfaceLeft, kClipSurfaceTop);
}

void Tmain::LeaveClip() {
    ProgramState& s = *state_;
    s.ClipActive = false;
    ClipTimer->stop();
    emit clipHalted(BuiltInClipNumber(static_cast<int>(s.ClipEvents.size())), s.ClipIndex);
    Pointer::Release();
}

void Tmain::Master1Click() {
    if (state_->ClipActive && !state_->RecordingMode) LeaveClip();
    setEnabled(false);
    emit wizardRequested();
}

bool Tmain::ClipPlaying() const { return ClipTimer->isActive(); }

void Tmain::PauseClip() {
    ClipTimer->stop();
    setEnabled(true);
    InnerPanel->setEnabled(true);
    Pointer::Release();
}

void Tmain::ResumeClip() {
    ClipTimer->start();
    InnerPanel->setEnabled(false);
}

void Tmain::StopClip() {
    ProgramState& s = *state_;
    // A recording goes on through the commands that stop clips (New, Undo,
    // Settings ...): it ends only with Ctrl+G, which saves it.
    if (s.RecordingMode) {
        emit clipProgressCleared();
        return;
    }
    s.ClipIndex = 0;
    ClipTimer->stop();
    emit clipProgressCleared();
    Pointer::Release();
    s.ClipActive = false;
    setEnabled(true);
    InnerPanel->setEnabled(true);
}

// ---- recording -------------------------------------------------------------------

void Tmain::RecordClipMouse(int code, QPoint position) {
    const ProgramState& s = *state_;
    if (!s.ClipActive) return;
    // A move is logged only between pointer samples.
    if (code == kClipMove && pointerSampleTimer_->isActive()) return;
    if (code == kClipMove) position = ClipPointerPosition();
    AppendClipLog(QStringLiteral("(%1,%2,%3),").arg(code).arg(position.x()).arg(position.y()));
    pointerSampleTimer_->start();
}

void Tmain::PointerSampleTick() {
    const ProgramState& s = *state_;
    // Outside the window, or with no clip, the samples stop until the next
    // logged action.
    if (!s.ClipActive || s.PointerSampleMode == -1) {
        pointerSampleTimer_->stop();
        return;
    }
    if (s.RecordingMode) {
        const QPoint p = ClipPointerPosition();
        AppendClipLog(QStringLiteral("(0,%1,%2),").arg(p.x()).arg(p.y()));
    }
}

void Tmain::ToggleRecording() {
    ProgramState& s = *state_;
    if (!s.RecordingMode) {
        StopClip();
        ClipLog->clear();
        s.ClipEvents.clear();
        s.RecordingMode = true;
        s.ClipActive = true;
        StatusPanel(1)->setText(QStringLiteral(" Запись ролика"));
        return;
    }
    s.RecordingMode = false;
    s.ClipActive = false;
    pointerSampleTimer_->stop();
    StatusPanel(1)->setText(QStringLiteral(" ") + IdleHintText());
    SaveClipLog();
}

void Tmain::SaveClipLog() {
    const QString name = Dialogs::Current().SaveFileName(this, QStringLiteral("Сохранить ролик"), QString(),
                                                          QStringLiteral("Ролики (*.txt)"));
    if (name.isEmpty()) return;
    QSaveFile file(name);
    const QByteArray text = (ClipLog->toPlainText() + QLatin1Char('\n')).toUtf8();
    if (file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit()) return;
    Dialogs::Current().Message(this, QMessageBox::Critical, ProgramTitleText(),
                               QStringLiteral("Не удалось записать ролик в файл ") + QFileInfo(name).absoluteFilePath() +
                                   QStringLiteral(": ") + file.errorString(),
                               QMessageBox::Ok, QMessageBox::Ok);
}

}  // namespace vorn
