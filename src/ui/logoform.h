// The splash screen: a borderless picture over the main window at start-up.
// It closes after about two seconds, after half a second when a circuit file
// was named on the command line, or at a click or key once the first half
// second is over; closing hands the program over to the main window or to
// the tutorial wizard, and only then is the command-line file opened.
#pragma once

#include <functional>

#include <QImage>
#include <QString>
#include <QWidget>

class QTimer;

namespace vorn {

class Tmain;
class Tmaster;

inline constexpr int kLogoWidth = 500;
inline constexpr int kLogoHeight = 350;
inline constexpr int kLogoEarlyInterval = 512;   // ms from creation
inline constexpr int kLogoCloseInterval = 2048;  // ms from showing or activation

// The splash picture in the data folder.
QString LogoPictureFile(const QString& dataFolder);

class TLogo : public QWidget {
    Q_OBJECT

public:
    // Reads the picture from the main window's data folder and starts the
    // early timer; the window stays hidden until ShowSplash. showMasterAtStart
    // tells whether the wizard is to open at start-up.
    TLogo(Tmain& mainWindow, Tmaster& wizard, std::function<bool()> showMasterAtStart);

    // The program's copy of the command-line file, set before the splash
    // is shown: empty, or the first argument.
    QString CommandLineFile;

    // Shows the splash centred on the main window and on top of it.
    void ShowSplash();

    // The timer handlers.
    void EarlyTimerTick();
    void CloseTimerTick();
    // A click on the picture or a key: once the early timer has run out,
    // the splash closes.
    void PictureClick();

    // The picture as read; null when the file was missing or damaged (the
    // window then shows white).
    const QImage& Picture() const { return picture_; }
    bool HandedOver() const { return handedOver_; }

    QTimer* EarlyTimer = nullptr;
    QTimer* CloseTimer = nullptr;

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void HandOver();

    Tmain& main_;
    Tmaster& wizard_;
    std::function<bool()> showMasterAtStart_;
    QImage picture_;
    bool handedOver_ = false;
};

}  // namespace vorn
