#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

#include <sys/types.h>

class QLocalServer;
class QLocalSocket;

// One running copy per switch. The first copy listens under a local socket named after its search
// title; a later copy with the same title asks it to come to the front and ends. Only the user's own
// processes count: a listener or a caller of another user is ignored.
class TvSingleInstance : public QObject {
    Q_OBJECT
public:
    explicit TvSingleInstance(const QString& title, QObject* parent = nullptr);
    ~TvSingleInstance() override;

    // Local socket name for a title: a path in the private runtime folder, safe for any bytes in the
    // title. Empty when no private folder can be had (then there is no single instance).
    static QString ServerName(const QString& title);

    // Asks a copy of this user listening under `title` to activate its window. True when one was reached.
    static bool ActivateRunning(const QString& title, int timeoutMs = 2000);

    // Starts listening; a socket left behind by a copy that died, or held by another user's process, is
    // replaced. False when a live copy of this user holds the name or the socket cannot be made.
    bool Listen();

    // The user id of the process at the other end of a connected local socket (SO_PEERCRED); nullopt
    // when it cannot be told. Tests put another function in place; an empty one restores this one.
    using PeerUidFunction = std::function<std::optional<uid_t>(qintptr descriptor)>;
    static void SetPeerUid(PeerUidFunction function);

signals:
    void activateRequested();

private:
    void OnNewConnection();
    // Whether the other end of a connected socket runs as this user.
    static bool PeerIsOwn(const QLocalSocket& socket);

    QString name_;
    QLocalServer* server_;
};
