// The main window: menus, tool bar, work area with its scroll bars, status
// bar, tool selection, zoom, scrolling and the keyboard.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include <QMainWindow>
#include <QMessageBox>
#include <QString>
#include <QStringList>

#include "circuitdocument.h"
#include "clipplayer.h"
#include "clips.h"
#include "drawingsurface.h"
#include "programstate.h"
#include "usersettings.h"

class QAction;
class QActionGroup;
class QCloseEvent;
class QDockWidget;
class QDragEnterEvent;
class QDropEvent;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QRect;
class QScrollBar;
class QTimer;
class QToolBar;
class QToolButton;
class QWheelEvent;

namespace vorn {

class BlockSelection;
class RecoveryKeeper;
class TaskWindow;
class TruthTableWindow;
class WarningOverlay;
class WindowMenu;
namespace test {
class WindowInternals;
}

// The file a document name stands for: the name itself when it ends in
// ".vfl" (any case) and is a file, the name with ".vfl" appended when it has
// no three-letter extension; empty for any other name.
QString ResolveCircuitName(const QString& name);
// The file Save as writes: the chosen name, with ".vfl" appended unless it
// already ends so in lower case.
QString SaveTargetName(const QString& chosen);

// The credit notice of the hint line when nothing has a hint.
QString IdleHintText();

// round(position * newRange / oldRange), halves rounded up; positions and
// ranges are never negative.
int ScaleScrollPosition(int position, int newRange, int oldRange);

class Tmain : public QMainWindow {
    Q_OBJECT

public:
    explicit Tmain(QWidget* parent = nullptr);
    ~Tmain() override;

    ProgramState& State() { return *state_; }
    const ProgramState& State() const { return *state_; }
    // The open circuit; the window shows what it announces.
    CircuitDocument& Document() { return *document_; }
    const CircuitDocument& Document() const { return *document_; }
    // The clip player and recorder.
    ClipPlayer& Clips() { return *clips_; }
    const ClipPlayer& Clips() const { return *clips_; }

    // Keeps the copy of unsaved changes; main() gives it its folder.
    RecoveryKeeper& Recovery() { return *recovery_; }
    // Opens the command-line file once the start-up has finished.
    void OpenCommandLineFile();

    // Plays a copy of the script from event start + 1 on, with its caption
    // on the hint line. A start of 0 first runs the New command; false when
    // its prompt was cancelled or its save failed, and nothing plays.
    bool StartClip(ClipScript script, int start, const QString& caption = QString());
    // The clip is forgotten and the window given back to the user.
    void StopClip();

    // The user's settings in use; new ones from the settings dialog.
    UserSettings CurrentSettings() const;
    void ApplySettings(const UserSettings& settings);

private:
    // The window tests reach the controls and inner commands through it.
    friend class test::WindowInternals;

    // ---- repaint -------------------------------------------------------
    // Repaints the whole visible picture from the grids.
    void reloadcanvas();
    // The node shown at the surface's top-left corner.
    int OriginX() const;
    int OriginY() const;
    // The zoom and that node: where the nodes stand on the surface.
    ViewGeometry View() const;

    // ---- tools ---------------------------------------------------------
    void WireClick();
    void CuSoClick();
    void LampClick();
    void And1Click();
    void DelClick();
    void SelClick();
    // The selection tool's rectangle and floating block.
    BlockSelection& Selection() { return *selection_; }

    // ---- zoom, scrolling, layout ---------------------------------------
    void Zoom1Click();
    void Zoom2Click();
    void Zoom3Click();

    // ---- editing on the drawing surface (mainform_editing.cpp) ---------
    // The mouse handlers of the drawing surface; the clip player calls them
    // directly. Positions are surface pixels; only Shift is looked at.
    void Image3MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void Image3MouseMove(Qt::KeyboardModifiers shift, int x, int y);
    void Image3MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    // The second press of a double-click (mainform_names.cpp): on a source
    // or lamp in edit mode its release opens the naming dialog; anywhere
    // else it is an ordinary press.
    void Image3DblClick(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);

    // ---- undo, redo and the object pop-up (mainform_objects.cpp) --------
    void Undo1Click();
    void Rendo1Click();

    // ---- run mode (mainform_run.cpp) -------------------------------------
    void Run2Click();

    // ---- truth table (mainform_table.cpp) ---------------------------------
    // "Таблица истинности" (Ctrl+T): shows the window, made at first use.
    void Table1Click();
    TruthTableWindow* TableWindow() const { return tableWindow_; }

    // ---- documents (mainform_documents.cpp) --------------------------------
    bool LoadDocument(const QString& name);
    void ErrorDialogWithHelp(const QString& message, const QString& checkBoxCaption);

