// The main window's menus, its tool bar and the tool operations.
#include <algorithm>

#include <QAction>
#include <QActionGroup>
#include <QFontMetrics>
#include <QDockWidget>
#include <QKeySequence>
#include <QMenu>
#include <QMetaMethod>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "blockselection.h"
#include "drawingsurface.h"
#include "helpviewer.h"
#include "mainform.h"
#include "recoverykeeper.h"
#include "toolicons.h"

namespace vorn {

namespace {

struct ToolRow {
    const char* button;  // tool-bar caption
    const char* hint;    // tool-bar hint
    const char* item;    // Tools menu item
};

// The rows' texts are translated where they are shown, in Tmain's context.
constexpr std::array<ToolRow, 8> kTools = {{
    {QT_TRANSLATE_NOOP("vorn::Tmain", "Провод"), QT_TRANSLATE_NOOP("vorn::Tmain", "Провод"),
     QT_TRANSLATE_NOOP("vorn::Tmain", "&Провода и паяльник")},
    {QT_TRANSLATE_NOOP("vorn::Tmain", "Источник"), QT_TRANSLATE_NOOP("vorn::Tmain", "Источник"),
     QT_TRANSLATE_NOOP("vorn::Tmain", "&Источник")},
    {QT_TRANSLATE_NOOP("vorn::Tmain", "Лампочка"), QT_TRANSLATE_NOOP("vorn::Tmain", "Лампочка"),
     QT_TRANSLATE_NOOP("vorn::Tmain", "&Лампочка")},
    {QT_TRANSLATE_NOOP("vorn::Tmain", "Инвертор"), QT_TRANSLATE_NOOP("vorn::Tmain", "Инвектор"),
     QT_TRANSLATE_NOOP("vorn::Tmain", "&Инвертор")},
    {QT_TRANSLATE_NOOP("vorn::Tmain", "Конъюнктор"), QT_TRANSLATE_NOOP("vorn::Tmain", "Конъюнктор"),
     QT_TRANSLATE_NOOP("vorn::Tmain", "&Конъюнктор")},
    {QT_TRANSLATE_NOOP("vorn::Tmain", "Дизъюнктор"), QT_TRANSLATE_NOOP("vorn::Tmain", "Дизъюнктор"),
     QT_TRANSLATE_NOOP("vorn::Tmain", "&Дизъюнктор")},
    {QT_TRANSLATE_NOOP("vorn::Tmain", "Убрать"), QT_TRANSLATE_NOOP("vorn::Tmain", "Убрать"),
     QT_TRANSLATE_NOOP("vorn::Tmain", "&Убрать")},
    {QT_TRANSLATE_NOOP("vorn::Tmain", "Выделение"), QT_TRANSLATE_NOOP("vorn::Tmain", "Выделение"),
     QT_TRANSLATE_NOOP("vorn::Tmain", "&Выделение")},
}};

constexpr int kButtonWidth = 72;
constexpr int kButtonHeight = 52;
constexpr int kCaptionRoom = kButtonWidth - 12;  // the button's own margins take the rest

// The longest captions do not fit a 72-pixel button in every face at the
// usual size: the tool bar takes the largest size at which all of them fit.
QFont ToolCaptionFont(QFont font) {
    constexpr qreal kSmallest = 6.0;
    const auto widest = [](const QFont& f) {
        const QFontMetrics metrics(f);
        int width = 0;
        for (const ToolRow& row : kTools) width = std::max(width, metrics.horizontalAdvance(Tmain::tr(row.button)));
        return width;
    };
    if (font.pointSizeF() <= 0) return font;  // a pixel-sized font is left as it is
    while (font.pointSizeF() > kSmallest && widest(font) > kCaptionRoom) font.setPointSizeF(font.pointSizeF() - 0.5);
    return font;
}

QMenu* NewMenu(QMenuBar* bar, const QString& title) {
    QMenu* menu = bar->addMenu(title);
    // Separators stand where they are placed, the last one in a menu too.
    menu->setSeparatorsCollapsible(false);
    return menu;
}

QAction* AddItem(QMenu* menu, const QString& text, const QKeySequence& shortcut = {}) {
    QAction* action = menu->addAction(text);
    action->setShortcut(shortcut);
    return action;
}

// An item of the work-area pop-up that shows a shortcut of the menu bar: it
// names the key but leaves the key itself to the menu bar's twin.
QAction* AddPopupItem(QMenu* menu, const QString& text, const QKeySequence& shortcut) {
    QAction* action = AddItem(menu, text, shortcut);
    action->setShortcutContext(Qt::WidgetShortcut);
    return action;
}

}  // namespace

void Tmain::CreateMenus() {
    QMenuBar* bar = menuBar();

    File1 = NewMenu(bar, tr("&Файл"));
    New1 = AddItem(File1, tr("&Новый"), QKeySequence(Qt::CTRL | Qt::Key_N));
    Open1 = AddItem(File1, tr("&Открыть"), QKeySequence(Qt::CTRL | Qt::Key_O));
    Save1 = AddItem(File1, tr("&Сохранить"), QKeySequence(Qt::CTRL | Qt::Key_S));
    SaveAs1 = AddItem(File1, tr("Сохранить &как..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    Close1 = AddItem(File1, tr("&Закрыть"), QKeySequence(Qt::CTRL | Qt::Key_W));
    File1->addSeparator();
    Print1 = AddItem(File1, tr("Напечатать схему"), QKeySequence(Qt::Key_P));
    Export1 = AddItem(File1, tr("Экспорт рисунка…"));
    File1->addSeparator();
    Exit1 = AddItem(File1, tr("В&ыход"), QKeySequence(Qt::ALT | Qt::Key_X));
    connect(Exit1, &QAction::triggered, this, &Tmain::ExitClick);
    connect(New1, &QAction::triggered, this, &Tmain::New1Click);
    connect(Open1, &QAction::triggered, this, &Tmain::Open1Click);
    connect(Save1, &QAction::triggered, this, &Tmain::Save1Click);
    connect(SaveAs1, &QAction::triggered, this, &Tmain::SaveAs1Click);
    connect(Close1, &QAction::triggered, this, &Tmain::Close1Click);
    connect(Print1, &QAction::triggered, this, &Tmain::PrintClick);
    connect(Export1, &QAction::triggered, this, &Tmain::ExportClick);

    Edit1 = NewMenu(bar, tr("&Правка"));
    Undo1 = AddItem(Edit1, tr("&Отменить"), QKeySequence(Qt::CTRL | Qt::Key_Z));
    Rendo1 = AddItem(Edit1, tr("&Повторить"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    // Ctrl+Y as well, the redo key of many editors; the menu shows the first.
    Rendo1->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    AddClipboardItems();
    Edit1->addSeparator();
    Refresh1 = AddItem(Edit1, tr("Обновить"), QKeySequence(Qt::Key_F5));
    Undo1->setEnabled(false);
    Rendo1->setEnabled(false);
    connect(Refresh1, &QAction::triggered, this, &Tmain::reloadcanvas);
    connect(Undo1, &QAction::triggered, this, &Tmain::Undo1Click);
    connect(Rendo1, &QAction::triggered, this, &Tmain::Rendo1Click);
    // The menu is right whenever it is seen, whoever changed the counts.
    connect(Edit1, &QMenu::aboutToShow, this, &Tmain::UpdateHistoryCommands);

    Tools1 = NewMenu(bar, tr("&Инструменты"));
    Showtoolkit1 = AddItem(Tools1, tr("Показать/скрыть &панель инструментов"), QKeySequence(Qt::Key_F11));
    Showtoolkit1->setCheckable(true);
    Showtoolkit1->setChecked(true);
    connect(Showtoolkit1, &QAction::triggered, this, [this](bool checked) {
        // The item flips its own check in Showtoolkit1Click.
        Showtoolkit1->setChecked(!checked);
        Showtoolkit1Click();
    });
    Tools1->addSeparator();
    toolItemGroup_ = new QActionGroup(this);
    for (std::size_t i = 0; i < kTools.size(); ++i) {
        if (static_cast<int>(i) + 1 == ToolEraser) Tools1->addSeparator();
        QAction* item = AddItem(Tools1, tr(kTools[i].item), QKeySequence(static_cast<int>(Qt::Key_1 + i)));
        item->setCheckable(true);
        toolItemGroup_->addAction(item);
        ToolItems[i] = item;
    }
    ToolItems[0]->setChecked(true);

    Start1 = NewMenu(bar, tr("&Запуск"));
    Run2 = AddItem(Start1, tr("&Запустить/остановить"), QKeySequence(Qt::Key_F9));
    Run2->setCheckable(true);
    Run2->setChecked(false);
    connect(Run2, &QAction::triggered, this, &Tmain::Run2Click);
    Checkup1 = AddItem(Start1, tr("&Проверка"), QKeySequence(Qt::CTRL | Qt::Key_F9));
    Checkup1->setVisible(false);
    Table1 = AddItem(Start1, tr("&Таблица истинности"), QKeySequence(Qt::CTRL | Qt::Key_T));
    connect(Table1, &QAction::triggered, this, &Tmain::Table1Click);

    Options1 = NewMenu(bar, tr("&Опции"));
    Settings1 = AddItem(Options1, tr("&Настройки программы"), QKeySequence(Qt::ALT | Qt::Key_O));
    connect(Settings1, &QAction::triggered, this, &Tmain::OpenSettings);
    Options1->addSeparator();
    zoomItemGroup_ = new QActionGroup(this);
    Zoom1 = AddItem(Options1, tr("Увеличение &1 (50%)"), QKeySequence(Qt::ALT | Qt::Key_1));
    Zoom2 = AddItem(Options1, tr("Увеличение &2 (100%)"), QKeySequence(Qt::ALT | Qt::Key_2));
    Zoom3 = AddItem(Options1, tr("Увеличение &3 (150%)"), QKeySequence(Qt::ALT | Qt::Key_3));
    for (QAction* zoom : {Zoom1, Zoom2, Zoom3}) {
        zoom->setCheckable(true);
        zoomItemGroup_->addAction(zoom);
    }
    Options1->addSeparator();
    connect(Zoom1, &QAction::triggered, this, &Tmain::Zoom1Click);
    connect(Zoom2, &QAction::triggered, this, &Tmain::Zoom2Click);
    connect(Zoom3, &QAction::triggered, this, &Tmain::Zoom3Click);

    Help1 = NewMenu(bar, tr("&Справка"));
    Contents1 = AddItem(Help1, tr("Помощь"), QKeySequence(Qt::Key_F1));
    Master1 = AddItem(Help1, tr("Запустить мастера обучения работе с программой"), QKeySequence(Qt::CTRL | Qt::Key_M));
    About1 = AddItem(Help1, tr("&О программе ..."), QKeySequence(Qt::ALT | Qt::Key_F1));
    Help1->addSeparator();
    connect(Contents1, &QAction::triggered, this, &Tmain::ContentsClick);
    connect(Master1, &QAction::triggered, this, &Tmain::Master1Click);
    connect(About1, &QAction::triggered, this, &Tmain::AboutClick);
}

void Tmain::CreatePopupMenu() {
    PopupMenu1 = new QMenu(this);
    objmove = AddItem(PopupMenu1, tr("Переместить объект"));
    objdel = AddItem(PopupMenu1, tr("Удалить объект"));
    objname = AddItem(PopupMenu1, tr("Назвать…"));
    Objhelp = AddItem(PopupMenu1, tr("Вывести справку по объекту"));
    PopupSeparator1 = PopupMenu1->addSeparator();
    zoomPopupGroup_ = new QActionGroup(this);
    Zoom11 = AddPopupItem(PopupMenu1, tr("Увеличение 1 (50%)"), QKeySequence(Qt::ALT | Qt::Key_1));
    Zoom12 = AddPopupItem(PopupMenu1, tr("Увеличение 2 (100%)"), QKeySequence(Qt::ALT | Qt::Key_2));
    Zoom13 = AddPopupItem(PopupMenu1, tr("Увеличение 3 (150%)"), QKeySequence(Qt::ALT | Qt::Key_3));
    for (QAction* zoom : {Zoom11, Zoom12, Zoom13}) {
        zoom->setCheckable(true);
        zoomPopupGroup_->addAction(zoom);
    }
    Zoom12->setChecked(true);
    PopupSeparator2 = PopupMenu1->addSeparator();
    checkup2 = AddPopupItem(PopupMenu1, tr("&Проверить"), QKeySequence(Qt::CTRL | Qt::Key_F9));
    checkup2->setVisible(false);
    run3 = AddPopupItem(PopupMenu1, tr("&Запустить/остановить"), QKeySequence(Qt::Key_F9));
    run3->setCheckable(true);
    connect(run3, &QAction::triggered, this, &Tmain::Run2Click);
    connect(objdel, &QAction::triggered, this, &Tmain::objdelClick);
    connect(objmove, &QAction::triggered, this, &Tmain::objmoveClick);
    connect(Objhelp, &QAction::triggered, this, &Tmain::ObjhelpClick);
    connect(objname, &QAction::triggered, this, &Tmain::objnameClick);
    connect(Zoom11, &QAction::triggered, this, &Tmain::Zoom1Click);
    connect(Zoom12, &QAction::triggered, this, &Tmain::Zoom2Click);
    connect(Zoom13, &QAction::triggered, this, &Tmain::Zoom3Click);
    connect(PopupMenu1, &QMenu::aboutToHide, this, &Tmain::RestorePopupItems);
}

void Tmain::CreateToolBar() {
    ToolbarHolder = new QDockWidget(this);
    ToolbarHolder->setObjectName(QStringLiteral("ToolbarHolder"));
    ToolbarHolder->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    // Movable but not closable: a closed holder would take the tools away
    // until F11, with nothing on screen to say how to get them back.
    ToolbarHolder->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);

    auto* body = new QWidget(ToolbarHolder);
    auto* column = new QVBoxLayout(body);
    column->setContentsMargins(2, 2, 2, 2);
    column->setSpacing(0);

    ToolBar1 = new QToolBar(body);
    ToolBar1->setOrientation(Qt::Vertical);
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setIconSize(QSize(kToolIconSize, kToolIconSize));
    ToolBar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    ToolBar1->setFont(ToolCaptionFont(ToolBar1->font()));
    column->addWidget(ToolBar1);

    toolButtonGroup_ = new QActionGroup(this);
    for (std::size_t i = 0; i < kTools.size(); ++i) {
        auto* button = new QAction(ToolIcon(static_cast<int>(i) + 1), tr(kTools[i].button), this);
        button->setCheckable(true);
        button->setStatusTip(tr(kTools[i].hint));
        // The caption is on the button already: the tooltip adds its key.
        button->setToolTip(QStringLiteral("%1 (%2)").arg(tr(kTools[i].button),
                                                         ToolItems[i]->shortcut().toString(QKeySequence::NativeText)));
        toolButtonGroup_->addAction(button);
        ToolBar1->addAction(button);
        if (QWidget* widget = ToolBar1->widgetForAction(button)) {
            widget->setFixedSize(kButtonWidth, kButtonHeight);
            widget->setFocusPolicy(Qt::NoFocus);
        }
        ToolButtons[i] = button;
    }
    ToolButtons[0]->setChecked(true);

    column->addStretch(1);

    ToolbarHolder->setWidget(body);
    addDockWidget(Qt::LeftDockWidgetArea, ToolbarHolder);

    const std::array<void (Tmain::*)(), 8> operations = {&Tmain::WireClick, &Tmain::CuSoClick, &Tmain::LampClick,
                                                         &Tmain::Not1Click, &Tmain::And1Click, &Tmain::Or1Click,
                                                         &Tmain::DelClick,  &Tmain::SelClick};
    for (std::size_t i = 0; i < operations.size(); ++i) {
        connect(ToolButtons[i], &QAction::triggered, this, operations[i]);
        connect(ToolItems[i], &QAction::triggered, this, operations[i]);
    }
}

// ---- tool operations -------------------------------------------------------

void Tmain::WireClick() { SelectTool(ToolWire); }
void Tmain::CuSoClick() { SelectTool(ToolSource); }
void Tmain::LampClick() { SelectTool(ToolLamp); }
void Tmain::Not1Click() { SelectTool(ToolInverter); }
void Tmain::And1Click() { SelectTool(ToolConjunctor); }
void Tmain::Or1Click() { SelectTool(ToolDisjunctor); }
void Tmain::DelClick() { SelectTool(ToolEraser); }
void Tmain::SelClick() { SelectTool(ToolSelect); }

void Tmain::SelectTool(int tool) {
    ProgramState& s = *state_;
    // A tool choice is logged as the tool's number negated, three times.
    const auto log = [this, tool] { clips_->Log(-tool, -tool, -tool); };
    // While a clip plays only the tool the clip is at may be chosen; any
    // other attempt is logged and leaves the tool as it was.
    if (clips_->Active() && !clips_->Recording() && ClipToolOf(clips_->CurrentCode()) != tool) {
        log();
        SyncToolControls();
        return;
    }
    // While the circuit runs the tool is suspended (64 added to it); a choice
    // now would be lost when run mode ends, so there is none.
    if (s.RunMode) {
        log();
        SyncToolControls();
        return;
    }
    // A tool the document's task does not allow is not taken.
    if (!ToolAllowed(tool)) {
        log();
        SyncToolControls();
        return;
    }
    s.CurrentTool = tool;
    if (tool != ToolSelect && selection_) selection_->Clear();
    SyncToolControls();
    ResetHoverMarker();
    log();
}

void Tmain::SyncToolControls() {
    const int tool = state_->CurrentTool % kRunToolOffset;
    if (tool < ToolWire || tool > ToolSelect) return;
    ToolButtons[static_cast<std::size_t>(tool - 1)]->setChecked(true);
    ToolItems[static_cast<std::size_t>(tool - 1)]->setChecked(true);
}

void Tmain::ResetHoverMarker() {
    const ViewGeometry view = View();
    switch (state_->CurrentTool) {
    case ToolWire:
        Image2->resize(5, 5);
        Image2->SetTransparent(true);
        Image2->SetPicture(MarkerPicture::AnchorDot);
        break;
    case ToolConjunctor:
    case ToolDisjunctor:
        Image2->resize(view.GateMarkerSize());
        Image2->SetTransparent(false);
        Image2->SetPicture(MarkerPicture::Placement);
        break;
    default:
        Image2->resize(view.CellMarkerSize());
        Image2->SetTransparent(true);
        Image2->SetPicture(MarkerPicture::Placement);
        break;
    }
    Image2->hide();
    eraserMarkerShown_ = false;
}

// ---- other commands ----------------------------------------------------------

void Tmain::ExitClick() { close(); }

void Tmain::ContentsClick() {
    StopClip();
    HelpViewer::OpenContents(this);
}

void Tmain::OpenSettings() {
    StopClip();
    emit settingsRequested();
}

UserSettings Tmain::CurrentSettings() const {
    UserSettings settings = state_->Settings;
    settings.undoSteps = document_->HistoryDepth();
    settings.recoverySeconds = recovery_->Interval();
    return settings;
}

void Tmain::ApplySettings(const UserSettings& settings) {
    const CircuitColors& colors = state_->Settings.colors;
    const bool recolour = settings.colors.wire != colors.wire || settings.colors.zero != colors.zero ||
                          settings.colors.one != colors.one;
    state_->Settings = settings;
    document_->SetHistoryDepth(settings.undoSteps);
    recovery_->SetInterval(settings.recoverySeconds);
    if (recolour) reloadcanvas();
}

void Tmain::AboutClick() {
    StopClip();
    if (!isSignalConnected(QMetaMethod::fromSignal(&Tmain::aboutRequested))) return;
    setEnabled(false);
    emit aboutRequested();
}


}  // namespace vorn
