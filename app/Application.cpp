#include "app/Application.h"

#include "app/TfrmMain.h"
#include "app/TvSingleInstance.h"
#include "guibase/TvMessageBox.h"
#include "profile/CommandLine.h"
#include "snmp/TvException.h"

#include <QApplication>

#include <exception>
#include <string>
#include <vector>

int RunApplication(int argc, char** argv) {
    QApplication app(argc, argv);
    // Parameters as bytes, exactly as given: communities and passwords are not reinterpreted.
    const std::vector<std::string> params(argv + 1, argv + argc);

    const QString title = FromBytes(SingleInstanceTitle(params));
    if (!title.isEmpty() && TvSingleInstance::ActivateRunning(title))
        return 0;

    QApplication::setApplicationName("QTR-5190MX");
    TvSingleInstance instance(title);
    if (!title.isEmpty() && !instance.Listen() && TvSingleInstance::ActivateRunning(title))
        return 0;

    TfrmMain window;
    try {
        if (!window.FormCreate(params))
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
