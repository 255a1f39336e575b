// The main window's shell: menu table, tool bar, tool selection, the clip log
// of tool choices, status panels, hint line, the status bar's zoom pop-up,
// the window menu and the size limits.
#include <memory>

#include <QAbstractButton>
#include <QAction>
#include <QDockWidget>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

#include "drawingsurface.h"
#include "mainform.h"
#include "shown_window.h"
#include "windowmenu.h"

using namespace vorn;
using vorn::test::Inside;

namespace {

using vorn::test::ShownWindow;

// One line per item: "-" for a separator, else text, tab, portable shortcut.
QStringList Listing(const QMenu* menu, bool visibleOnly = false) {
    QStringList lines;
    for (const QAction* a : menu->actions())
        if (!visibleOnly || a->isVisible())
            lines << (a->isSeparator() ? QStringLiteral("-")
                                       : a->text() + '\t' + a->shortcut().toString(QKeySequence::PortableText));
    return lines;
}

void SendHint(QObject* receiver, const QString& hint) {
    QStatusTipEvent tip(hint);
    QCoreApplication::sendEvent(receiver, &tip);
}

void PressOnStatusBar(Tmain& w, int x, Qt::MouseButton button) {
    QStatusBar* bar = w.statusBar();
    QWidget* target = bar->childAt(x, bar->height() / 2);
    if (!target) target = bar;
    QTest::mousePress(target, button, {}, target->mapFrom(bar, QPoint(x, bar->height() / 2)));
}

}  // namespace

class MainformMenusTest : public QObject {
    Q_OBJECT

private slots:
    void menusListTheirItemsAndStartStates();
    void toolBarButtonsToolChoiceAndMarker();
    void playingClipRefusesOtherToolsAndLogsEveryChoice();
    void statusPanelsHintLineAndCoordinates();
    void rightPressOnZoomPanelOpensOnlyTheZoomItems();
    void historyCommandsCaptionAndSizeLimits();
};

void MainformMenusTest::menusListTheirItemsAndStartStates() {
    auto w = ShownWindow();
    auto ui = Inside(w);
    QStringList titles;
    for (const QAction* menu : w->menuBar()->actions()) titles << menu->text();
    QCOMPARE(titles, (QStringList{"&Файл", "&Правка", "&Инструменты", "&Запуск", "&Опции", "&Справка"}));
    const std::pair<QMenu*, QStringList> menus[] = {
        {ui.File1,
         {"&Новый\tCtrl+N", "&Открыть\tCtrl+O", "&Сохранить\tCtrl+S", "Сохранить &как...\tCtrl+Shift+S",
          "Сохранить как за&дание…\t", "&Закрыть\tCtrl+W", "-", "Напечатать схему\tP", "Экспорт рисунка…\t", "-", "В&ыход\tAlt+X"}},
        {ui.Edit1,
         {"&Отменить\tCtrl+Z", "&Повторить\tCtrl+Shift+Z", "-", "&Вырезать\tCtrl+X", "&Копировать\tCtrl+C",
          "Вст&авить\tCtrl+V", "&Удалить\tDel", "-", "Обновить\tF5"}},
        {ui.Tools1,
         {"Показать/скрыть &панель инструментов\tF11", "-", "&Провода и паяльник\t1", "&Источник\t2", "&Лампочка\t3",
          "&Инвертор\t4", "&Конъюнктор\t5", "&Дизъюнктор\t6", "-", "&Убрать\t7", "&Выделение\t8"}},
        {ui.Start1, {"&Запустить/остановить\tF9", "&Проверка\tCtrl+F9", "&Таблица истинности\tCtrl+T"}},
        {ui.Options1,
         {"&Настройки программы\tAlt+O", "-", "Увеличение &1 (50%)\tAlt+1", "Увеличение &2 (100%)\tAlt+2",
          "Увеличение &3 (150%)\tAlt+3", "-"}},
        {ui.Help1,
         {"Помощь\tF1", "Запустить мастера обучения работе с программой\tCtrl+M", "Готовые задания…\t",
          "&О программе ...\tAlt+F1", "-"}},
        {ui.PopupMenu1,
         {"Переместить объект\t", "Удалить объект\t", "Назвать…\t", "Вывести справку по объекту\t", "-",
          "Увеличение 1 (50%)\tAlt+1", "Увеличение 2 (100%)\tAlt+2", "Увеличение 3 (150%)\tAlt+3", "-",
          "&Проверить\tCtrl+F9", "&Запустить/остановить\tF9"}},
        {ui.SystemMenu->Menu(),
         {"Опции                       Alt+O\t", "-", "Запуск мастера      Ctrl+M\t", "-",
          "О программе           Alt+F1\t", "Помощь                          F1\t"}},
    };
    for (const auto& [menu, items] : menus) QCOMPARE(Listing(menu), items);
    QVERIFY(!ui.Help1->separatorsCollapsible());  // the closing separator stays on screen
    QStringList numbers;
    for (const QAction* a : ui.SystemMenu->Menu()->actions())
        if (!a->isSeparator()) numbers << a->data().toString();
    QCOMPARE(numbers, (QStringList{"1028", "1025", "1026", "1027"}));

    QVERIFY(!ui.Undo1->isEnabled() && !ui.Rendo1->isEnabled());
    QVERIFY(ui.Showtoolkit1->isChecked() && !ui.Run2->isChecked());
    for (std::size_t i = 0; i < 8; ++i)
        QVERIFY(ui.ToolItems[i]->isChecked() == (i == 0) && ui.ToolButtons[i]->isChecked() == (i == 0));
    // No zoom item of the menu bar is checked at start; the pop-up's 100% is.
    QVERIFY(!ui.Zoom1->isChecked() && !ui.Zoom2->isChecked() && !ui.Zoom3->isChecked());
    QVERIFY(!ui.Zoom11->isChecked() && ui.Zoom12->isChecked() && !ui.Zoom13->isChecked());

    QTest::keyClick(w.get(), Qt::Key_1, Qt::AltModifier);  // the pop-up only names the keys: not ambiguous
    QCOMPARE(w->State().ZoomFactor, 1);
    QTest::keyClick(w.get(), Qt::Key_Space, Qt::AltModifier);
    QTRY_VERIFY(ui.SystemMenu->Menu()->isVisible());
    ui.SystemMenu->Menu()->hide();
}

