#include "app/Application.h"

#include "app/TfrmConnect.h"
#include "app/TfrmMain.h"
#include "app/TvRecentSwitches.h"
#include "app/TvSingleInstance.h"
#include "base/TvException.h"
#include "guibase/TvMessageBox.h"
#include "journal/TvChangeJournal.h"
#include "profile/CommandLine.h"
#include "profile/TvSettingsFile.h"
#include "values/TvSecret.h"

#include <QApplication>
#include <QIcon>
#include <QSettings>

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

namespace {

// Started without parameters on a desktop (from its menu): ask for the switch. Empty when the operator
// cancels. The choice goes to the switches used before.
std::vector<std::string> AskForSwitch() {
    QSettings settings("Tarvo", "qtr5190mx"); // ~/.config/Tarvo/qtr5190mx.conf
    TvRecentSwitches recent(settings);
    TfrmConnect dialog(recent.Load());
    if (dialog.exec() != QDialog::Accepted)
        return {};
    recent.Remember(dialog.Choice());
    return dialog.Parameters();
}

} // namespace

int RunApplication(int argc, char** argv) {
    // Whatever happens from here on, the passwords the program is given never land in a core file.
    TvSecret::KeepOutOfCoreDumps();
    // From a terminal without any display Qt could not even open its message box: say it there.
    if (argc <= 1 && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fputs("No parameter input\n", stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("QTR-5190MX");
    QGuiApplication::setDesktopFileName("com.tarvo.qtr5190mx");
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QString(":/icons/%1x%1.png").arg(size));
    QApplication::setWindowIcon(icon);
    // A damaged settings file would end the program at its first read of a window place: set aside, said.
    if (const QString settings = TvSettingsFile::ProgramSettingsPath();
        TvSettingsFile::SetAsideIfDamaged(settings))
        TvMessageBox::Warning(nullptr,
                              QStringLiteral("The settings file %1 held a damaged value and was set aside as "
                                             "%1.damaged: window places and the switches used before "
                                             "start afresh.")
                                  .arg(settings));
    // Parameters as bytes, exactly as given: communities and passwords are not reinterpreted. Once
    // copied, they leave the process's arguments, which every local user can read.
    std::vector<std::string> params(argv + 1, argv + argc);
    HideSecretArguments(argc, argv);
    if (params.empty() && TfrmConnect::DisplayPresent()) {
        params = AskForSwitch();
        if (params.empty())
            return 0;
    }

    const QString title = FromBytes(SingleInstanceTitle(params));
    if (!title.isEmpty() && TvSingleInstance::ActivateRunning(title))
        return 0;

    TvSingleInstance instance(title);
    if (!title.isEmpty() && !instance.Listen() && TvSingleInstance::ActivateRunning(title))
        return 0;

    // Every write of this program is kept in the user's change journal.
    TvChangeJournal::StartDefault();
    TfrmMain window;
    try {
        const bool started = window.FormCreate(params);
        // The session keeps its own copy of each secret; these are not needed any more.
        for (std::string& p : params)
            TvSecret::Wipe(p);
        if (!started)
            return 1;
    } catch (const TvException& e) {
        TvMessageBox::Error(nullptr, FromBytes(e.Message()), QString());
        return 1;
    } catch (const std::exception& e) {
        TvMessageBox::Error(nullptr, QString::fromLocal8Bit(e.what()), QString());
        return 1;
    }
    QObject::connect(&instance, &TvSingleInstance::activateRequested, &window, &TfrmMain::Activate);
    window.show();
    return QApplication::exec();
}
