#pragma once

#include "profile/ConnectionTexts.h"
#include "profile/OperatingMode.h"

#include <QString>

#include <string>

class QLabel;
class QWidget;
struct TvMenuNode;

// What a dedicated window or device command may use of the main window that opened it. The main
// window implements it; windows depend on this interface only, never on the application shell.
class TvWindowHost {
public:
    virtual ~TvWindowHost() = default;

    // Owner of the modal windows.
    virtual QWidget* HostWindow() = 0;
    // The running session's connection settings as texts (AgentIP for captions).
    virtual const ConnectionTexts& Connection() const = 0;
    // The program file; its folder holds the standalone profiles and the help page.
    virtual const std::string& ProgramFile() const = 0;
    virtual OperatingMode Mode() const = 0;
    // Status bar panel 0 of the main window.
    virtual QLabel* HostStatus() = 0;
    // Where a device command's outcome stays until the operator opens another menu entry: a panel the
    // front panel's poll never writes. Null when the host has none (HostStatus() serves then).
    virtual QLabel* CommandStatus() { return nullptr; }
    // The hidden holder of the running spanning tree version ("stp", "rstp" or "mstp").
    virtual QLabel* StpVersionHolder() = 0;
    // Reads the running spanning tree version into the holder (blocking); a failure goes to the host
    // status and leaves the holder as it was.
    virtual void ReadStpVersion() = 0;

    // The caption the menu gives an entry's window: its caption prefix followed by the device address;
    // empty when the menu sets none (the window keeps its own).
    QString EntryCaption(const TvMenuNode& entry) const;
};
