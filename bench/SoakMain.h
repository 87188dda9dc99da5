#pragma once

#include "BenchInstall.h"
#include "app/TfrmMain.h"
#include "support/PumpUntil.h"

#include <QString>

#include <cstdint>
#include <cstdio>
#include <memory>

// The main window as the soaks drive it: from a standalone installation under `root`, against the
// simulated switch on `agentPort`, shown and through the front panel's first polls (`settleMs`). Null, with
// the reason on standard error under `name`, when it does not start.
class SoakMain : public TfrmMain {
public:
    using TfrmMain::OpenRecipeWindow;

    static std::unique_ptr<SoakMain> Start(const QString& root, std::uint16_t agentPort, const char* name,
                                           int settleMs) {
        const QString program = MakeStandaloneInstall(root, agentPort);
        if (program.isEmpty())
            return nullptr;
        auto main = std::make_unique<SoakMain>();
        main->SetProgramFile(program.toStdString());
        if (!main->FormCreate({"/I127.0.0.1", "/v1", "/Rrdcomm", "/Wwrtcomm"})) {
            std::fprintf(stderr, "%s: the main window did not start\n", name);
            return nullptr;
        }
        main->show();
        PumpUntil([] { return false; }, settleMs);
        return main;
    }
};
