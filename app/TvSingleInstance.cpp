#include "app/TvSingleInstance.h"

#include "snmp/RuntimeFolder.h"

#include <QCryptographicHash>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>

#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr char kActivate[] = "activate\n";

std::optional<uid_t> SocketPeerUid(qintptr descriptor) {
    ucred credentials{};
    socklen_t length = sizeof credentials;
    if (::getsockopt(static_cast<int>(descriptor), SOL_SOCKET, SO_PEERCRED, &credentials, &length) != 0 ||
        length != sizeof credentials)
        return std::nullopt;
    return credentials.uid;
}

TvSingleInstance::PeerUidFunction& PeerUidSource() {
    static TvSingleInstance::PeerUidFunction source = SocketPeerUid;
    return source;
}

} // namespace

TvSingleInstance::TvSingleInstance(const QString& title, QObject* parent)
    : QObject(parent), name_(ServerName(title)), server_(new QLocalServer(this)) {
    // Plain bind, no socket options: with options the socket is renamed into place, which would
    // silently take the name from a live first copy.
    connect(server_, &QLocalServer::newConnection, this, &TvSingleInstance::OnNewConnection);
}

TvSingleInstance::~TvSingleInstance() = default;

void TvSingleInstance::SetPeerUid(PeerUidFunction function) {
    PeerUidSource() = function ? std::move(function) : PeerUidFunction(SocketPeerUid);
}

bool TvSingleInstance::PeerIsOwn(const QLocalSocket& socket) {
    const std::optional<uid_t> uid = PeerUidSource()(socket.socketDescriptor());
    return uid && *uid == ::getuid();
}

QString TvSingleInstance::ServerName(const QString& title) {
    const QByteArray hash =
        QCryptographicHash::hash(title.toUtf8(), QCryptographicHash::Sha256).toHex().left(16);
    // A socket path is limited to 107 bytes; a deep runtime folder gives way to the private folder in /tmp.
    const QByteArray name =
        QStringLiteral("/qtr5190mx-%1-%2").arg(::getuid()).arg(QString::fromLatin1(hash)).toLatin1();
    std::string folder = RuntimeFolder();
    if (!folder.empty() && folder.size() + name.size() >= 108)
        folder = PrivateTempFolder("/tmp");
    if (folder.empty())
        return QString();
    return QFile::decodeName(QByteArray::fromStdString(folder) + name);
}

bool TvSingleInstance::ActivateRunning(const QString& title, int timeoutMs) {
    const QString name = ServerName(title);
    if (name.isEmpty())
        return false;
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    // A listener of another user is not a running copy: it gets nothing, and this copy starts.
    if (!PeerIsOwn(socket)) {
        socket.abort();
        return false;
    }
    socket.write(kActivate);
    const bool sent = socket.waitForBytesWritten(timeoutMs);
    socket.disconnectFromServer();
    return sent;
}

bool TvSingleInstance::Listen() {
    if (name_.isEmpty())
        return true; // no private folder: this copy runs on its own
    if (server_->listen(name_))
        return true;
    if (server_->serverError() != QAbstractSocket::AddressInUseError)
        return false;
    QLocalSocket probe;
    probe.connectToServer(name_);
    if (probe.waitForConnected(500) && PeerIsOwn(probe))
        return false; // a live copy holds it
    probe.abort();
    QLocalServer::removeServer(name_);
    return server_->listen(name_);
}

void TvSingleInstance::OnNewConnection() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (!PeerIsOwn(*socket)) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
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
