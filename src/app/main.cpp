// The program block: the application, the main window, the command line.
#include <QGuiApplication>
#include <QScreen>
#include <QStringList>

#include <csignal>

#include "aboutform.h"
#include "datafolder.h"
#include "logoform.h"
#include "mainform.h"
#include "masterform.h"
#include "optform.h"
#include "recoverykeeper.h"
#include "vornapplication.h"
#include "windowlinks.h"

int main(int argc, char** argv) {
    // Beyond a file-size limit a write fails with EFBIG, which the program
    // reports, instead of ending the program with nothing saved.
    std::signal(SIGXFSZ, SIG_IGN);
    vorn::VornApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("Vorn"));

    vorn::Tmain mainWindow;
    // Unsaved changes are copied to the user's data folder, and copies left
    // by programs that ended without saving are offered after the start.
    mainWindow.Recovery().SetFolder(vorn::RecoveryFolder());
    // The settings dialog reads the settings file as it is made and writes
    // it whenever the main window is asked to close.
    vorn::TOpt settingsDialog(mainWindow.CurrentSettings(), mainWindow.State().ProgramFolder);
    vorn::LinkSettings(mainWindow, settingsDialog);
    // The desktop learns to open circuit files with this program; renewed
    // when the program has moved, and on request from the dialog.
    settingsDialog.RegisterAssociation(false);
    QObject::connect(&settingsDialog, &vorn::TOpt::associateRequested, &settingsDialog,
                     [&settingsDialog] { settingsDialog.RegisterAssociation(true); });
    // The tutorial wizard, made once and hidden until it is asked for.
    vorn::Tmaster masterForm(mainWindow, mainWindow.State().DataFolder);
    vorn::LinkWizard(mainWindow, masterForm);
    // The first argument names a circuit file; further ones are ignored.
    // Qt has already taken its own options out of the list.
    const QStringList arguments = QCoreApplication::arguments();
    mainWindow.State().CommandLineFile = arguments.size() > 1 ? arguments.at(1) : QString();
    // The splash: made now, so its half-second timer runs from the start;
    // shown on the main window's first start-up tick. Its hand-over opens
    // the wizard or gives the main window the focus, then opens the file.
    vorn::TLogo logoForm(mainWindow, mainWindow.State().DataFolder,
                         [&settingsDialog] { return settingsDialog.ShowMasterAtStart(); });
    logoForm.CommandLineFile = mainWindow.State().CommandLineFile;
    vorn::LinkSplash(mainWindow, masterForm, logoForm);
    // The about box, made once and hidden until the About command.
    vorn::TAbout aboutForm(mainWindow, mainWindow.State().DataFolder);
    vorn::LinkAbout(mainWindow, aboutForm);

    // Where no window manager maximises the window, it still starts as
    // large as the screen allows.
    if (QScreen* screen = QGuiApplication::primaryScreen())
        mainWindow.resize(screen->availableSize().boundedTo(mainWindow.maximumSize()));
    mainWindow.showMaximized();
    return application.exec();
}
