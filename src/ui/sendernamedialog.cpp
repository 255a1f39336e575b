#include "sendernamedialog.h"

#include <algorithm>

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
    return SenderNameDialog::tr("Введите имя отправителя (меньше 20 символов)");
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

    // The caption under the field and the button, as large as its text,
    // centred over the picture, which starts below it.
    PreviewCaption = new QLabel(tr("Предпросмотр"), this);
    PreviewCaption->adjustSize();
    const int captionTop = std::max(NameEdit->geometry().bottom(), OkButton->geometry().bottom()) + 1 +
                           PreviewCaption->fontMetrics().descent();
    PreviewCaption->move(2 + (kSenderPreviewSide - PreviewCaption->width()) / 2, captionTop);

    PreviewPicture = new QLabel(this);
    PreviewPicture->setGeometry(2, PreviewCaption->geometry().bottom() + 1, kSenderPreviewSide, kSenderPreviewSide);
    PreviewPicture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PreviewPicture->setPixmap(QPixmap::fromImage(preview.copy(0, 0, kSenderPreviewSide, kSenderPreviewSide)));

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
    // Taller only when a large font has pushed the picture down.
    const QSize client(kSenderDialogWidth - frame.width(),
                       std::max(kSenderDialogHeight - frame.height(), PreviewPicture->geometry().bottom() + 1));
    if (client != size()) setFixedSize(client);
    if (QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr) {
        const QRect outer = owner->frameGeometry();
        const QSize whole = client + frame;
        move(outer.x() + (outer.width() - whole.width()) / 2, outer.y() + (outer.height() - whole.height()) / 2);
    }
}

}  // namespace vorn
