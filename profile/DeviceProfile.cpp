#include "profile/DeviceProfile.h"

#include "profile/CommandLine.h"

#include "profile/TvIni.h"
#include "profile/TvSettingsFile.h"
#include "snmp/SNMPGlobals.h"
#include "values/TvSecret.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSettings>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool WriteAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

std::string ProfileFileName(const std::string& address) {
    if (address.empty() || address == "." || address == ".." || address.find('/') != std::string::npos ||
        address.find('\0') != std::string::npos)
        return {};
    return address + ".cfg";
}

std::optional<std::string> SuiteInstallPath() {
    QSettings settings(QSettings::NativeFormat, QSettings::SystemScope, "Tarvo", "Nimbro5.1");
    // A format error is not a reliable refusal: Qt reports it only for the read that parsed the file, and
    // a second read of the unchanged file (the profile is looked up for reading, then for saving) would
    // take what parsed. So what parsed is taken every time.
    if (!QFileInfo::exists(settings.fileName()) || settings.status() == QSettings::AccessError ||
        TvSettingsFile::HoldsStreamedValues(settings.fileName()))
        return std::nullopt;
    return QFile::encodeName(settings.value("ExePath/Path").toString()).toStdString();
}

std::optional<std::string> ProfilePath(OperatingMode mode, const std::string& programFile,
                                       const std::string& address) {
    const std::string name = ProfileFileName(address);
    if (name.empty())
        return std::nullopt;
    if (mode == OperatingMode::Standalone)
        return ProgramFolder(programFile) + name;
    const auto suite = SuiteInstallPath();
    if (!suite)
        return std::nullopt;
    // Joined without separators: the stored path ends with one.
    return *suite + "../Conf/MBF/" + name;
}

ProfileRead ReadProfileTexts(const std::string& path, ConnectionTexts& texts) {
    if (::access(path.c_str(), F_OK) != 0)
        return ProfileRead::Missing;
    // Only a regular file is read: a FIFO or a device named as the profile is refused, never waited on.
    if (std::FILE* f = TvIni::OpenRegular(path))
        std::fclose(f);
    else
        return ProfileRead::Unreadable;

    const TvIni ini(path);
    const auto text = [&](const char* key) { return ini.ReadString(kProfileSection, key, ""); };
    const auto number = [&](const char* key, int def) { return ParseWholeNumber(text(key)).value_or(def); };

    texts.Version = std::to_string(static_cast<std::int8_t>(number("Version", 0)));
    texts.AgentPort = std::to_string(static_cast<std::uint16_t>(number("AgentPort", 161)));
    texts.ContextName = text("ContextName");
    texts.ContextEngineID = text("ContextEngineID");
    texts.SecurityModel = std::to_string(number("SecurityModel", 1));
    // The file holds list positions (0, 1, 2); the session wants codes (1, 2, 3, and 9 for IDEA).
    texts.SecurityLevel = std::to_string(number("SecurityLevel", 0) + 1);
    texts.SecurityName = text("SecurityName");
    texts.AuthProtocol = std::to_string(number("AuthProtocol", 0) + 1);
    const int priv = number("PrivProtocol", 0);
    texts.PrivProtocol = std::to_string(priv == 2 ? 9 : priv + 1);
    texts.AuthPassword = text("AuthPassword");
    texts.PrivPassword = text("PrivPassword");
    return ProfileRead::Read;
}

