#include "app/TvRecentSwitches.h"
#include "profile/DeviceProfile.h"
#include "profile/TvSettingsFile.h"

#include <QDir>
#include <QSettings>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Writes the input as the file, with a modification time of its own, so that Qt's cache of settings
// files never serves the previous input.
bool Write(const std::string& path, const std::uint8_t* data, size_t size) {
    static long serial = 0;
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    std::fwrite(data, 1, size, f);
    std::fclose(f);
    const timespec times[2] = {{++serial, 0}, {serial, 0}};
    return utimensat(AT_FDCWD, path.c_str(), times, 0) == 0;
}

} // namespace

// Two settings files that another program or an earlier run wrote: the list of recent switches in the
// operator's settings and the suite's settings, read by the profile lookup for its installation path.
// Any file reads without a fault; the recent list offers at most its limit of entries, each with an
// address and a port; remembering a switch puts it first.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    static const std::string folder = [] {
        // In memory where there is such a folder: Qt writes the recent list back through a synced file.
        const std::string dir = std::string(access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") +
                                "/fuzz_settings_files." + std::to_string(getpid());
        QDir().mkpath(QString::fromStdString(dir + "/Tarvo"));
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, QString::fromStdString(dir));
        return dir;
    }();
    const std::string recentFile = folder + "/recent.conf";
    const std::string suiteFile = folder + "/Tarvo/Nimbro5.1.conf";
    if (!Write(recentFile, data, size) || !Write(suiteFile, data, size))
        return 0;

    {
        QSettings settings(QString::fromStdString(recentFile), QSettings::IniFormat);
        TvRecentSwitches recent(settings);
        const QList<TvRecentSwitch> list = recent.Load();
        if (list.size() > TvRecentSwitches::MaxCount)
            std::abort();
        for (const TvRecentSwitch& s : list)
            if (s.Address.isEmpty() || s.Address != s.Address.trimmed() || s.Port < 1 || s.Port > 65535)
                std::abort();
        TvRecentSwitch used;
        used.Address = "10.90.90.90";
        used.Version = 3;
        used.SecurityName = list.isEmpty() ? QStringLiteral("admin") : list.last().SecurityName;
        recent.Remember(used);
        const QList<TvRecentSwitch> after = recent.Load();
        // A file holding a value Qt would rebuild from a data stream is damaged and offers nothing.
        const bool damaged = TvSettingsFile::HoldsStreamedValues(QString::fromStdString(recentFile));
        if ((!damaged && (after.isEmpty() || !after.first().SameSwitch(used))) ||
            (damaged && !after.isEmpty()) || after.size() > TvRecentSwitches::MaxCount)
            std::abort();
    }

    const auto suite = SuiteInstallPath();
    const auto profile = ProfilePath(OperatingMode::Suite, "/opt/qtr5190mx/qtr5190mx", "10.90.90.90");
    if (suite.has_value() != profile.has_value() ||
        (profile && *profile != *suite + "../Conf/MBF/10.90.90.90.cfg"))
        std::abort();
    return 0;
}
