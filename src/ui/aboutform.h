// The about box: a picture (Ctrl+Alt+click swaps in a second one), the
// program's title, what the program is for, how to reach its authors, and
// the computer's physical memory, refreshed every second while it is open.
// Created once at start-up and hidden between uses.
#pragma once

#include <functional>
#include <optional>

#include <QDialog>
#include <QImage>
#include <QString>
#include <QUrl>

#include "memorystatus.h"

class QLabel;
class QFrame;
class QPlainTextEdit;
class QTimer;

namespace vorn {


inline constexpr int kAboutClientWidth = 496;
inline constexpr int kAboutClientHeight = 361;
inline constexpr int kAboutPictureWidth = 443;
inline constexpr int kAboutPictureHeight = 126;
inline constexpr int kMemoryRefreshInterval = 1024;  // ms

QString AboutPictureFile(const QString& dataFolder);
QString AboutAlternativePictureFile(const QString& dataFolder);
// "Физическая память: N КБ. Свободно: M КБ."
QString MemoryLineText(const MemoryStatus& status);
// The five lines under the title.
QString AboutDescriptionText();
// The e-mail field's link: the support address, subject "Vorn" and a body
// that starts with a line break.
QUrl AboutMailLink();

class TAbout : public QDialog {
    Q_OBJECT

public:
    // Reads both pictures from the data folder and fills the memory line
    // once. The box stands over `owner` (the main window) and gives control
    // back to it.
    TAbout(QWidget& owner, const QString& dataFolder);

    // The About command: shows the box centred on its owner (which the
    // command has disabled) and gives it the focus.
    void ShowAbout();

    // Reads the memory figures and shows them; the line stays as it was
    // when they cannot be read.
    void UpdateMemoryLine();
    // A click on the picture: Ctrl+Alt+left button without Shift swaps the
    // picture with the other one.
    void PictureClick(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    bool ShowingAlternative() const { return alternative_; }

    // The memory figures; starts as ReadMemoryStatus. Tests replace it.
    std::function<std::optional<MemoryStatus>()> MemorySource;

    // Controls, for the tests.
    QLabel* Picture = nullptr;
    QLabel* TitleLabel = nullptr;
    QPlainTextEdit* Description = nullptr;
    QLabel* ContactLabel = nullptr;
    QLabel* EmailField = nullptr;
    QLabel* WebField = nullptr;
    QLabel* MessengerField = nullptr;
    QLabel* CreditLabel = nullptr;
    QFrame* Separator = nullptr;
    QLabel* MemoryLine = nullptr;
    QTimer* MemoryTimer = nullptr;

public slots:
    // Esc and the close box: hide and give the main window back.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QLabel* MakeLinkField(const QString& text, int left, int top, int width);
    void ShowPicture();

    QWidget& owner_;
    QImage picture_;
    QImage alternativePicture_;
    bool alternative_ = false;
};

}  // namespace vorn