void MainformMenusTest::toolBarButtonsToolChoiceAndMarker() {
    auto w = ShownWindow();
    auto ui = Inside(w);
    const QStringList captions{"Провод",     "Источник",   "Лампочка", "Инвертор",
                               "Конъюнктор", "Дизъюнктор", "Убрать",   "Выделение"};
    QCOMPARE(ui.ToolBar1->iconSize(), QSize(32, 32));
    QCOMPARE(ui.ToolBar1->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    QList<QImage> icons;
    for (int i = 0; i < 8; ++i) {
        QAction* action = ui.ToolButtons[static_cast<std::size_t>(i)];
        QCOMPARE(action->text(), captions[i]);
        QCOMPARE(action->statusTip(), i == 3 ? QStringLiteral("Инвектор") : captions[i]);
        auto* button = qobject_cast<QToolButton*>(ui.ToolBar1->widgetForAction(action));
        QCOMPARE(button->toolTip(), QStringLiteral("%1 (%2)").arg(captions[i]).arg(i + 1));
        QCOMPARE(button->size(), QSize(72, 52));
        QCOMPARE(button->x(), ui.ToolBar1->widgetForAction(ui.ToolButtons[0])->x());  // one per row
        if (i > 0) QVERIFY(button->y() >= ui.ToolBar1->widgetForAction(ui.ToolButtons[i - 1])->y() + 52);
        QVERIFY(button->fontMetrics().horizontalAdvance(captions[i]) <= 72 - 12);  // the caption fits whole
        const QImage icon = action->icon().pixmap(32, 32).toImage();
        QVERIFY2(!icons.contains(icon), "two tools share a picture");
        icons << icon;
    }
    QCOMPARE(w->dockWidgetArea(ui.ToolbarHolder), Qt::LeftDockWidgetArea);
    // The holder can be moved but offers no close button.
    const auto* closeButton = ui.ToolbarHolder->findChild<QAbstractButton*>("qt_dockwidget_closebutton");
    QVERIFY(!closeButton || !closeButton->isVisible());

    // Key, button and menu item choose a tool, and all of them show it.
    const auto isTool = [&](int tool) {
        bool same = w->State().CurrentTool == tool;
        for (std::size_t i = 0; i < 8; ++i)
            same = same && ui.ToolButtons[i]->isChecked() == (int(i) + 1 == tool) &&
                   ui.ToolItems[i]->isChecked() == (int(i) + 1 == tool);
        return same;
    };
    for (int tool : {5, 2, 8, 7, 1}) {
        QTest::keyClick(w.get(), static_cast<Qt::Key>(Qt::Key_0 + tool));
        QVERIFY(isTool(tool));
    }
    QTest::mouseClick(ui.ToolBar1->widgetForAction(ui.ToolButtons[3]), Qt::LeftButton);
    QVERIFY(isTool(4));
    ui.ToolItems[5]->trigger();
    QVERIFY(isTool(6));
    ui.ToolButtons[5]->trigger();  // the chosen tool chosen again stays chosen
    QVERIFY(isTool(6));

    // The marker: a gate's patch is opaque, the others' transparent; each
    // tool change hides it and sizes it to the tool and the zoom.
    HoverMarker* marker = ui.Image2;
    QVERIFY(marker->testAttribute(Qt::WA_TransparentForMouseEvents));
    QCOMPARE(marker->size(), QSize(44, 68));
    QCOMPARE(marker->Render().pixelColor(0, 0), QColor(128, 255, 128));
    QCOMPARE(marker->Render().pixelColor(1, 0), QColor(Qt::white));
    marker->show();
    ui.LampClick();
    QVERIFY(!marker->isVisible());
    QCOMPARE(marker->size(), QSize(20, 20));
    QCOMPARE(marker->Render().pixelColor(1, 1), QColor(128, 255, 128));
    QCOMPARE(marker->Render().pixelColor(0, 1).alpha(), 0);
    ui.Zoom3Click();
    ui.DelClick();
    QCOMPARE(marker->size(), QSize(30, 30));
    ui.And1Click();
    QCOMPARE(marker->size(), QSize(66, 102));
    ui.WireClick();
    QCOMPARE(marker->size(), QSize(5, 5));
    QCOMPARE(marker->Render().pixelColor(2, 2), QColor(0, 0, 255));  // the blue anchor dot
    QCOMPARE(marker->Render().pixelColor(0, 0).alpha(), 0);
    QVERIFY(w->Clips().LogText().isEmpty());  // no clip, no log
}

void MainformMenusTest::playingClipRefusesOtherToolsAndLogsEveryChoice() {
    auto w = ShownWindow();
    auto ui = Inside(w);
    ProgramState& s = w->State();
    ui.CuSoClick();
    static const ClipEvent script[] = {{-2, -2, -2}, {-3, -3, -3}, {kClipMove, 100, 100}};
    w->Clips().Play(script, 2);  // the clip is at its lamp-tool event
    w->Clips().Pause();
    QTest::keyClick(w.get(), Qt::Key_1);
    QTest::mouseClick(ui.ToolBar1->widgetForAction(ui.ToolButtons[0]), Qt::LeftButton);
    ui.ToolItems[6]->trigger();
    QCOMPARE(s.CurrentTool, 2);
    QVERIFY(ui.ToolButtons[1]->isChecked() && ui.ToolItems[1]->isChecked() && !ui.ToolButtons[0]->isChecked());
    QCOMPARE(w->Clips().LogText(), QStringLiteral("(-1,-1,-1),\n(-1,-1,-1),\n(-7,-7,-7),"));

    ui.LampClick();  // the clip's own choice
    QCOMPARE(s.CurrentTool, 3);
    QVERIFY(w->Clips().LogText().endsWith(QStringLiteral("\n(-3,-3,-3),")));
    w->Clips().Play(script, 3);  // a move event lets no tool through
    w->Clips().Pause();
    ui.WireClick();
    QCOMPARE(s.CurrentTool, 3);

    w->Clips().StartRecording();  // recording: free choice, still logged
    QTest::keyClick(w.get(), Qt::Key_6);
    QCOMPARE(s.CurrentTool, 6);
    QCOMPARE(w->Clips().LogText(), QStringLiteral("(-6,-6,-6),"));
}

void MainformMenusTest::statusPanelsHintLineAndCoordinates() {
    auto w = ShownWindow();
    auto ui = Inside(w);
    const auto panel = [&](int i) { return ui.StatusPanel(i)->text(); };
    QCOMPARE((QStringList{panel(0), panel(1), panel(2), panel(3), panel(4), panel(5), panel(6)}),
             (QStringList{"Новый", " " + IdleHintText(), " X: ", " Y: ", "100%", "", ""}));
    QVERIFY(IdleHintText().startsWith(QStringLiteral("Vorn v1.1")) && IdleHintText().size() > 12);
    for (QSize size : {QSize(1000, 700), QSize(800, 600)}) {
        w->resize(size);
        QTRY_COMPARE(w->size(), size);
        // The state panel is wider than 64 only as its words need; the hint
        // line gives up what it takes.
        const int state = ui.StatusPanel(0)->width();
        QVERIFY(state >= 64);
        const int widths[] = {state, w->width() - 250 - (state - 64), 50, 50, 40, 50, 50};
        for (int i = 0, left = ui.StatusPanel(0)->x(); i < 7; left += widths[i++])
            QCOMPARE(QPoint(ui.StatusPanel(i)->x(), ui.StatusPanel(i)->width()), QPoint(left, widths[i]));
    }

    // Each state word shows whole, as the document announces it.
    for (DocumentState state : {DocumentState::Opened, DocumentState::Modified, DocumentState::Saved,
                                DocumentState::New}) {
        emit w->Document().stateChanged(state);
        QVERIFY2(ui.StatusPanel(0)->width() >= ui.StatusPanel(0)->sizeHint().width(),
                 qPrintable(DocumentStateText(state)));
    }

    // Hints of buttons, menus and pop-up items show in panel 1, never as a
    // status-bar message; no hint shows the title and credit.
    SendHint(ui.ToolBar1->widgetForAction(ui.ToolButtons[3]), QStringLiteral("Инвектор"));
    QCOMPARE(panel(1), QStringLiteral(" Инвектор"));
    QVERIFY(w->statusBar()->currentMessage().isEmpty());
    SendHint(w->menuBar(), QString());
    QCOMPARE(panel(1), QStringLiteral(" ") + IdleHintText());
    SendHint(ui.Zoom11, QStringLiteral("Зум"));
    QCOMPARE(panel(1), QStringLiteral(" Зум"));

    // The work area announces its changed hint while the pointer is over it,
    // and its coordinates stay while its hint is shown, or while a clip plays.
    QTest::mouseMove(ui.Image3, QPoint(50, 50));
    QTRY_VERIFY(ui.Image3->underMouse());
    ui.Image3->SetHint(QStringLiteral("Рабочее поле"));
    QCOMPARE(panel(1), QStringLiteral(" Рабочее поле"));
    ui.StatusPanel(2)->setText(QStringLiteral(" X: 7"));
    ui.StatusPanel(3)->setText(QStringLiteral(" Y: 9"));
    ui.Housekeeping();
    QCOMPARE(panel(2), QStringLiteral(" X: 7"));
    w->Clips().Play(BuiltInClip(1), 0);
    w->Clips().Pause();
    SendHint(ui.ToolBar1, QStringLiteral("Провод"));
    QVERIFY(panel(1) == QStringLiteral(" Рабочее поле") && panel(2) == QStringLiteral(" X: 7"));
    w->Clips().Stop();
    SendHint(ui.ToolBar1, QStringLiteral("Провод"));  // another hint: the pointer left the work area
    QVERIFY(panel(2) == QStringLiteral(" X: ") && panel(3) == QStringLiteral(" Y: "));
}

void MainformMenusTest::rightPressOnZoomPanelOpensOnlyTheZoomItems() {
    auto w = ShownWindow();
    auto ui = Inside(w);
    const int zoomLeft = ui.StatusPanelRight(3);
    const int zoomRight = ui.StatusPanelRight(4);
    QCOMPARE(zoomRight - zoomLeft, 40);
    for (int x : {10, ui.StatusPanelRight(1) + 10, zoomLeft - 5, zoomLeft, zoomRight}) {
        PressOnStatusBar(*w, x, Qt::RightButton);
        QVERIFY2(!ui.PopupMenu1->isVisible(), qPrintable(QString::number(x)));
    }
    PressOnStatusBar(*w, zoomLeft + 20, Qt::LeftButton);
    QVERIFY(!ui.PopupMenu1->isVisible());

    PressOnStatusBar(*w, zoomLeft + 1, Qt::RightButton);
    QTRY_VERIFY(ui.PopupMenu1->isVisible());
    QCOMPARE(Listing(ui.PopupMenu1, true), (QStringList{"Увеличение 1 (50%)\tAlt+1", "Увеличение 2 (100%)\tAlt+2",
                                                        "Увеличение 3 (150%)\tAlt+3"}));
    ui.Zoom13->trigger();
    ui.PopupMenu1->hide();
    QCOMPARE(w->State().ZoomFactor, 3);
    QCOMPARE(Listing(ui.PopupMenu1, true).size(), 10);  // whole again, the run item too
}

void MainformMenusTest::historyCommandsCaptionAndSizeLimits() {
    auto w = ShownWindow();
    auto ui = Inside(w);
    CircuitDocument& d = w->Document();
    d.CommitGesture(d.Cells());
    d.CommitGesture(d.Cells());
    QVERIFY(ui.Undo1->isEnabled() && !ui.Rendo1->isEnabled());
    d.Reset();
    d.CommitGesture(d.Cells());
    d.Undo();  // one redo state, no undo state
    ui.Edit1->popup(w->mapToGlobal(QPoint(20, 20)));  // opening the menu shows the counts as they are
    QVERIFY(!ui.Undo1->isEnabled() && ui.Rendo1->isEnabled());
    ui.Edit1->hide();

    QCOMPARE(w->windowTitle(), QStringLiteral("Vorn v1.1 - [Новая схема]"));
    w->resize(150, 150);
    QTRY_COMPARE(w->size(), QSize(600, 480));
    w->resize(3000, 2000);
    QTRY_COMPARE(w->size(), QSize(1280, 1024));
}

QTEST_MAIN(MainformMenusTest)
#include "mainform_menus_test.moc"
