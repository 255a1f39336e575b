// The sender-name dialog on its own: its layout, the field's limit, the
// preview it shows, and what OK and closing return.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <QtTest>

#include <optional>

#include "programtitle.h"
#include "sendernamedialog.h"

using namespace vorn;

namespace {

QImage Preview() {
    // Larger than the picture, with a mark inside its 400 x 400 corner and
    // one outside it.
    QImage image(500, 450, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setPixel(10, 20, qRgb(0, 0, 0));
    image.setPixel(450, 20, qRgb(0, 0, 0));
    return image;
}

class SenderNameDialogTest : public QObject {
    Q_OBJECT

private slots:
    void layoutFollowsTheGivenSizes() {
        QWidget owner;
        owner.setGeometry(200, 150, 1000, 700);
        owner.show();
        SenderNameDialog dialog(&owner, SenderNamePrompt(), Preview(), QStringLiteral("Петров"));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));

        QCOMPARE(dialog.windowTitle(), ProgramTitleText());
        QCOMPARE(dialog.Message->text(), QStringLiteral("Введите имя отправителя (меньше 20 символов)"));
        QCOMPARE(dialog.frameGeometry().size(), QSize(404, 510));
        QCOMPARE(dialog.frameGeometry().center(), owner.frameGeometry().center());
        QCOMPARE(dialog.NameEdit->pos(), QPoint(54, 36));
        QCOMPARE(dialog.NameEdit->width(), 250);
        QCOMPARE(dialog.NameEdit->text(), QStringLiteral("Петров"));
        QCOMPARE(dialog.PreviewCaption->text(), QStringLiteral("Предпросмотр"));
        QCOMPARE(dialog.PreviewPicture->geometry(), QRect(2, dialog.PreviewCaption->geometry().bottom() + 1, 400, 400));
        QVERIFY(dialog.PreviewCaption->width() >= dialog.PreviewCaption->sizeHint().width());
        QVERIFY(dialog.PreviewCaption->isVisible());
        QVERIFY(dialog.OkButton->isVisible());
        // Nothing covers the picture, the caption included.
        for (QWidget* child : {static_cast<QWidget*>(dialog.Icon), static_cast<QWidget*>(dialog.Message),
                               static_cast<QWidget*>(dialog.NameEdit), static_cast<QWidget*>(dialog.OkButton),
                               static_cast<QWidget*>(dialog.PreviewCaption)})
            QVERIFY(!child->geometry().intersects(dialog.PreviewPicture->geometry()));
        QVERIFY(dialog.NameEdit->hasFocus());
        QCOMPARE(dialog.NameEdit->nextInFocusChain(), dialog.OkButton);
    }

    void pictureShowsTheTopLeftOfThePreview() {
        SenderNameDialog dialog(nullptr, SenderNamePrompt(), Preview(), QString());
        const QImage shown = dialog.PreviewPicture->pixmap().toImage();
        QCOMPARE(shown.size(), QSize(400, 400));
        QCOMPARE(shown.pixel(10, 20), qRgb(0, 0, 0));
        QCOMPARE(shown.pixel(11, 20), qRgb(255, 255, 255));
    }

    void fieldTakesTwentyCharactersAndNoMore() {
        SenderNameDialog dialog(nullptr, SenderNamePrompt(), Preview(), QString());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        // Typed keys go through Latin-1 key codes, hence a Latin name.
        const QString twenty = QStringLiteral("Ivanov Petr Sergeevi");
        QCOMPARE(twenty.size(), 20);
        QTest::keyClicks(dialog.NameEdit, twenty);
        QCOMPARE(dialog.NameEdit->text(), twenty);
        QTest::keyClicks(dialog.NameEdit, QStringLiteral("c"));
        QCOMPARE(dialog.NameEdit->text(), twenty);
    }

    void rememberedNameIsCutToTheLimitToo() {
        const QString cyrillic = QStringLiteral("Иванов Пётр Сергеевич");
        QCOMPARE(cyrillic.size(), 21);
        SenderNameDialog dialog(nullptr, SenderNamePrompt(), Preview(), cyrillic);
        QCOMPARE(dialog.NameEdit->text(), cyrillic.left(20));
    }

    void okReturnsTheText() {
        SenderNameDialog dialog(nullptr, SenderNamePrompt(), Preview(), QStringLiteral("Старое"));
        QTimer::singleShot(0, &dialog, [&dialog] {
            dialog.NameEdit->clear();
            QTest::keyClicks(dialog.NameEdit, QStringLiteral("Sidorov"));
            QTest::mouseClick(dialog.OkButton, Qt::LeftButton);
        });
        QCOMPARE(dialog.Ask(), std::optional<QString>(QStringLiteral("Sidorov")));
    }

    void okWithAnEmptyFieldReturnsEmptyText() {
        SenderNameDialog dialog(nullptr, SenderNamePrompt(), Preview(), QString());
        QTimer::singleShot(0, &dialog, [&dialog] { QTest::keyClick(dialog.NameEdit, Qt::Key_Return); });
        QCOMPARE(dialog.Ask(), std::optional<QString>(QString()));
    }

    void closingOtherwiseReturnsNothing() {
        SenderNameDialog dialog(nullptr, SenderNamePrompt(), Preview(), QStringLiteral("Старое"));
        QTimer::singleShot(0, &dialog, [&dialog] {
            QTest::keyClicks(dialog.NameEdit, QStringLiteral("abc"));
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        QCOMPARE(dialog.Ask(), std::nullopt);
    }
};

}  // namespace

QTEST_MAIN(SenderNameDialogTest)
#include "sendernamedialog_test.moc"
