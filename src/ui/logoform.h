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

inline constexpr int kLogoWidth = 500;
inline constexpr int kLogoHeight = 350;
inline constexpr int kLogoEarlyInterval = 512;   // ms from creation
inline constexpr int kLogoCloseInterval = 2048;  // ms from showing or activation

// The splash picture in the data folder.
QString LogoPictureFile(const QString& dataFolder);

class TLogo : public QWidget {
    Q_OBJECT

public:
    // Reads the picture from the data folder and starts the early timer; the
    // window stays hidden until ShowSplash. The splash stands over `owner`
    // (the main window) and gives control back to it. showMasterAtStart
    // tells whether the wizard is to open at start-up.
    TLogo(QWidget& owner, const QString& dataFolder, std::function<bool()> showMasterAtStart);

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

signals:
    // At the hand-over, when the wizard is to show instead of the owner
    // getting the control back.
    void wizardWanted();
    // The hand-over is done: the command-line file may be opened now.
    void handedOver();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void HandOver();

    QWidget& owner_;
    std::function<bool()> showMasterAtStart_;
    QImage picture_;
    bool handedOver_ = false;
};

}  // namespace vorn