ProfileRead ReadProfileFile(const std::string& path, ConnectionTexts& texts) {
    const ProfileRead read = ReadProfileTexts(path, texts);
    if (read != ProfileRead::Read)
        return read;
    // The texts hold the numbers just written from the file's values.
    const auto code = [](const std::string& t) { return ParseWholeNumber(t).value_or(0); };
    gSNMPSecurity.Version = static_cast<std::int8_t>(code(texts.Version));
    gSNMPDevice.Port = static_cast<std::uint16_t>(code(texts.AgentPort));
    gSNMPScope.ContextName = texts.ContextName;
    gSNMPScope.ContextEngineID = texts.ContextEngineID;
    gSNMPSecurity.SecurityModel = code(texts.SecurityModel);
    gSNMPSecurity.SecurityLevel = code(texts.SecurityLevel);
    gSNMPSecurity.SecurityName = texts.SecurityName;
    gSNMPSecurity.AuthProtocol = code(texts.AuthProtocol);
    gSNMPSecurity.PrivProtocol = code(texts.PrivProtocol);
    // The command line's passwords are wiped, not only replaced.
    TvSecret::Replace(gSNMPSecurity.AuthPassword, texts.AuthPassword);
    TvSecret::Replace(gSNMPSecurity.PrivPassword, texts.PrivPassword);
    // Absent in profiles of the original layout, which read as before: GETBULK stays as it is.
    if (const auto bulk = ParseWholeNumber(TvIni(path).ReadString(kProfileSection, "GetBulk", "")))
        gSNMPUseGetBulk = *bulk != 0;
    // Absent: notifications are not received (unless the command line asks). Out of range: neither.
    if (const auto port = ParseWholeNumber(TvIni(path).ReadString(kProfileSection, "NotificationPort", "")))
        gNotificationPort = *port >= 0 && *port <= 65535 ? *port : -1;
    return ProfileRead::Read;
}

bool ProfileReadableByOthers(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && (st.st_mode & (S_IRGRP | S_IROTH)) != 0;
}

ProfileRead ReadProfile(const std::string& address, OperatingMode mode, const std::string& programFile,
                        ConnectionTexts& texts, std::string* pathOut) {
    const auto path = ProfilePath(mode, programFile, address);
    if (!path)
        return ProfileRead::Missing;
    if (pathOut)
        *pathOut = *path;
    return ReadProfileFile(*path, texts);
}

void TvProfileSettings::StampNow() {
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale = QLocale::system();
    UpdateDate = locale.toString(now.date(), QLocale::ShortFormat).toLatin1().toStdString();
    UpdateTime = locale.toString(now.time(), QLocale::LongFormat).toLatin1().toStdString();
}

std::string ProfileBytes(const TvProfileSettings& s) {
    const std::pair<const char*, const std::string*> lines[] = {
        {"AgentIP", &s.AgentIP},
        {"AgentPort", &s.AgentPort},
        {"Version", &s.Version},
        {"SecurityName", &s.SecurityName},
        {"AuthPassword", &s.AuthPassword},
        {"PrivPassword", &s.PrivPassword},
        {"AuthProtocol", &s.AuthProtocol},
        {"PrivProtocol", &s.PrivProtocol},
        {"ContextEngineID", &s.ContextEngineID},
        {"SecurityLevel", &s.SecurityLevel},
        {"ContextName", &s.ContextName},
        {"GetCommStr", &s.GetCommStr},
        {"SetCommStr", &s.SetCommStr},
        {"UpdateDate", &s.UpdateDate},
        {"UpdateTime", &s.UpdateTime},
    };
    std::string out = "[Program Information]";
    for (const auto& [key, value] : lines)
        out += std::string("\r\n") + key + "=" + *value;
    out += "\r\nSecurityModel=3";
    if (!s.GetBulk.empty())
        out += "\r\nGetBulk=" + s.GetBulk;
    if (!s.NotificationPort.empty())
        out += "\r\nNotificationPort=" + s.NotificationPort;
    return out;
}

bool WriteProfile(const std::string& path, const TvProfileSettings& settings, std::string* reason) {
    const auto fail = [reason](int error) {
        if (reason)
            *reason = std::strerror(error);
        return false;
    };
    if (path.empty())
        return fail(ENOENT);
    std::string tmp = path + ".XXXXXX";
    const int fd = ::mkstemp(tmp.data()); // created 0600
    if (fd < 0)
        return fail(errno);
    int error = 0;
    if (::fchmod(fd, S_IRUSR | S_IWUSR) != 0 || !WriteAll(fd, ProfileBytes(settings)) || ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(tmp.c_str(), path.c_str()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(tmp.c_str());
        return fail(error);
    }
    return true;
}
