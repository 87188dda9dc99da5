#include "app/TvRecentSwitches.h"

#include "profile/TvSettingsFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* kGroup = "RecentSwitches";

QString VersionName(int version) {
    switch (version) {
    case 0:
        return QStringLiteral("SNMPv1");
    case 1:
        return QStringLiteral("SNMPv2c");
    case 3:
        return QStringLiteral("SNMPv3");
    default:
        return QStringLiteral("SNMP version %1").arg(version);
    }
}

} // namespace

QString TvRecentSwitch::Caption() const {
    QString caption = Address;
    if (Port != 161)
        caption += ':' + QString::number(Port);
    caption += "  " + VersionName(Version);
    if (Version == 3 && !SecurityName.isEmpty())
        caption += ' ' + SecurityName;
    return caption;
}

bool TvRecentSwitch::SameSwitch(const TvRecentSwitch& other) const {
    return Address.compare(other.Address, Qt::CaseInsensitive) == 0 && Port == other.Port &&
           Version == other.Version && (Version != 3 || SecurityName == other.SecurityName);
}

QList<TvRecentSwitch> TvRecentSwitches::Load() const {
    QList<TvRecentSwitch> list;
    // A damaged file offers nothing; the next switch remembered writes the list anew.
    if (TvSettingsFile::HoldsStreamedValues(settings_.fileName()))
        return list;
    const int count = settings_.beginReadArray(kGroup);
    for (int i = 0; i < count && list.size() < MaxCount; ++i) {
        settings_.setArrayIndex(i);
        TvRecentSwitch s;
        s.Address = settings_.value("Address").toString().trimmed();
        if (s.Address.isEmpty())
            continue; // a damaged entry is skipped, not offered
        s.Port = settings_.value("Port", 161).toInt();
        if (s.Port < 1 || s.Port > 65535)
            s.Port = 161;
        s.Version = settings_.value("Version", 0).toInt();
        s.SecurityName = settings_.value("SecurityName").toString();
        s.SecurityLevel = settings_.value("SecurityLevel", 1).toInt();
        s.AuthProtocol = settings_.value("AuthProtocol", 1).toInt();
        s.PrivProtocol = settings_.value("PrivProtocol", 1).toInt();
        s.ContextName = settings_.value("ContextName").toString();
        s.ContextEngineID = settings_.value("ContextEngineID").toString();
        list << s;
    }
    settings_.endArray();
    return list;
}

void TvRecentSwitches::Remember(const TvRecentSwitch& used) {
    // Any write reads the whole file again first: a damaged one is left as it is.
    if (TvSettingsFile::HoldsStreamedValues(settings_.fileName()))
        return;
    QList<TvRecentSwitch> list = Load();
    list.removeIf([&](const TvRecentSwitch& s) { return s.SameSwitch(used); });
    list.prepend(used);
    while (list.size() > MaxCount)
        list.removeLast();
    Save(list);
}

void TvRecentSwitches::KeepPrivate() const {
    // Created owner-only before the first write: QSettings replaces the file keeping its permissions.
    const QByteArray path = QFile::encodeName(settings_.fileName());
    if (path.isEmpty())
        return;
    QDir().mkpath(QFileInfo(settings_.fileName()).absolutePath());
    if (const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600); fd >= 0)
        ::close(fd);
    ::chmod(path.constData(), 0600);
}

void TvRecentSwitches::Save(const QList<TvRecentSwitch>& list) {
    KeepPrivate();
    settings_.remove(kGroup);
    settings_.beginWriteArray(kGroup, static_cast<int>(list.size()));
    for (int i = 0; i < list.size(); ++i) {
        const TvRecentSwitch& s = list[i];
        settings_.setArrayIndex(i);
        settings_.setValue("Address", s.Address);
        settings_.setValue("Port", s.Port);
        settings_.setValue("Version", s.Version);
        settings_.setValue("SecurityName", s.SecurityName);
        settings_.setValue("SecurityLevel", s.SecurityLevel);
        settings_.setValue("AuthProtocol", s.AuthProtocol);
        settings_.setValue("PrivProtocol", s.PrivProtocol);
        settings_.setValue("ContextName", s.ContextName);
        settings_.setValue("ContextEngineID", s.ContextEngineID);
    }
    settings_.endArray();
    settings_.sync();
    KeepPrivate();
}
