// The main window's controls and inner commands, for the window tests. The
// window keeps them private and hands them out only to this class, so the
// rest of the program works with its small public surface.
#pragma once

#include <memory>
#include <utility>

#include "mainform.h"

namespace vorn::test {

class WindowInternals {
public:
    explicit WindowInternals(Tmain& window) : w_(window) {}

// A control of the window, by its own name.
#define VORN_CONTROL(name) decltype(Tmain::name)& name = w_.name;
// A command or query of the window, by its own name.
#define VORN_COMMAND(name)                                         \
    template <typename... Args>                                    \
    decltype(auto) name(Args&&... args) {                          \
        return w_.name(std::forward<Args>(args)...);               \
    }

private:
    Tmain& w_;

public:
    VORN_CONTROL(WorkPlace) VORN_CONTROL(InnerPanel) VORN_CONTROL(Image3) VORN_CONTROL(Image2)
    VORN_CONTROL(HorzScroll) VORN_CONTROL(VertScroll) VORN_CONTROL(ToolbarHolder) VORN_CONTROL(ToolBar1)
    VORN_CONTROL(ToolButtons) VORN_CONTROL(ToolItems) VORN_CONTROL(SystemMenu) VORN_CONTROL(PopupMenu1)
    VORN_CONTROL(File1) VORN_CONTROL(New1) VORN_CONTROL(Open1) VORN_CONTROL(Save1) VORN_CONTROL(SaveAs1)
    VORN_CONTROL(Close1) VORN_CONTROL(Print1) VORN_CONTROL(Export1) VORN_CONTROL(RecentItems)
    VORN_CONTROL(Edit1) VORN_CONTROL(Undo1) VORN_CONTROL(Rendo1) VORN_CONTROL(Copy1)
    VORN_CONTROL(Tools1) VORN_CONTROL(Showtoolkit1) VORN_CONTROL(Start1) VORN_CONTROL(Run2)
    VORN_CONTROL(Options1) VORN_CONTROL(Zoom1) VORN_CONTROL(Zoom2) VORN_CONTROL(Zoom3)
    VORN_CONTROL(Help1) VORN_CONTROL(Master1) VORN_CONTROL(ReadyTasks1) VORN_CONTROL(RecordClip)
    VORN_CONTROL(objmove) VORN_CONTROL(objdel) VORN_CONTROL(objname) VORN_CONTROL(Objhelp)
    VORN_CONTROL(Zoom11) VORN_CONTROL(Zoom12) VORN_CONTROL(Zoom13) VORN_CONTROL(run3)
    VORN_CONTROL(TaskWindow1) VORN_CONTROL(SenderName)

    VORN_COMMAND(WireClick) VORN_COMMAND(CuSoClick) VORN_COMMAND(LampClick) VORN_COMMAND(And1Click)
    VORN_COMMAND(DelClick) VORN_COMMAND(Zoom1Click) VORN_COMMAND(Zoom2Click) VORN_COMMAND(Zoom3Click)
    VORN_COMMAND(Undo1Click) VORN_COMMAND(Rendo1Click) VORN_COMMAND(Run2Click) VORN_COMMAND(PrintClick)
    VORN_COMMAND(AboutClick) VORN_COMMAND(OpenSettings) VORN_COMMAND(SaveTask1Click)
    VORN_COMMAND(Master1Click) VORN_COMMAND(LeaveClip) VORN_COMMAND(Image3MouseDown) VORN_COMMAND(Image3MouseUp)
    VORN_COMMAND(LoadDocument) VORN_COMMAND(ErrorDialogWithHelp) VORN_COMMAND(OfferRecovery)
    VORN_COMMAND(RecentFiles) VORN_COMMAND(OpenRecentFile) VORN_COMMAND(Housekeeping) VORN_COMMAND(reloadcanvas)
    VORN_COMMAND(OriginX) VORN_COMMAND(OriginY) VORN_COMMAND(View) VORN_COMMAND(Selection)
    VORN_COMMAND(TableWindow) VORN_COMMAND(StatusPanel) VORN_COMMAND(StatusPanelRight)

#undef VORN_CONTROL
#undef VORN_COMMAND
};

inline WindowInternals Inside(Tmain& window) { return WindowInternals(window); }
// The tests' queries on a window they hold as const.
inline WindowInternals Inside(const Tmain& window) { return WindowInternals(const_cast<Tmain&>(window)); }
inline WindowInternals Inside(Tmain* window) { return WindowInternals(*window); }
inline WindowInternals Inside(const std::unique_ptr<Tmain>& window) { return WindowInternals(*window); }

}  // namespace vorn::test
