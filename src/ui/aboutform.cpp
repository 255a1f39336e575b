#include "aboutform.h"

#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QShowEvent>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTimer>

#include "contactinfo.h"
#include "dialogs.h"
#include "jpegimage.h"
#include "mainform.h"
#include "windowcontrol.h"
#include "programtitle.h"

namespace vorn {

namespace {

QImage PictureOrBlank(const QString& path) {
    QImage picture = LoadJpegImage(path);
    if (!picture.isNull()) return picture;
    QImage blank(kAboutPictureWidth, kAboutPictureHeight, QImage::Format_RGB32);
    blank.fill(Qt::white);
    return blank;
}

}  // namespace

QString AboutPictureFile(const QString& dataFolder) { return dataFolder + QStringLiteral("/pictures/about.jpg"); }
QString AboutAlternativePictureFile(const QString& dataFolder) {
    return dataFolder + QStringLiteral("/pictures/about2.jpg");
}

QString MemoryLineText(const MemoryStatus& status) {
    return TAbout::tr("Физическая память: %1 КБ. Свободно: %2 КБ.")
        .arg(QString::number(status.totalKiB), QString::number(status.availableKiB));
}

QString AboutDescriptionText() {
    return TAbout::tr(
        "    Программа предназначенна для тех кто хочет научиться строить простые схемы на \n"
        "основе цифровых микросхем. Так же программа может применяться в учебных \n"
        "заведениях для изучения темы \"Логика\" (булевая алгебра).\n"
        "    Программа, при необходимости, обучит вас основам логики, проведёт тест на \n"
        "закрепление знаний, покажет как и что работает и как строить и тестировать схемы.");
}

QUrl AboutMailLink() { return SupportMailLink(QStringLiteral("Vorn"), QStringLiteral("\r")); }

TAbout::TAbout(QWidget& owner, const QString& dataFolder)
    // No parent: the main window is disabled while the box is up, and a
    // child window would be disabled with it.
    : QDialog(nullptr),
      MemorySource(&ReadMemoryStatus),
      owner_(owner),
      picture_(PictureOrBlank(AboutPictureFile(dataFolder))),
      alternativePicture_(PictureOrBlank(AboutAlternativePictureFile(dataFolder))) {
    setWindowTitle(tr("О программе..."));
    setFixedSize(kAboutClientWidth, kAboutClientHeight);
    setAttribute(Qt::WA_QuitOnClose, false);

    Picture = new QLabel(this);
    Picture->setGeometry((kAboutClientWidth - kAboutPictureWidth) / 2, 8, kAboutPictureWidth, kAboutPictureHeight);
    Picture->installEventFilter(this);
    ShowPicture();

    TitleLabel = new QLabel(ProgramTitleText(), this);
    TitleLabel->setGeometry(8, 140, 480, 22);
    TitleLabel->setAlignment(Qt::AlignCenter);
    // Arial where it is installed, the desktop's sans-serif face otherwise.
    QFont titleFont(QStringLiteral("Arial"));
    titleFont.setStyleHint(QFont::SansSerif);
    titleFont.setPixelSize(16);
    titleFont.setBold(true);
    TitleLabel->setFont(titleFont);

    Description = new QPlainTextEdit(AboutDescriptionText(), this);
    // Small enough for each of the five lines to fit on one row; a longer
    // line (a larger desktop font) wraps.
    Description->setGeometry(4, 166, 488, 80);
    Description->document()->setDocumentMargin(2);
    Description->setReadOnly(true);
    Description->setFrameShape(QFrame::NoFrame);
    Description->setFocusPolicy(Qt::NoFocus);
    Description->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Description->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette descriptionPalette = Description->palette();
    descriptionPalette.setColor(QPalette::Base, palette().color(QPalette::Window));
    Description->setPalette(descriptionPalette);
    QFont descriptionFont = Description->font();
    descriptionFont.setPixelSize(10);
    Description->setFont(descriptionFont);

    ContactLabel = new QLabel(tr("Связаться со мной можно:"), this);
    ContactLabel->setGeometry(8, 252, 480, 16);
    EmailField = MakeLinkField(QString::fromLatin1(SupportAddress), 8, 270, 160);
    WebField = MakeLinkField(QString::fromLatin1(WebAddress), 176, 270, 140);
    MessengerField = MakeLinkField(QString::fromLatin1(MessengerNumber), 324, 270, 164);

    CreditLabel = new QLabel(tr("© Авторы Vorn, 2026"), this);
    CreditLabel->setGeometry(8, 292, 480, 16);

    Separator = new QFrame(this);
    Separator->setFrameShape(QFrame::HLine);
    Separator->setFrameShadow(QFrame::Sunken);
    Separator->setGeometry(8, 316, 480, 2);

    MemoryLine = new QLabel(this);
    MemoryLine->setGeometry(8, 326, 480, 18);
    MemoryTimer = new QTimer(this);
    MemoryTimer->setInterval(kMemoryRefreshInterval);
    connect(MemoryTimer, &QTimer::timeout, this, &TAbout::UpdateMemoryLine);
    UpdateMemoryLine();
}

QLabel* TAbout::MakeLinkField(const QString& text, int left, int top, int width) {
    auto* field = new QLabel(text, this);
    field->setGeometry(left, top, width, 16);
    field->setTextFormat(Qt::PlainText);
    QPalette blue = field->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    field->setPalette(blue);
    field->setCursor(Qt::PointingHandCursor);
    field->installEventFilter(this);
    return field;
}

void TAbout::ShowPicture() {
    Picture->setPixmap(QPixmap::fromImage(alternative_ ? alternativePicture_ : picture_));
}

void TAbout::ShowAbout() {
    show();
    raise();
    activateWindow();
    setFocus();
}

void TAbout::UpdateMemoryLine() {
    if (!MemorySource) return;
    if (const std::optional<MemoryStatus> status = MemorySource()) MemoryLine->setText(MemoryLineText(*status));
}

void TAbout::PictureClick(Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    if (button != Qt::LeftButton) return;
    if (!modifiers.testFlag(Qt::ControlModifier) || !modifiers.testFlag(Qt::AltModifier) ||
        modifiers.testFlag(Qt::ShiftModifier))
        return;
    alternative_ = !alternative_;
    ShowPicture();
}

void TAbout::reject() {
    QDialog::reject();
    ReturnControl(owner_);
}

bool TAbout::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (watched == Picture) {
            PictureClick(mouse->button(), mouse->modifiers());
            return true;
        }
        if (mouse->button() == Qt::LeftButton) {
            QUrl link;
            if (watched == EmailField)
                link = AboutMailLink();
            else if (watched == WebField)
                link = QUrl(QString::fromLatin1(WebLink));
            else if (watched == MessengerField)
                link = QUrl(QString::fromLatin1(MessengerLink));
            if (!link.isEmpty()) {
                Dialogs::Current().OpenLink(link);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TAbout::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        // Centred on the main window; the frame is known once the box is shown.
        QRect frame = frameGeometry();
        frame.moveCenter(owner_.frameGeometry().center());
        move(frame.topLeft());
    }
    UpdateMemoryLine();
    MemoryTimer->start();
}

void TAbout::hideEvent(QHideEvent* event) {
    MemoryTimer->stop();
    QDialog::hideEvent(event);
}

}  // namespace vorn
