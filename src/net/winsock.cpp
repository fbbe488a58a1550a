#include "net/winsock.h"

#include "net/address.h"

#include <QTcpServer>
#include <QTcpSocket>

#include <algorithm>

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

void Winsock::Connect(const QString &remoteHost, quint16 remotePort)
{
    Close();
    const QString host = remoteHost.trimmed();
    m_remoteHost = host;
    if (host.isEmpty()) {
        fail(tr("Cannot connect to an opponent: no address was given."));
        return;
    }
    if (isMalformedAddress(host)) {
        fail(tr("Cannot connect to %1: that is not a valid address.").arg(host));
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
    connect(socket, &QTcpSocket::disconnected, this, [this] { peerGone(QString()); });
    connect(socket, &QTcpSocket::readyRead, this, &Winsock::onReadyRead);
}

void Winsock::onConnected()
{
    if (m_state != State::Connecting)
        return;
    if (m_insideConnect) {
        QMetaObject::invokeMethod(
            this,
            [this, generation = m_generation] {
                if (generation == m_generation)
                    onConnected();
            },
            Qt::QueuedConnection);
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
    fail((seconds == 1 ? tr("Cannot connect to %1: no answer within %2 second.")
                       : tr("Cannot connect to %1: no answer within %2 seconds."))
             .arg(host)
             .arg(seconds));
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
        fail(tr("Cannot connect to %1: %2.").arg(host, reason));
    } else if (error != QAbstractSocket::RemoteHostClosedError) {
        // A peer that closes in good order is seen by `disconnected`.
        peerGone(reason);
    }
}

void Winsock::onReadyRead()
{
    if (readArrival())
        redeliver();
}

// Each read is one arrival. While a full read's worth, or kMaxArrivals,
// wait untaken, the rest stays with the socket and the system, which makes
// a peer that floods us wait. True when an arrival was added.
bool Winsock::readArrival()
{
    if (!m_socket || m_waitingBytes >= kReadChunk || m_arrivals.size() >= kMaxArrivals
        || m_socket->bytesAvailable() <= 0)
        return false;
    // Exactly what is there: an arrival keeps no more memory than it needs.
    const QByteArray bytes = m_socket->read(std::min(m_socket->bytesAvailable(), kReadChunk - m_waitingBytes));
    if (bytes.isEmpty())
        return false;
    m_arrivals.enqueue({bytes, std::chrono::steady_clock::now()});
    m_waitingBytes += bytes.size();
    return true;
}

// The peer has gone. What it sent before is still handed over, within the
// same bounds: the socket keeps what it had read until it is taken, and
// Closed follows once all of it has been.
void Winsock::peerGone(const QString &error)
{
    if (m_state != State::Connected)
        return;
    if (m_socket)
        m_socket->disconnect(this);
    m_state = State::Closing;
    m_closeError = error;
    redeliver();
}

void Winsock::deliverData()
{
    // One DataArrival at a time, even when a handler spins an event loop.
    if (m_delivering)
        return;
    if (m_arrivals.isEmpty() && !(m_state == State::Closing && readArrival())) {
        if (m_state == State::Closing) {
            releaseSocket();
            m_state = State::Closed;
            emit Closed(m_closeError);
        }
        return;
    }
    m_delivering = true;
    m_dataTaken = false;
    const QPointer<Winsock> self(this);
    emit DataArrival(static_cast<qint32>(m_arrivals.head().bytes.size()));
    if (!self)
        return;
    m_delivering = false;
    // The next arrival, what the system kept back meanwhile, or the peer's
    // departure comes in the next event, so that a peer that keeps sending
    // cannot hold the window up. An arrival left untaken waits for
    // redeliver().
    if (m_dataTaken) {
        readArrival();
        redeliver();
    }
}

void Winsock::redeliver()
{
    QMetaObject::invokeMethod(this, &Winsock::deliverData, Qt::QueuedConnection);
}

void Winsock::SendData(const QString &text)
{
    if (m_state != State::Connected || !m_socket) {
        fail(tr("The move was not sent: no opponent is connected."));
        return;
    }
    if (m_socket->write(text.toLatin1()) < 0) {
        fail(tr("The move was not sent: %1.").arg(m_socket->errorString()));
        return;
    }
    // On its way now, not when the event loop next runs.
    m_socket->flush();
}

QString Winsock::GetData()
{
    if (m_arrivals.isEmpty())
        return {};
    m_dataTaken = true;
    const Arrival arrival = m_arrivals.dequeue();
    m_waitingBytes -= arrival.bytes.size();
    m_totalTaken += arrival.bytes.size();
    m_lastTakenAt = arrival.readAt;
    return QString::fromLatin1(arrival.bytes);
}

void Winsock::Close()
{
    ++m_generation;
    m_connectTimer.stop();
    releaseServer();
    releaseSocket();
    m_arrivals.clear();
    m_waitingBytes = 0;
    m_closeError.clear();
    m_state = State::Closed;
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

void Winsock::fail(const QString &message)
{
    // Reported from the event loop, never from inside a socket's signal or
    // the caller's handler, so that a dialog shown for it cannot re-enter them.
    QMetaObject::invokeMethod(
        this,
        [this, message, generation = m_generation] {
            if (generation == m_generation)
                emit ErrorOccurred(message);
        },
        Qt::QueuedConnection);
}
