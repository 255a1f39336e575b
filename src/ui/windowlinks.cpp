#include "windowlinks.h"

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

}  // namespace vorn
