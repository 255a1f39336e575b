// The options of the picture export: its zoom (a PNG's resolution, the
// nominal size of an SVG or PDF) and whether the lines take the colours of
// their signals.
#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;

namespace vorn {

class PictureOptionsDialog : public QDialog {
    Q_OBJECT

public:
    // Starts at zoom (1..3) and signalColours; the colours are offered only
    // while the circuit runs.
    PictureOptionsDialog(QWidget* parent, int zoom, bool signalColours, bool running);

    int Zoom() const;
    bool SignalColours() const;

    QComboBox* ZoomBox = nullptr;
    QCheckBox* SignalBox = nullptr;
};

}  // namespace vorn
