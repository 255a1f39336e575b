// Marks drawn over the drawing surface at the nodes of the truth-table
// window's warnings. A child widget of its own, so the circuit picture
// under it stays exactly as the renderer drew it.
#pragma once

#include <functional>
#include <vector>

#include <QWidget>

#include "cellgrid.h"
#include "viewgeometry.h"

namespace vorn {

class WarningOverlay : public QWidget {
    Q_OBJECT
public:
    // Covers `surface` and follows its size; `view` tells where the nodes
    // stand at the time of painting.
    WarningOverlay(QWidget* surface, std::function<ViewGeometry()> view);

    void SetMarks(std::vector<NodePos> marks);
    const std::vector<NodePos>& Marks() const { return marks_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    std::function<ViewGeometry()> view_;
    std::vector<NodePos> marks_;
};

}  // namespace vorn
