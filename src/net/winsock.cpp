#include "net/winsock.h"

#include <QHash>
#include <QHostAddress>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>

namespace {

// Incoming connections waiting to be accepted, by request ID. A request
// lives only while its ConnectionRequest event is being handled.
QHash<qint32, QPointer<QTcpSocket>> &pendingRequests()
{
    static QHash<qint32, QPointer<QTcpSocket>> requests;
    return requests;
}

QString listenFailure(quint16 port, const QTcpServer &server)
{
    QString reason = server.errorString();
    if (server.serverError() == QAbstractSocket::SocketAccessError && port < 1024) {
        reason = QStringLiteral("ports below 1024 may only be used by programs with the "
                                "CAP_NET_BIND_SERVICE capability (%1)")
                     .arg(server.errorString());
    }
    return QStringLiteral("Cannot wait for an opponent on port %1: %2.").arg(port).arg(reason);
}

// Text that can only have been meant as a numeric address (digits and dots,
// or anything with a colon) but is not one; it is refused at once rather
// than sent to the name resolver.
bool isMalformedAddress(const QString &host)
{
    static const QRegularExpression numericOrV6(QStringLiteral("^[0-9.]+$|:"));
    static const QRegularExpression blank(QStringLiteral("\\s"));
    if (blank.match(host).hasMatch())
        return true;
    return numericOrV6.match(host).hasMatch() && QHostAddress(host).isNull();
}

} // namespace

Winsock::Winsock(QObject *parent)
    : QObject(parent)
{
    m_connectTimer.setSingleShot(true);
    m_connectTimer.setInterval(kConnectTimeoutMs);
    connect(&m_connectTimer, &QTimer::timeout, this, &Winsock::onConnectTimeout);
}

Winsock::~Winsock()
{
    Close();
}

void Winsock::Listen()
{
    if (m_state == State::Listening && m_server
        && (m_localPort == 0 || m_server->serverPort() == m_localPort))
        return;
    Close();

    auto *server = new QTcpServer(this);
    if (!server->listen(QHostAddress::Any, m_localPort)) {
        const QString message = listenFailure(m_localPort, *server);
        server->deleteLater();
        fail(message);
        return;
    }
    connect(server, &QTcpServer::newConnection, this, &Winsock::onNewConnection);
    m_server = server;
    m_state = State::Listening;
}

void Winsock::onNewConnection()
{
    while (m_server && m_server->hasPendingConnections()) {
        QTcpSocket *socket = m_server->nextPendingConnection();
        const auto requestID = static_cast<qint32>(socket->socketDescriptor());
        pendingRequests().insert(requestID, socket);
        emit ConnectionRequest(requestID);
        // A request that nobody accepted is refused.
        if (const auto unclaimed = pendingRequests().take(requestID)) {
            unclaimed->abort();
            unclaimed->deleteLater();
        }
    }
}

void Winsock::Accept(qint32 requestID)
{
    const QPointer<QTcpSocket> socket = pendingRequests().take(requestID);
    if (!socket) {
        fail(QStringLiteral("Cannot accept the connection: request %1 is not waiting.").arg(requestID));
        return;
    }
    if (m_state == State::Listening)
        releaseServer();
    releaseSocket();
    m_connectTimer.stop();
    socket->setParent(this);
    adoptSocket(socket);
    m_state = State::Connected;
    if (socket->state() != QAbstractSocket::ConnectedState) {
        onDisconnected();
        return;
    }
    if (socket->bytesAvailable() > 0)
        QMetaObject::invokeMethod(this, &Winsock::deliverData, Qt::QueuedConnection);
}

void Winsock::Connect(const QString &remoteHost, quint16 remotePort)
{
    Close();
    const QString host = remoteHost.trimmed();
    m_remoteHost = host;
    if (host.isEmpty()) {
        fail(QStringLiteral("Cannot connect to an opponent: no address was given."));
        return;
    }
    if (isMalformedAddress(host)) {
        fail(QStringLiteral("Cannot connect to %1: that is not a valid address.").arg(host));
        return;
    }

    auto *socket = new QTcpSocket(this);
    adoptSocket(socket);
    m_state = State::Connecting;
    m_connectTimer.start();
    // Qt may report success or failure from inside connectToHost itself;
    // the handlers work from m_socket and m_state, which are set already,
    // and success is announced only once Connect has returned.
    m_insideConnect = true;
    socket->connectToHost(host, remotePort);
    m_insideConnect = false;
}

