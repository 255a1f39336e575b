// Texts that must not be cut, at the usual font and at a large one: each
// widget has the room its text needs, and a caption does not lie on the
// picture it names.
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QStyle>
#include <QTemporaryDir>
#include <QtTest>

#include "helpwindow.h"
#include "mainform.h"
#include "optform.h"
#include "sendernamedialog.h"
#include "shown_window.h"

using namespace vorn;

namespace {

// One measurement: the room a text needs and the room it was given.
struct Room {
    QString what;
    int needed;
    int given;
};

QList<Room> StatePanel() {
    auto w = vorn::test::ShownWindow();
    QList<Room> rooms;
    for (const char* word : {"Новый", "Открыт", "Изменено", "Сохранено"}) {
        w->SetDocumentState(QString::fromUtf8(word));
        rooms.append({QString::fromUtf8(word), w->StatusPanel(0)->sizeHint().width(), w->StatusPanel(0)->width()});
    }
    // The zoom panel stays in the window.
    rooms.append({"zoom panel", w->StatusPanelRight(4), w->statusBar()->width()});
    return rooms;
}

QList<Room> SettingsLabels() {
    QTemporaryDir folder;
    Tmain main;
    TOpt dialog(main, folder.filePath("vorn.ini"));
    QList<Room> rooms;
    for (QSpinBox* edit : dialog.GeneralPage->findChildren<QSpinBox*>()) {
        // The label on the spin box's row, up to the spin box.
        for (QLabel* label : dialog.GeneralPage->findChildren<QLabel*>()) {
            if (label->geometry().center().y() < edit->y() || label->geometry().center().y() > edit->geometry().bottom())
                continue;
            rooms.append({label->text(), label->sizeHint().width(), std::min(label->width(), edit->x() - label->x())});
        }
        rooms.append({"spin box in its page", edit->geometry().right() + 1, dialog.GeneralPage->width()});
    }
    rooms.append({"page in the dialog", dialog.GeneralPage->geometry().right() + 1, dialog.width()});
    return rooms;
}

QList<Room> HelpTopics() {
    HelpTopic contents{"contents", "Содержание", {}, "<p>x</p>", {}, 1};
    HelpTopic message{"message", "Файл с таким именем не найден или не является файлом схем. Повторите попытку.",
                      {}, "<p>y</p>", {}, 2};
    HelpWindow window;
    window.SetDocument(HelpDocument{{contents, message}});
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) qWarning("help window not shown");
    QListWidget* list = window.TopicList();
    const int margins = 2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1);
    QList<Room> rooms;
    for (int i = 0; i < list->count(); ++i) {
        const QString title = list->item(i)->text();
        const QRect item = list->visualItemRect(list->item(i));
        const QRect text = list->fontMetrics().boundingRect(QRect(0, 0, item.width() - margins, 10000),
                                                            Qt::TextWordWrap, title);
        rooms.append({title + " (height)", text.height(), item.height()});
        rooms.append({title + " (width)", item.width(), list->viewport()->width()});
    }
    return rooms;
}

QList<Room> SenderPreview() {
    SenderNameDialog dialog(nullptr, SenderNamePrompt(), QImage(400, 400, QImage::Format_RGB32), QString());
    dialog.show();
    if (!QTest::qWaitForWindowExposed(&dialog)) qWarning("sender-name dialog not shown");
    const QRect caption = dialog.PreviewCaption->geometry();
    return {
        {"picture in the dialog", dialog.PreviewPicture->geometry().bottom() + 1, dialog.height()},
        {"caption text", dialog.PreviewCaption->sizeHint().width(), caption.width()},
        {"caption above the picture", caption.bottom() + 1, dialog.PreviewPicture->y()},
        {"caption below the field", std::max(dialog.NameEdit->geometry().bottom(), dialog.OkButton->geometry().bottom()) + 1,
         caption.top()},
    };
}

}  // namespace

class TextFitTest : public QObject {
    Q_OBJECT

private slots:
    void textsHaveTheRoomTheyNeed_data() {
        QTest::addColumn<QString>("widget");
        QTest::addColumn<int>("pointSize");
        for (const char* widget : {"state panel", "settings labels", "help topics", "sender preview"}) {
            QTest::addRow("%s, usual font", widget) << QString::fromLatin1(widget) << 0;
            QTest::addRow("%s, large font", widget) << QString::fromLatin1(widget) << 15;
        }
    }

    void textsHaveTheRoomTheyNeed() {
        QFETCH(QString, widget);
        QFETCH(int, pointSize);
        const QFont usual = QApplication::font();
        QFont font = usual;
        if (pointSize > 0) font.setPointSize(pointSize);
        QApplication::setFont(font);
        const QList<Room> rooms = widget == "state panel"       ? StatePanel()
                                  : widget == "settings labels" ? SettingsLabels()
                                  : widget == "help topics"     ? HelpTopics()
                                                                : SenderPreview();
        QApplication::setFont(usual);
        QVERIFY(rooms.size() >= 3);
        for (const Room& room : rooms)
            QVERIFY2(room.needed <= room.given,
                     qPrintable(QStringLiteral("%1: needs %2, has %3").arg(room.what).arg(room.needed).arg(room.given)));
    }
};

QTEST_MAIN(TextFitTest)
#include "textfit_test.moc"
