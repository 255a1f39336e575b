#include "windowlinks.h"

#include "aboutform.h"
#include "logoform.h"
#include "mainform.h"
#include "masterform.h"
#include "optform.h"
#include "windowcontrol.h"

namespace vorn {

void LinkWizard(Tmain& main, Tmaster& wizard) {
    wizard.ClipStarter = [&main](ClipScript script, int start, const QString& caption) {
        return main.StartClip(script, start, caption);
    };
    QObject::connect(&main, &Tmain::clipProgressCleared, &wizard, &Tmaster::ClearClipProgress);
    QObject::connect(&main, &Tmain::clipHalted, &wizard, &Tmaster::ClipHalted);
    QObject::connect(&main, &Tmain::wizardRequested, &wizard, &Tmaster::ShowWizard);
    // Closing the wizard forgets a clip that was left, and frees the surface.
    QObject::connect(&wizard, &QDialog::rejected, &main, &Tmain::StopClip);
}

void LinkSettings(Tmain& main, TOpt& settings) {
    HoldWhileShown(settings, main);
    main.ApplySettings(settings.Settings());
    QObject::connect(&settings, &TOpt::settingsChanged, &main, &Tmain::ApplySettings);
    QObject::connect(&main, &Tmain::settingsRequested, &settings, &TOpt::Open);
    QObject::connect(&main, &Tmain::closeRequested, &settings, &TOpt::SaveSettings);
}

void LinkSplash(Tmain& main, Tmaster& wizard, TLogo& splash) {
    QObject::connect(&main, &Tmain::splashRequested, &splash, &TLogo::ShowSplash);
    QObject::connect(&splash, &TLogo::wizardWanted, &wizard, &Tmaster::ShowWizard);
    QObject::connect(&splash, &TLogo::handedOver, &main, &Tmain::OpenCommandLineFile);
}

void LinkAbout(Tmain& main, TAbout& about) {
    QObject::connect(&main, &Tmain::aboutRequested, &about, &TAbout::ShowAbout);
}

}  // namespace vorn