void Winsock::adoptSocket(QTcpSocket *socket)
{
    m_socket = socket;
    socket->setReadBufferSize(kReadChunk);
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    connect(socket, &QTcpSocket::connected, this, &Winsock::onConnected);
    connect(socket, &QTcpSocket::errorOccurred, this, &Winsock::onSocketError);
    connect(socket, &QTcpSocket::disconnected, this, &Winsock::onDisconnected);
    connect(socket, &QTcpSocket::readyRead, this, &Winsock::deliverData);
}

void Winsock::onConnected()
{
    if (m_state != State::Connecting)
        return;
    if (m_insideConnect) {
        QMetaObject::invokeMethod(this, &Winsock::onConnected, Qt::QueuedConnection);
        return;
    }
    m_connectTimer.stop();
    m_state = State::Connected;
    m_socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    emit Connected();
}

void Winsock::onConnectTimeout()
{
    if (m_state != State::Connecting)
        return;
    const QString host = m_remoteHost;
    Close();
    const int seconds = std::max(1, m_connectTimer.interval() / 1000);
    fail(QStringLiteral("Cannot connect to %1: no answer within %2 second%3.")
             .arg(host)
             .arg(seconds)
             .arg(seconds == 1 ? "" : "s"));
}

void Winsock::onSocketError()
{
    if (!m_socket)
        return;
    const QAbstractSocket::SocketError error = m_socket->error();
    const QString reason = m_socket->errorString();
    if (m_state == State::Connecting) {
        const QString host = m_remoteHost;
        Close();
        fail(QStringLiteral("Cannot connect to %1: %2.").arg(host, reason));
    } else if (m_state == State::Connected && error != QAbstractSocket::RemoteHostClosedError) {
        // A peer that closes in good order is reported by onDisconnected.
        Close();
        emit Closed();
        fail(QStringLiteral("The connection to the opponent was lost: %1.").arg(reason));
    }
}

void Winsock::onDisconnected()
{
    if (m_state != State::Connected)
        return;
    Close();
    emit Closed();
    fail(QStringLiteral("The opponent has left the game."));
}

void Winsock::deliverData()
{
    // One DataArrival at a time, even when a handler spins an event loop.
    if (m_delivering || !m_socket || m_socket->bytesAvailable() == 0)
        return;
    m_delivering = true;
    m_dataTaken = false;
    const QPointer<Winsock> self(this);
    emit DataArrival(static_cast<qint32>(m_socket->bytesAvailable()));
    if (!self)
        return;
    m_delivering = false;
    // What is left, and what arrived meanwhile, comes in the next event, so
    // that a peer that keeps sending cannot hold the window up.
    if (m_dataTaken && m_socket && m_socket->bytesAvailable() > 0)
        QMetaObject::invokeMethod(this, &Winsock::deliverData, Qt::QueuedConnection);
}

void Winsock::redeliver()
{
    QMetaObject::invokeMethod(this, &Winsock::deliverData, Qt::QueuedConnection);
}

void Winsock::SendData(const QString &text)
{
    if (m_state != State::Connected || !m_socket) {
        fail(QStringLiteral("The move was not sent: no opponent is connected."));
        return;
    }
    if (m_socket->write(text.toLatin1()) < 0) {
        fail(QStringLiteral("The move was not sent: %1.").arg(m_socket->errorString()));
        return;
    }
    // On its way now, not when the event loop next runs.
    m_socket->flush();
}

QString Winsock::GetData()
{
    if (!m_socket)
        return {};
    m_dataTaken = true;
    const QByteArray bytes = m_socket->readAll();
    m_totalTaken += bytes.size();
    return QString::fromLatin1(bytes);
}

qint64 Winsock::BytesReceived() const
{
    return m_socket ? m_socket->bytesAvailable() : 0;
}

void Winsock::Close()
{
    m_connectTimer.stop();
    releaseServer();
    releaseSocket();
    m_state = State::Closed;
}

quint16 Winsock::listeningPort() const
{
    return m_server ? m_server->serverPort() : 0;
}

void Winsock::releaseSocket()
{
    if (!m_socket)
        return;
    QTcpSocket *socket = m_socket;
    m_socket = nullptr;
    socket->disconnect(this);
    socket->abort();
    // Possibly inside one of the socket's own signals: never delete it here.
    socket->deleteLater();
}

void Winsock::releaseServer()
{
    if (!m_server)
        return;
    QTcpServer *server = m_server;
    m_server = nullptr;
    server->disconnect(this);
    server->close();
    server->deleteLater();
}

void Winsock::fail(const QString &message)
{
    // Reported from the event loop, never from inside a socket's signal or
    // the caller's handler, so that a dialog shown for it cannot re-enter them.
    QMetaObject::invokeMethod(
        this, [this, message] { emit ErrorOccurred(message); }, Qt::QueuedConnection);
}
