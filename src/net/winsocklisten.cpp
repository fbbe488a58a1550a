// The listening half of the connection object: listening, the requests
// that come in, and taking one of them over.

#include "net/winsock.h"

#include <QCoreApplication>
#include <QHash>
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

} // namespace

void Winsock::Listen()
{
    if (m_state == State::Listening && m_server
        && (m_localPort == 0 || m_server->serverPort() == m_localPort))
        return;
    Close();

    auto *server = new QTcpServer(this);
    if (!server->listen(QHostAddress::Any, m_localPort)) {
        const QString message = listenFailureText(m_localPort, server->serverError(), server->errorString(),
                                                  QCoreApplication::applicationFilePath());
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
        fail(tr("Cannot accept the connection: request %1 is not waiting.").arg(requestID));
        return;
    }
    if (m_state == State::Listening)
        releaseServer();
    releaseSocket();
    m_connectTimer.stop();
    socket->setParent(this);
    adoptSocket(socket);
    m_state = State::Connected;
    if (socket->bytesAvailable() > 0)
        onReadyRead();
    if (socket->state() != QAbstractSocket::ConnectedState)
        peerGone(QString());
}

quint16 Winsock::listeningPort() const
{
    return m_server ? m_server->serverPort() : 0;
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

QString Winsock::listenFailureText(quint16 port, QAbstractSocket::SocketError error, const QString &reason,
                                   const QString &program)
{
    if (error != QAbstractSocket::SocketAccessError || port >= 1024)
        return tr("Cannot wait for an opponent on port %1: %2.").arg(QString::number(port), reason);
    return tr("Cannot wait for an opponent on port %1: ports below 1024 may only be used by programs with the "
              "CAP_NET_BIND_SERVICE capability (%2).\n\n"
              "To grant it to Kelmo, run once:\n"
              "sudo setcap cap_net_bind_service=+ep %3\n\n"
              "Or let every program use ports from %1 up:\n"
              "sudo sysctl net.ipv4.ip_unprivileged_port_start=%1")
        .arg(QString::number(port), reason, program);
}