    // ---- clips (mainform_clips.cpp) -----------------------------------------
    // Esc while a clip is active: the clip stops and its progress is kept.
    void LeaveClip();
    // The wizard command (Ctrl+M, window menu): leaves a playing clip, then
    // disables this window and asks for the wizard.
    void Master1Click();
    // Ctrl+G: recording on; again: recording off, and the log saved to a file.
    QAction* RecordClip = nullptr;

    // The settings command (menu, Alt+O, window menu): stops a playing clip
    // and asks for the settings dialog, which connects to settingsRequested.
    void OpenSettings();

    // ---- printing (mainform_printing.cpp) -----------------------------------
    // "Напечатать схему" (P): printer set-up, the sender's name, the page.
    void PrintClick();
    // The last sender name accepted; kept until the program ends.
    QString SenderName;

    // ---- recovery and recent files (mainform_recovery.cpp, mainform_recent.cpp)
    // Offers the copies of programs that ended without saving, once, after
    // the command-line file: on "Yes" the copy becomes the open document.
    void OfferRecovery();
    // The recently opened or saved files, newest first, as the settings file
    // keeps them; the File menu's last items show them.
    QStringList RecentFiles() const;
    void OpenRecentFile(const QString& name);
    // The separator and items of the list, made each time the File menu
    // opens (empty before that).
    std::vector<QAction*> RecentItems;
    // ---- picture export (mainform_export.cpp) --------------------------------
    // "Экспорт рисунка…": the used area with its names as PNG, SVG or PDF.
    void ExportClick();
    // The export's last choices, kept until the program ends: the zoom of a
    // PNG (0: the screen's) and the signal colours while running.
    int ExportZoom = 0;
    bool ExportSignalColours = true;

    // ---- about box -------------------------------------------------------------
    // "О программе ..." (Alt+F1, window menu): stops a playing clip, disables
    // this window and asks for the about box, which connects to aboutRequested.
    void AboutClick();

    // ---- tasks (mainform_tasks.cpp) ----------------------------------------------
    // "Проверка" (Ctrl+F9) and "Проверить": the circuit checked against the
    // document's task, the verdict in the task window.
    void Checkup1Click();
    TaskWindow* TaskWindow1 = nullptr;
    // "Сохранить как задание…" (File menu): the circuit, the teacher's
    // solution, made into a task file after the task dialog and a save chooser.
    void SaveTask1Click();
    QAction* SaveTask1 = nullptr;
    // "Готовые задания…" (Help menu): the Open chooser in the ready tasks' folder.
    void ReadyTasks1Click();
    QAction* ReadyTasks1 = nullptr;

signals:
    // The window is asked to close; emitted whether or not it then closes.
    void closeRequested();
    void settingsRequested();
    // StopClip: every clip's progress is lost.
    void clipProgressCleared();
    // A clip ended, or was left with Esc or Ctrl+M, after event eventIndex;
    // clipNumber is 1..4 (0 for a script that is none of the built-in ones).
    // The wizard shows its progress and itself.
    void clipHalted(int clipNumber, int eventIndex);
    // The wizard command: show the wizard and give it the focus.
    void wizardRequested();
    // The first start-up tick: show the splash screen. The window is
    // disabled, and opens the command-line file only once the splash has
    // handed over (OpenCommandLineFile). With nothing connected the file is
    // opened at once.
    void splashRequested();
    void aboutRequested();

private:
    // ---- status bar and housekeeping ------------------------------------
    // Undo and redo commands from UndoCount and RedoCount, and the node
    // coordinates cleared once the pointer has left the work area. Called
    // whenever one of these inputs changes.
    void Housekeeping();
    QLabel* StatusPanel(int index) const { return panels_.at(static_cast<std::size_t>(index)); }
    // Right edge of a status panel, in the coordinates of the status bar.
    int StatusPanelRight(int index) const;

    // ---- controls --------------------------------------------------------
    QWidget* WorkPlace = nullptr;       // the work panel right of the tool bar
    QWidget* InnerPanel = nullptr;      // holds the drawing surface
    DrawingSurface* Image3 = nullptr;   // the circuit picture; takes the mouse
    HoverMarker* Image2 = nullptr;      // the hover marker over it
    QScrollBar* HorzScroll = nullptr;
    QScrollBar* VertScroll = nullptr;
    QDockWidget* ToolbarHolder = nullptr;
    QToolBar* ToolBar1 = nullptr;
    std::array<QAction*, 8> ToolButtons{};  // tool bar buttons, wire .. eraser, selection
    std::array<QAction*, 8> ToolItems{};    // the Tools menu items
    WindowMenu* SystemMenu = nullptr;

