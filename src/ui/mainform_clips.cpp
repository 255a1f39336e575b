// The clip recorder's hooks in the mouse handlers, and stopping a clip.
#include <QTimer>

#include "mainform.h"
#include "pointer.h"

namespace vorn {

void Tmain::RecordClipMouse(int code, QPoint position) {
    const ProgramState& s = *state_;
    if (!s.ClipActive) return;
    // A move is logged only between pointer samples.
    if (code == 3 && pointerSampleTimer_->isActive()) return;
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
        const QPoint p = Pointer::Position();
        AppendClipLog(QStringLiteral("(0,%1,%2),").arg(p.x()).arg(p.y()));
    }
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
    s.ClipIndex = 0;
    ClipTimer->stop();
    Pointer::Release();
    s.ClipActive = false;
    setEnabled(true);
    InnerPanel->setEnabled(true);
}

}  // namespace vorn
