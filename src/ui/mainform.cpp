// The main window's creation, its status bar, hint line and housekeeping,
// and the events it watches for the whole window.
#include "mainform.h"

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDockWidget>
#include <QEnterEvent>
#include <QLabel>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPalette>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>

#include "circuitfile.h"
#include "datafolder.h"
#include "drawingsurface.h"
#include "errorreporter.h"
#include "helpviewer.h"
#include "languagefolder.h"
#include "programtitle.h"
#include "settingsstore.h"

namespace vorn {

namespace {

constexpr int kStatusPanelCount = 7;
// Widths of the status panels; panel 1 takes the window width less 250.
constexpr std::array<int, kStatusPanelCount> kPanelWidths = {64, 0, 50, 50, 40, 50, 50};
constexpr int kHintPanelReserve = 250;
// The words the document-state panel shows, as DocumentStateText translates them.
constexpr std::array<const char*, 4> kStateWords = {
    QT_TRANSLATE_NOOP("vorn::CircuitDocument", "Новый"), QT_TRANSLATE_NOOP("vorn::CircuitDocument", "Открыт"),
    QT_TRANSLATE_NOOP("vorn::CircuitDocument", "Изменено"), QT_TRANSLATE_NOOP("vorn::CircuitDocument", "Сохранено")};

// The state panel is as wide as its longest word needs with a blank either
// side, and never narrower than designed.
int StatePanelWidth(const QLabel& panel) {
    int width = kPanelWidths[0];
    for (const char* word : kStateWords) {
        const QString padded = QStringLiteral(" %1 ").arg(CircuitDocument::tr(word));
        width = std::max(width, panel.fontMetrics().horizontalAdvance(padded) + 2 * panel.frameWidth());
    }
    return width;
}

bool IsInside(const QObject* object, const QObject* ancestor) {
    for (; object; object = object->parent())
        if (object == ancestor) return true;
    return false;
}

}  // namespace

QString IdleHintText() {
    return Tmain::tr("%1  —  учебная программа по алгебре логики. © Авторы Vorn").arg(ProgramTitleText());
}

Tmain::Tmain(QWidget* parent)
    : QMainWindow(parent),
      state_(std::make_unique<ProgramState>()),
      document_(new CircuitDocument(this)),
      clips_(new ClipPlayer(this)) {
    setMinimumSize(600, 480);
    setMaximumSize(1280, 1024);

    // The controls first, as the window is laid out.
    CreateMenus();
    CreatePopupMenu();
    CreateToolBar();
    CreateWorkArea();
    CreateStatusBar();
    CreateClipControls();
    ConnectDocument();
    CreateSelection();
    CreateRecovery();
    CreateTaskControls();

    ProgramState& s = *state_;

    // 1. Unexpected errors reach the error reporter from here on.
    s.ProgramFolder = QCoreApplication::applicationDirPath();
    while (s.ProgramFolder.size() > 1 && s.ProgramFolder.endsWith(QLatin1Char('/'))) s.ProgramFolder.chop(1);
    ErrorReporter::Install(ResolveLogFolder(s.ProgramFolder));
    s.SettingsFile = SettingsStore::DefaultFilePath();
    CreateRecentFileItems();

    // 2. The help file lies in the help folder beside the program, or in the
    // shared data folder of an installed one; its English edition in help/en.
    s.DataFolder = ResolveDataFolder(s.ProgramFolder);
    HelpViewer::SetHelpFile(LanguagePath(s.DataFolder + QStringLiteral("/help"), QStringLiteral("help.hlp")));

    // 3. The window menu's own commands.
    CreateSystemMenu();

    // 4.-5. Default colours, a white surface and the first picture.
    s.Settings.colors = CircuitColors{};
    if (!Image3->Picture().isNull()) Image3->Picture().fill(Qt::white);
    Image3->show();
    reloadcanvas();

    // 6. No gesture, no clip, a new empty document.
    s.GestureActive = false;
    document_->Reset();

    // 7. The code sets are built on first use; use them once now.
    (void)EastSet();
    (void)SouthSet();

    // 8. The hint handler sees every hint of this window (eventFilter).
    qApp->installEventFilter(this);
    LayoutStatusPanels();

    // 9. Scroll steps, until the settings say otherwise.
    s.Settings.kmiddles = 5;
    s.Settings.km = QApplication::wheelScrollLines();
    UpdateHistoryCommands();

    // 10. Dropped files are taken; white ground; the view at the top-left.
    setAcceptDrops(true);
    QPalette ground = WorkPlace->palette();
    ground.setColor(QPalette::Window, Qt::white);
    WorkPlace->setPalette(ground);
    WorkPlace->setAutoFillBackground(true);
    HorzScroll->setValue(0);
    VertScroll->setValue(0);

    // The start-up timer: its first tick, 2 ms after start, paints the grid.
    startupTimer_ = new QTimer(this);
    startupTimer_->setSingleShot(true);
    startupTimer_->setInterval(2);
    connect(startupTimer_, &QTimer::timeout, this, &Tmain::StartupTick);
    startupTimer_->start();
}

Tmain::~Tmain() { qApp->removeEventFilter(this); }

void Tmain::StartupTick() {
    reloadcanvas();
    if (isSignalConnected(QMetaMethod::fromSignal(&Tmain::splashRequested))) {
        setEnabled(false);
        emit splashRequested();
    } else {
        OpenCommandLineFile();
    }
}

// ---- the document's views ----------------------------------------------------

void Tmain::ConnectDocument() {
    connect(document_, &CircuitDocument::gridChanged, this, &Tmain::reloadcanvas);
    connect(document_, &CircuitDocument::stateChanged, this, &Tmain::ShowDocumentState);
    connect(document_, &CircuitDocument::fileNameChanged, this,
            [this] { setWindowTitle(DocumentTitle(document_->State(), document_->FileName())); });
    connect(document_, &CircuitDocument::historyChanged, this, &Tmain::UpdateHistoryCommands);
}

void Tmain::ShowDocumentState(DocumentState state) {
    panels_[0]->setText(DocumentStateText(state));
    setWindowTitle(DocumentTitle(state, document_->FileName()));
}

// ---- status bar ------------------------------------------------------------

void Tmain::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setSizeGripEnabled(false);
    // The panels are placed by hand: their widths add up to more than the
    // window is wide, and the last ones are simply cut off at its edge.
    statusPanels_ = new QWidget(bar);
    statusPanels_->setMinimumSize(0, 20);
    bar->addWidget(statusPanels_, 1);
    for (int i = 0; i < kStatusPanelCount; ++i) {
        auto* panel = new QLabel(statusPanels_);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setAlignment((i == 0 || i == 4 ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
        panel->setTextFormat(Qt::PlainText);
        panels_[static_cast<std::size_t>(i)] = panel;
    }
    panels_[1]->setText(QStringLiteral(" ") + IdleHintText());
    panels_[2]->setText(QStringLiteral(" X: "));
    panels_[3]->setText(QStringLiteral(" Y: "));
    panels_[4]->setText(QStringLiteral("100%"));
}

void Tmain::LayoutStatusPanels() {
    if (!statusPanels_) return;
    // What the state panel grows by comes out of the hint line.
    const int stateWidth = StatePanelWidth(*panels_[0]);
    // Panel 5 says whether the circuit runs; while it does, the hint line
    // gives up what it takes to show that panel whole.
    const bool running = !panels_[5]->text().isEmpty();
    const int runWidth = running ? std::max(kPanelWidths[5], panels_[5]->sizeHint().width()) : kPanelWidths[5];
    // What is left of the window right of panel 4, less the bar's own margin.
    int runRoom = kHintPanelReserve - statusPanels_->mapTo(statusBar(), QPoint(0, 0)).x();
    for (int i = 0; i < 5; ++i) runRoom -= i == 1 ? 0 : kPanelWidths[static_cast<std::size_t>(i)];
    const int runShift = running ? std::max(0, runWidth - runRoom) : 0;
    const int hintWidth = std::max(0, width() - kHintPanelReserve - (stateWidth - kPanelWidths[0]) - runShift);
    int x = 0;
    for (int i = 0; i < kStatusPanelCount; ++i) {
        const int w = i == 0 ? stateWidth : i == 1 ? hintWidth : i == 5 ? runWidth : kPanelWidths[static_cast<std::size_t>(i)];
        panels_[static_cast<std::size_t>(i)]->setGeometry(x, 0, w, statusPanels_->height());
        x += w;
    }
}

int Tmain::StatusPanelRight(int index) const {
    const QLabel* panel = StatusPanel(index);
    return panel->mapTo(statusBar(), QPoint(panel->width(), 0)).x();
}

void Tmain::ShowHint(const QString& hint) {
    if (!clips_->Active()) ShowHintLine(hint);
    Housekeeping();
}

void Tmain::ShowHintLine(const QString& hint) {
    hint_ = hint;
    panels_[1]->setText(QStringLiteral(" ") + (hint.isEmpty() ? IdleHintText() : hint));
}

void Tmain::UpdateHistoryCommands() {
    // A running circuit cannot be edited, so neither undone.
    const bool editable = !state_->RunMode;
    Undo1->setEnabled(editable && document_->UndoCount() >= 1);
    Rendo1->setEnabled(editable && document_->RedoCount() >= 1);
}

void Tmain::Housekeeping() {
    UpdateHistoryCommands();
    // The coordinates belong to the work area: once its hint is gone from
    // the hint line, the pointer has left it.
    if (!clips_->Active() && hint_ != Image3->Hint()) {
        panels_[2]->setText(QStringLiteral(" X: "));
        panels_[3]->setText(QStringLiteral(" Y: "));
    }
}

// ---- events ------------------------------------------------------------------

bool Tmain::event(QEvent* event) {
    // Hints are shown in the hint panel, never as a status-bar message.
    if (event->type() == QEvent::StatusTip) {
        ShowHint(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

bool Tmain::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::StatusTip:
        // Hints of every control, menu and action of this window.
        if (IsInside(watched, this)) {
            ShowHint(static_cast<QStatusTipEvent*>(event)->tip());
            return true;
        }
        break;
    case QEvent::Enter:
    case QEvent::Leave:
        if (watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == this) {
            if (event->type() == QEvent::Enter) {
                if (Image2->isVisible()) Image2->hide();
                clips_->SetPointerInside(true);
            } else {
                clips_->SetPointerInside(false);
            }
        }
        break;
    case QEvent::Wheel:
        // Every wheel notch over this window scrolls the work area, the
        // scroll bars included.
        if (watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == this) {
            HandleWheel(static_cast<QWheelEvent*>(event));
            return true;
        }
        break;
    case QEvent::Resize:
        if (watched == WorkPlace) LayoutWorkArea();
        if (watched == statusPanels_) LayoutStatusPanels();
        break;
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
        if (watched == ToolbarHolder) SyncToolbarCheck();
        break;
    case QEvent::MouseButtonPress:
        if (IsInside(watched, statusBar())) {
            auto* press = static_cast<QMouseEvent*>(event);
            if (press->button() != Qt::RightButton) break;
            const int x = statusBar()->mapFromGlobal(press->globalPosition().toPoint()).x();
            if (x > StatusPanelRight(3) && x < StatusPanelRight(4)) ShowZoomPopup(press->globalPosition().toPoint());
            return true;
        }
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void Tmain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    LayoutStatusPanels();
    reloadcanvas();
}

QMenu* Tmain::createPopupMenu() {
    // The tool-bar holder is shown and hidden with F11 and its close button;
    // the window offers no menu of its own for it.
    return nullptr;
}

}  // namespace vorn
