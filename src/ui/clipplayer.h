// The clip player and recorder: the script being played and the place in
// it, the playback tick, the log of clip lines and the pointer samples of a
// recording. It knows nothing of the window: a due event goes out through
// eventDue to the same handlers a user's input reaches.
#pragma once

#include <functional>
#include <vector>

#include <QObject>
#include <QPoint>
#include <QStringList>

#include "clips.h"

class QTimer;

namespace vorn {

// One line of the clip log: "(code,x,y),".
QString ClipLogLine(std::int32_t code, int x, int y);

class ClipPlayer : public QObject {
    Q_OBJECT

public:
    static constexpr int kTickInterval = 32;  // ms between events, and between pointer samples

    explicit ClipPlayer(QObject* parent = nullptr);

    // A clip plays or is paused, or a recording goes on: the window's
    // commands are logged, and a playing clip locks the user out.
    bool Active() const { return active_; }
    bool Recording() const { return recording_; }
    // The playback tick runs.
    bool Playing() const;
    // The last event dispatched (events count from 1), and the script's length.
    int Index() const { return index_; }
    int Length() const { return static_cast<int>(events_.size()); }
    // The code of the event at Index, or 0 when there is none.
    std::int32_t CurrentCode() const;
    // The built-in clip being played, 1..4, or 0.
    int ClipNumber() const { return BuiltInClipNumber(Length()); }

    // Takes a copy of the script and plays it from event start + 1 on; the
    // log starts empty.
    void Play(ClipScript script, int start);
    // The tick stops and starts again; the clip stays active meanwhile.
    void Pause();
    void Resume();
    // Esc: the clip is no longer active but keeps its place; announces halted.
    void Leave();
    // The clip is forgotten: place 0, not active.
    void Stop();
    // One playback step: the next event, while the window counts as active.
    void Tick();

    // Recording: the log starts empty and every command is logged until
    // StopRecording.
    void StartRecording();
    void StopRecording();
    // Adds a line to the log while active. A pointer action also starts
    // the pointer samples, which a move then waits for.
    void Log(std::int32_t code, int x, int y);
    void LogPointerAction(std::int32_t code, QPoint position);
    bool SamplingPointer() const;
    // The pointer left (false) or entered the window: samples stop outside.
    void SetPointerInside(bool inside) { pointerInside_ = inside; }
    QString LogText() const { return log_.join(QLatin1Char('\n')); }

    // Whether the window counts as active for the tick; tests replace it.
    std::function<bool()> IsWindowActive;
    // The pointer as a clip position, for the samples of a recording.
    std::function<QPoint()> PointerPosition;

signals:
    void eventDue(const ClipEvent& event);
    // The clip ended (announced before its last event is dispatched) or was
    // left, after event eventIndex.
    void halted(int clipNumber, int eventIndex);

private:
    void SampleTick();

    QTimer* playback_ = nullptr;
    QTimer* samples_ = nullptr;
    std::vector<ClipEvent> events_;
    QStringList log_;
    int index_ = 0;
    bool active_ = false;
    bool recording_ = false;
    bool pointerInside_ = true;
};

}  // namespace vorn
