#include "app/TvSingleInstance.h"

#include "snmp/RuntimeFolder.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

namespace {
constexpr char kActivate[] = "activate\n";
}

TvSingleInstance::TvSingleInstance(const QString& title, QObject* parent)
    : QObject(parent), name_(ServerName(title)), server_(new QLocalServer(this)) {
    // Plain bind, no socket options: with options the socket is renamed into place, which would
    // silently take the name from a live first copy.
    connect(server_, &QLocalServer::newConnection, this, &TvSingleInstance::OnNewConnection);
}

TvSingleInstance::~TvSingleInstance() = default;

QString TvSingleInstance::ServerName(const QString& title) {
    const QByteArray hash =
        QCryptographicHash::hash(title.toUtf8(), QCryptographicHash::Sha256).toHex().left(16);
    // A full path: the socket lives in the per-user runtime folder when there is one. A socket path
    // is limited to 107 bytes; a deep temporary folder falls back to /tmp.
    const QString name = QStringLiteral("/qtr5190mx-%1-%2").arg(::getuid()).arg(QString::fromLatin1(hash));
    const QString path = QString::fromLocal8Bit(RuntimeFolder().c_str()) + name;
    return path.toLocal8Bit().size() < 108 ? path : QStringLiteral("/tmp") + name;
}

bool TvSingleInstance::ActivateRunning(const QString& title, int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(ServerName(title));
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(kActivate);
    const bool sent = socket.waitForBytesWritten(timeoutMs);
    socket.disconnectFromServer();
    return sent;
}

bool TvSingleInstance::Listen() {
    if (server_->listen(name_))
        return true;
    if (server_->serverError() != QAbstractSocket::AddressInUseError)
        return false;
    QLocalSocket probe;
    probe.connectToServer(name_);
    if (probe.waitForConnected(500))
        return false; // a live copy holds it
    QLocalServer::removeServer(name_);
    return server_->listen(name_);
}

void TvSingleInstance::OnNewConnection() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        const auto readRequest = [this, socket] {
            if (!socket->canReadLine())
                return;
            if (socket->readLine(64) == kActivate)
                emit activateRequested();
            socket->disconnectFromServer();
        };
        connect(socket, &QLocalSocket::readyRead, this, readRequest);
        readRequest();
    }
}
