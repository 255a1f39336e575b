// The page of the print dialog that chooses the printout's scale: the
// screen's, or the circuit fitted to the page.
#pragma once

#include <QWidget>

class QRadioButton;

namespace vorn {

class PrintScaleTab : public QWidget {
    Q_OBJECT

public:
    explicit PrintScaleTab(bool fitToPage, QWidget* parent = nullptr);

    bool FitToPage() const;

    QRadioButton* ScreenScale = nullptr;
    QRadioButton* FitPage = nullptr;
};

}  // namespace vorn
