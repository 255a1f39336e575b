#include "sendernamedialog.h"

#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>

#include "programtitle.h"

namespace vorn {

QString SenderNamePrompt() {
    return QStringLiteral("Введите имя отправителя") + QStringLiteral(" (меньше 20 символов)");
}

SenderNameDialog::SenderNameDialog(QWidget* parent, const QString& prompt, const QImage& preview,
                                   const QString& remembered)
    : QDialog(parent) {
    setWindowTitle(ProgramTitleText());
    setModal(true);
    setFixedSize(kSenderDialogWidth, kSenderDialogHeight);

    // The information icon and the message where a message box has them.
    Icon = new QLabel(this);
    Icon->setGeometry(8, 4, 32, 32);
    Icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation, nullptr, this).pixmap(32, 32));
    Message = new QLabel(prompt, this);
    Message->setGeometry(54, 10, kSenderDialogWidth - 54 - 8, 20);

    NameEdit = new QLineEdit(remembered, this);
    NameEdit->setMaxLength(kSenderNameLength);
    NameEdit->move(54, 36);
    NameEdit->resize(250, NameEdit->sizeHint().height());

    // The button beside the field, clear of the preview below.
    OkButton = new QPushButton(QStringLiteral("OK"), this);
    OkButton->setGeometry(314, 35, 80, NameEdit->height() + 2);
    OkButton->setDefault(true);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);

    PreviewPicture = new QLabel(this);
    PreviewPicture->setGeometry(2, 90, kSenderPreviewSide, kSenderPreviewSide);
    PreviewPicture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PreviewPicture->setPixmap(QPixmap::fromImage(preview.copy(0, 0, kSenderPreviewSide, kSenderPreviewSide)));

    // The caption lies over the picture's top edge: it is made after the
    // picture so that it stays readable, over the printout's blank top rows.
    PreviewCaption = new QLabel(QStringLiteral("Предпросмотр"), this);
    PreviewCaption->move(150, 88);
    PreviewCaption->adjustSize();
    PreviewCaption->raise();

    setTabOrder(NameEdit, OkButton);
    NameEdit->setFocus();
}

std::optional<QString> SenderNameDialog::Ask() {
    if (exec() != QDialog::Accepted) return std::nullopt;
    return NameEdit->text();
}

void SenderNameDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FitFrameAndCentre();
    NameEdit->setFocus();
}

void SenderNameDialog::FitFrameAndCentre() {
    const QSize frame = frameGeometry().size() - geometry().size();
    const QSize client(kSenderDialogWidth - frame.width(), kSenderDialogHeight - frame.height());
    if (client != size()) setFixedSize(client);
    if (QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr) {
        const QRect outer = owner->frameGeometry();
        move(outer.x() + (outer.width() - kSenderDialogWidth) / 2, outer.y() + (outer.height() - kSenderDialogHeight) / 2);
    }
}

}  // namespace vorn
