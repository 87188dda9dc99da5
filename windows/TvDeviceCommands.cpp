#include "windows/TvDeviceCommands.h"

#include "base/ErrorCatalog.h"
#include "base/TvException.h"
#include "binding/TvSNMPRequest2Controls.h"
#include "catalog/TvDeviceCommandData.h"
#include "guibase/TvMessageBox.h"
#include "guibase/TvText.h"
#include "guibase/TvUrlOpener.h"
#include "guibase/TvWindowHost.h"
#include "guibase/TvWindowRegistry.h"
#include "profile/OperatingMode.h"
#include "snmp/TvSNMPRequest.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPointer>
#include <QUrl>

namespace {

const bool TvDeviceCommandsRegistered = [] {
    TvWindowRegistry::Register(
        "SaveConfig", [](TvWindowHost& host, const TvMenuNode&) { TvDeviceCommands::SaveConfigClick(host); });
    TvWindowRegistry::Register(
        "Reboot", [](TvWindowHost& host, const TvMenuNode&) { TvDeviceCommands::ResetClick(host); });
    return TvWindowRegistry::Register(
        "Help", [](TvWindowHost& host, const TvMenuNode&) { TvDeviceCommands::H1Click(host); });
}();

std::string StatusLine(const std::string& listName, const std::string& outcome) {
    return TvSNMPRequest2Controls::FormatStatus(gSnmpMsgTable.Text(stSet), listName, outcome,
                                                TvSNMPRequest2Controls::StatusTime());
}

} // namespace

void TvDeviceCommands::Run(TvWindowHost& host, const TvDeviceCommandRow& command) {
    QWidget* owner = host.HostWindow();
    TvSNMPRequest request; // copies the session settings now
    request.VarList.AddItem(command.Oid, "", synInteger, accReadWrite);
    request.VarList.Name = command.ListName;
    request.Source = command.ListName;
    request.VarList.Item(0).Value = command.Value;
    // It concerns the whole switch: its questions hold every window.
    const TvMessageBox::ProgramModal wholeProgram;
    if (!TvMessageBox::YesNo(owner, command.Question, command.Title))
        return;

    // The program waits for the switch's answer in place: the main window repaints, but takes no other
    // command until the switch has answered or the tries have run out.
    int code = 0;
    std::string message;
    const QPointer<QWidget> guard = owner;
    try {
        request.Set();
    } catch (const TvException& e) {
        code = e.Code();
        message = e.Message();
    } catch (const std::exception& e) {
        code = errUnknown;
        message = e.what();
    }

    // Kept where the LED poll does not write: after a reboot its failing polls would hide the outcome.
    if (QLabel* status = host.CommandStatus() ? host.CommandStatus() : host.HostStatus())
        status->setText(FromBytes(StatusLine(command.ListName, code == 0 ? CatalogText(0) : message)));
    if (code != 0)
        TvMessageBox::Error(guard, FromBytes("The switch did not confirm \"" + std::string(command.ListName) +
                                             "\":\n" + message));
}

void TvDeviceCommands::SaveConfigClick(TvWindowHost& host) {
    Run(host, *FindDeviceCommand("SaveConfig"));
}

void TvDeviceCommands::ResetClick(TvWindowHost& host) {
    Run(host, *FindDeviceCommand("Reboot"));
}

std::string TvDeviceCommands::HelpFile(const std::string& programFile) {
    return ProgramFolder(programFile) + kHelpFileName;
}

void TvDeviceCommands::H1Click(TvWindowHost& host) {
    const QString path = QFile::decodeName(HelpFile(host.ProgramFile()).c_str());
    if (!QFileInfo(path).isFile()) {
        TvMessageBox::Error(host.HostWindow(), "The help file is missing:\n" + path, "Help");
        return;
    }
    if (!TvUrlOpener::Open(QUrl::fromLocalFile(path)))
        TvMessageBox::Error(host.HostWindow(),
                            "No program of the desktop could open the help file:\n" + path +
                                "\nOpen it in a web browser.",
                            "Help");
}
