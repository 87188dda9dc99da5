#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <cstdint>

// A standalone installation under `root` for a benchmark that drives the program: the program's folder
// with a device profile naming the agent's port; the working folder becomes `root`. Returns the program
// file's path to give the main window, or an empty text when the profile cannot be written.
inline QString MakeStandaloneInstall(const QString& root, std::uint16_t agentPort) {
    const QString folder = root + "/tarvo_ems/QTR5190MX";
    QDir().mkpath(folder);
    QFile profile(folder + "/127.0.0.1.cfg");
    if (!profile.open(QIODevice::WriteOnly))
        return {};
    profile.write("[Program Information]\r\nVersion=1\r\nAgentPort=" + QByteArray::number(agentPort) +
                  "\r\n");
    profile.close();
    QDir::setCurrent(root);
    return folder + "/qtr5190mx";
}
