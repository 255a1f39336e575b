// How the secondary windows are tied to the main window: which of its
// requests opens them, and what they hand back. The windows themselves only
// know the narrow values they are given.
#pragma once

namespace vorn {

class TAbout;
class TLogo;
class Tmain;
class Tmaster;
class TOpt;

// The wizard starts clips in the main window, shows their progress, comes
// back when one halts or when asked, and on closing stops the clip.
void LinkWizard(Tmain& main, Tmaster& wizard);
// The settings dialog opens on the main window's request, holds it while it
// shows, hands it the settings (at once, and whenever they change) and
// writes the settings file whenever the main window is asked to close.
void LinkSettings(Tmain& main, TOpt& settings);
// The splash shows on the main window's first start-up tick; its hand-over
// opens the wizard or gives the main window back, then opens the file named
// on the command line.
void LinkSplash(Tmain& main, Tmaster& wizard, TLogo& splash);
// The about box shows on the main window's About command.
void LinkAbout(Tmain& main, TAbout& about);

}  // namespace vorn
