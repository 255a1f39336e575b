#include "logoform.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShowEvent>
#include <QTimer>

#include "jpegimage.h"
#include "windowcontrol.h"

namespace vorn {

QString LogoPictureFile(const QString& dataFolder) { return dataFolder + QStringLiteral("/pictures/logo.jpg"); }

TLogo::TLogo(QWidget& owner, const QString& dataFolder, std::function<bool()> showMasterAtStart)
    // No parent: the main window is disabled while the splash is up, and a
    // child window would be disabled with it.
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      owner_(owner),
      showMasterAtStart_(std::move(showMasterAtStart)),
      picture_(LoadJpegImage(LogoPictureFile(dataFolder))) {
    setAttribute(Qt::WA_QuitOnClose, false);
    // Never shown on the borderless window, but named for window lists and
    // screen readers.
    setWindowTitle(QStringLiteral("Vorn"));
    setFixedSize(kLogoWidth, kLogoHeight);
    setFocusPolicy(Qt::StrongFocus);

    // Precise: a coarse timer may fire up to 5 % early.
    EarlyTimer = new QTimer(this);
    EarlyTimer->setTimerType(Qt::PreciseTimer);
    EarlyTimer->setSingleShot(true);
    EarlyTimer->setInterval(kLogoEarlyInterval);
    connect(EarlyTimer, &QTimer::timeout, this, &TLogo::EarlyTimerTick);
    CloseTimer = new QTimer(this);
    CloseTimer->setTimerType(Qt::PreciseTimer);
    CloseTimer->setSingleShot(true);
    CloseTimer->setInterval(kLogoCloseInterval);
    connect(CloseTimer, &QTimer::timeout, this, &TLogo::CloseTimerTick);
    EarlyTimer->start();
}

void TLogo::ShowSplash() {
    show();
    raise();
    activateWindow();
}

void TLogo::EarlyTimerTick() {
    EarlyTimer->stop();
    // Before it is shown the splash has nothing to close; showEvent closes
    // it then.
    if (!CommandLineFile.isEmpty() && isVisible()) close();
}

void TLogo::CloseTimerTick() {
    CloseTimer->stop();
    close();
}

void TLogo::PictureClick() {
    if (EarlyTimer->isActive() && CloseTimer->isActive()) return;
    close();
}

bool TLogo::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && !handedOver_) {
        setFocus();
        CloseTimer->start();
    }
    return QWidget::event(event);
}

void TLogo::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (handedOver_ || event->spontaneous()) return;
    QRect frame = frameGeometry();
    frame.moveCenter(owner_.frameGeometry().center());
    move(frame.topLeft());
    // Started here as well as on activation: where the desktop keeps new
    // windows from taking the focus, the splash may never become active.
    CloseTimer->start();
    if (!EarlyTimer->isActive() && !CommandLineFile.isEmpty())
        QTimer::singleShot(0, this, [this] { close(); });
}

void TLogo::closeEvent(QCloseEvent* event) {
    if (EarlyTimer->isActive() && CloseTimer->isActive()) {
        event->ignore();
        return;
    }
    event->accept();
    EarlyTimer->stop();
    CloseTimer->stop();
    if (handedOver_) return;
    handedOver_ = true;
    hide();
    HandOver();
}

void TLogo::HandOver() {
    const bool showMaster = showMasterAtStart_ && showMasterAtStart_();
    if (showMaster && CommandLineFile.isEmpty()) {
        // The wizard holds the main window while it shows.
        emit wizardWanted();
    } else {
        ReturnControl(owner_);
    }
    emit handedOver();
}

void TLogo::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!picture_.isNull()) painter.drawImage(QPoint(0, 0), picture_);
}

void TLogo::mousePressEvent(QMouseEvent* event) {
    event->accept();
    PictureClick();
}

void TLogo::keyPressEvent(QKeyEvent* event) {
    event->accept();
    PictureClick();
}

}  // namespace vorn
