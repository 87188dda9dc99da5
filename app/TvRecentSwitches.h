#pragma once

#include <QList>
#include <QString>

class QSettings;

// A switch connected to before: what the connect dialog offers again. Passwords and communities are
// secrets and are never part of it.
struct TvRecentSwitch {
    QString Address;
    int Port = 161;
    int Version = 0; // session codes: 0 SNMPv1, 1 SNMPv2c, 3 SNMPv3
    QString SecurityName;
    int SecurityLevel = 1;
    int AuthProtocol = 1;
    int PrivProtocol = 1;
    QString ContextName;
    QString ContextEngineID;

    // "10.90.90.90  SNMPv2c", "sw1:1161  SNMPv3 admin".
    QString Caption() const;
    // The same switch reached the same way (address, port, version and user).
    bool SameSwitch(const TvRecentSwitch& other) const;
};

// The switches used before, most recent first, in the operator's settings (group "RecentSwitches"). The
// settings file is kept readable by its owner only.
class TvRecentSwitches {
public:
    static constexpr int MaxCount = 10;

    explicit TvRecentSwitches(QSettings& settings) : settings_(settings) {}

    QList<TvRecentSwitch> Load() const;
    // Puts `used` first, dropping an earlier entry for the same switch and the oldest beyond MaxCount.
    void Remember(const TvRecentSwitch& used);

private:
    void Save(const QList<TvRecentSwitch>& list);
    // Makes the settings file readable by its owner only (mode 0600).
    void KeepPrivate() const;

    QSettings& settings_;
};