    QMenu* File1 = nullptr;
    QAction* New1 = nullptr;
    QAction* Open1 = nullptr;
    QAction* Save1 = nullptr;
    QAction* SaveAs1 = nullptr;
    QAction* Close1 = nullptr;
    QAction* Print1 = nullptr;
    QAction* Export1 = nullptr;
    QMenu* Edit1 = nullptr;
    QAction* Undo1 = nullptr;
    QAction* Rendo1 = nullptr;
    QAction* Cut1 = nullptr;     // the selection's block (mainform_selection.cpp)
    QAction* Copy1 = nullptr;
    QAction* Paste1 = nullptr;
    QAction* Delete1 = nullptr;  // the selection, or the object under the pointer
    QMenu* Tools1 = nullptr;
    QAction* Showtoolkit1 = nullptr;
    QMenu* Start1 = nullptr;
    QAction* Run2 = nullptr;
    QAction* Table1 = nullptr;
    QMenu* Options1 = nullptr;
    QAction* Zoom1 = nullptr;
    QAction* Zoom2 = nullptr;
    QAction* Zoom3 = nullptr;
    QMenu* Help1 = nullptr;
    QAction* Master1 = nullptr;

    // The work area's pop-up menu.
    QMenu* PopupMenu1 = nullptr;
    QAction* objmove = nullptr;
    QAction* objdel = nullptr;
    QAction* objname = nullptr;  // "Назвать…": names the source or lamp under the pointer
    QAction* Objhelp = nullptr;
    QAction* Zoom11 = nullptr;
    QAction* Zoom12 = nullptr;
    QAction* Zoom13 = nullptr;
    QAction* run3 = nullptr;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    QMenu* createPopupMenu() override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // ---- commands and handlers reached only through the window's own
    // controls, keys and timers ---------------------------------------------
    void Not1Click();
    void Or1Click();
    void Showtoolkit1Click();
    // One wheel notch; the same handlers serve the wheel everywhere in the window.
    void FormMouseWheelDown(Qt::KeyboardModifiers modifiers);
    void FormMouseWheelUp(Qt::KeyboardModifiers modifiers);
    // The middle button went down or up in the work area: fast scrolling.
    void StartFastScroll();
    void StopFastScroll();
    QTimer* Timer5 = nullptr;  // holds back full repaints after presses for 40 ms
    void objdelClick();
    void objmoveClick();
    void ObjhelpClick();
    // mainform_names.cpp: the naming dialog for the source or lamp at a node,
    // and the name a moved element takes to its new place.
    void objnameClick();
    void NameElementAt(NodePos node);
    void PutMovedName();
    // Re-evaluates and repaints the circuit while it runs; nothing otherwise.
    void EvaluateIfRunning();
    void New1Click();
    void Open1Click();
    void Save1Click();
    void SaveAs1Click();
    void Close1Click();
    // The prompt for unsaved changes; true when the command may go on. A
    // playing clip is paused for it and resumed when the command stays.
    bool AskToSaveChanges();
    // The prompt before the document is replaced or closed: when the command
    // may go on, a clip stops.
    bool MayReplaceDocument();
    // Save, or Save as for a document without a file; true when it saved.
    bool SaveForPrompt();
    void ResetToNewDocument();
    void CloseDocument();
    void OpenDroppedFile(const QString& name);
    void PauseClip();
    void ResumeClip();
    // Runs a command's dialogs while a playing clip waits; the clip goes on
    // afterwards, and with none playing the clip state is cleared.
    void WithClipPaused(const std::function<void()>& dialogs);
    void ToggleRecording();
    void FormKeyDown(int key, Qt::KeyboardModifiers modifiers);
    void SystemCommand(int command);
    // The hint handler: the application's current hint changed.
    void ShowHint(const QString& hint);
    void UpdateHistoryCommands();
    QAction* Exit1 = nullptr;
    QAction* Refresh1 = nullptr;
    // The check command, shown while the document carries a task (mainform_tasks.cpp).
    QAction* Checkup1 = nullptr;
    QAction* Settings1 = nullptr;
    QAction* Contents1 = nullptr;
    QAction* About1 = nullptr;
    QAction* PopupSeparator1 = nullptr;
    QAction* PopupSeparator2 = nullptr;
    QAction* checkup2 = nullptr;

    // mainform_tasks.cpp: the task window, the check, the allowed tools.
    void CreateTaskControls();
    // After a document was made, opened or closed: the check commands, the
    // tools and the task window as its task asks.
    void ApplyDocumentTask();
    bool ToolAllowed(int tool) const;

    // mainform_menus.cpp
    void CreateMenus();
    void CreatePopupMenu();
    void CreateToolBar();
    void CreateSystemMenu();
    void SelectTool(int tool);
    void SyncToolControls();
    void ResetHoverMarker();
    void ExitClick();
    void ContentsClick();
    void SyncRunCheck();
    // Run mode locks and unlocks the tool bar and the Tools and Edit menus.
    void SetEditingLocked(bool locked);

