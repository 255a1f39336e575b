// The sender-name dialog of the print command: an information message with
// a one-line field for the name, a preview of the drawing and an OK button.
#pragma once

#include <optional>

#include <QDialog>
#include <QImage>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

namespace vorn {

// The dialog's outer size (frame included) and the longest name it takes.
inline constexpr int kSenderDialogWidth = 404;
inline constexpr int kSenderDialogHeight = 510;
inline constexpr int kSenderNameLength = 20;
inline constexpr int kSenderPreviewSide = 400;

// The prompt the print command shows.
QString SenderNamePrompt();

class SenderNameDialog : public QDialog {
    Q_OBJECT

public:
    // Captioned with the program's title; the field holds `remembered`, the
    // picture the top-left 400 x 400 pixels of `preview`. Centred over the
    // parent's window when shown.
    SenderNameDialog(QWidget* parent, const QString& prompt, const QImage& preview, const QString& remembered);

    // Runs the dialog modally: the field's text after OK, nullopt when it
    // was closed any other way.
    std::optional<QString> Ask();

    QLabel* Icon = nullptr;
    QLabel* Message = nullptr;
    QLineEdit* NameEdit = nullptr;
    QLabel* PreviewCaption = nullptr;
    QLabel* PreviewPicture = nullptr;
    QPushButton* OkButton = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Makes the frame, not the client area, 404 x 510 once the frame is
    // known (taller when the picture needs it), and centres the dialog over
    // its parent's window.
    void FitFrameAndCentre();
};

}  // namespace vorn
