#include "clipplayer.h"

#include <algorithm>

#include <QTimer>

namespace vorn {

QString ClipLogLine(std::int32_t code, int x, int y) { return QStringLiteral("(%1,%2,%3),").arg(code).arg(x).arg(y); }

ClipPlayer::ClipPlayer(QObject* parent) : QObject(parent) {
    playback_ = new QTimer(this);
    playback_->setInterval(kTickInterval);
    connect(playback_, &QTimer::timeout, this, &ClipPlayer::Tick);
    samples_ = new QTimer(this);
    samples_->setInterval(kTickInterval);
    connect(samples_, &QTimer::timeout, this, &ClipPlayer::SampleTick);
}

bool ClipPlayer::Playing() const { return playback_->isActive(); }

bool ClipPlayer::SamplingPointer() const { return samples_->isActive(); }

std::int32_t ClipPlayer::CurrentCode() const {
    if (index_ < 1 || index_ > Length()) return 0;
    return events_[static_cast<std::size_t>(index_ - 1)].code;
}

void ClipPlayer::Play(ClipScript script, int start) {
    events_.assign(script.begin(), script.end());
    log_.clear();
    active_ = true;
    index_ = std::clamp(start, 0, Length());
    playback_->start();
}

void ClipPlayer::Pause() { playback_->stop(); }

void ClipPlayer::Resume() { playback_->start(); }

void ClipPlayer::Leave() {
    active_ = false;
    playback_->stop();
    emit halted(ClipNumber(), index_);
}

void ClipPlayer::Stop() {
    index_ = 0;
    playback_->stop();
    active_ = false;
}

void ClipPlayer::Tick() {
    // Playback waits while a message box, the wizard or another program has
    // the focus.
    if (IsWindowActive && !IsWindowActive()) return;
    ++index_;
    if (index_ >= Length()) {
        // The last event: the wizard comes back with a full bar, and the
        // event is still performed.
        playback_->stop();
        active_ = false;
        emit halted(ClipNumber(), index_);
    }
    if (index_ > Length()) return;
    emit eventDue(events_[static_cast<std::size_t>(index_ - 1)]);
}

void ClipPlayer::StartRecording() {
    log_.clear();
    events_.clear();
    index_ = 0;
    recording_ = true;
    active_ = true;
}

void ClipPlayer::StopRecording() {
    recording_ = false;
    active_ = false;
    samples_->stop();
}

void ClipPlayer::Log(std::int32_t code, int x, int y) {
    if (active_) log_ << ClipLogLine(code, x, y);
}

void ClipPlayer::LogPointerAction(std::int32_t code, QPoint position) {
    if (!active_) return;
    log_ << ClipLogLine(code, position.x(), position.y());
    samples_->start();
}

void ClipPlayer::SampleTick() {
    // Outside the window, or with no clip, the samples stop until the next
    // logged action.
    if (!active_ || !pointerInside_) {
        samples_->stop();
        return;
    }
    if (recording_ && PointerPosition) {
        const QPoint p = PointerPosition();
        log_ << ClipLogLine(kClipPointerSample, p.x(), p.y());
    }
}

}  // namespace vorn