    // mainform_viewport.cpp
    void CreateWorkArea();
    void LayoutWorkArea();
    void SetZoom(int zoom);
    void SyncZoomChecks();
    void SyncToolbarCheck();
    void ApplyScrollRanges();
    void ScrollBy(QScrollBar* bar, long long pixels);
    long long ScrollAmount(const QScrollBar* bar, int multiplier) const;
    void HandleWheel(QWheelEvent* event);
    void ShowZoomPopup(const QPoint& globalPosition);
    void RestorePopupItems();

    // mainform_editing.cpp
    void LeftPressEditing(NodePos node, bool shift);
    void WireStepTo(NodePos node);
    void EraseStepAt(NodePos node);
    void ShowEraserMarker(NodePos node);
    void ShowHoverFeedback(NodePos node, bool shift);
    void ShowMarker(MarkerPicture picture, const QRect& place);
    // Draws the solder dots of the 3 x 3 nodes around a node straight onto
    // the picture, as they stand in the grid.
    void DrawSolderDotsAround(NodePos node);
    QRect SurfaceScreenRect() const;
    QPoint SurfaceToScreen(QPoint pixel) const;
    void RecordClipMouse(std::int32_t code, QPoint position);

    // mainform_clips.cpp
    void CreateClipControls();
    void DispatchClipEvent(const ClipEvent& event);
    // The clip ended or was left: the window as it was before, and the wizard.
    void ClipHalted(int clipNumber, int eventIndex);
    void RestoreSizeBeforeClip();
    // Moves the pointer to a clip position: window pixels of the layout
    // clips are made in.
    void MoveClipPointer(int x, int y);
    // The pointer as a clip position.
    QPoint ClipPointerPosition() const;
    void SaveClipLog();

    // mainform_documents.cpp
    QMessageBox::StandardButton AskSaveQuestion();
    bool WriteDocument(const QString& name);
    void ShowDocumentControls();
    bool MayClose();

    // mainform_selection.cpp
    void AddClipboardItems();
    void CreateSelection();
    void Cut1Click();
    void Copy1Click();
    void Paste1Click();
    void Delete1Click();
    // An arrow key moves the selection by one node; false when there is none.
    bool NudgeSelection(int key);
    // A playing clip lets no block command through.
    bool ClipLocksEditing() const;
    // The node under the pointer, when the pointer is over the drawing surface.
    std::optional<NodePos> NodeUnderPointer() const;

    // mainform_objects.cpp
    void PrepareObjectMenu(NodePos node);
    // A delete or pick-up from the pop-up: one undo step and "Изменено".
    void RecordObjectEdit();

    // mainform_recovery.cpp, mainform_recent.cpp
    void CreateRecovery();
    void CreateRecentFileItems();
    void ShowRecentFiles();
    void NoteRecentFile(const QString& name);
    RecoveryKeeper* recovery_ = nullptr;
    bool recoveryOffered_ = false;
    // mainform_table.cpp
    void TableRowChosen(int row);
    TruthTableWindow* tableWindow_ = nullptr;
    WarningOverlay* warningOverlay_ = nullptr;

    // mainform.cpp
    void ConnectDocument();
    // Shows a text on the hint line (the idle text for an empty one).
    void ShowHintLine(const QString& hint);
    void ShowDocumentState(DocumentState state);
    void CreateStatusBar();
    void LayoutStatusPanels();
    void StartupTick();

    std::unique_ptr<ProgramState> state_;
    CircuitDocument* document_ = nullptr;
    QString hint_;  // the hint the hint line shows; empty for the idle text
    std::array<QLabel*, 7> panels_{};
    QWidget* statusPanels_ = nullptr;
    QActionGroup* toolButtonGroup_ = nullptr;
    QActionGroup* toolItemGroup_ = nullptr;
    QActionGroup* zoomItemGroup_ = nullptr;
    QActionGroup* zoomPopupGroup_ = nullptr;
    QTimer* startupTimer_ = nullptr;
    ClipPlayer* clips_ = nullptr;
    BlockSelection* selection_ = nullptr;
    // The window's size and maximised state before a clip set its own.
    QRect geometryBeforeClip_;
    bool maximisedBeforeClip_ = false;
    bool clipSizeSet_ = false;
    NodePos pressNode_{0, 0};   // where the current gesture's button went down
    bool nameOnRelease_ = false;  // a double-click on a source or lamp: name it once released
    bool anchorSet_ = false;  // the current wire gesture started at a node a wire may start from
    bool eraserMarkerShown_ = false;  // the eraser's marker stands over the surface
    bool menuZoomChecked_ = false;  // no zoom item of the menu bar is checked before the first zoom
    int repaintHold_ = 0;           // > 0: scroll changes do not repaint on their own
    int wheelRemainder_ = 0;        // angle not yet spent on whole notches
};

}  // namespace vorn
