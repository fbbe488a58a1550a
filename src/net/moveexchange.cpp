#include "net/moveexchange.h"

#include "net/winsock.h"

#include <algorithm>

MoveExchange::MoveExchange(QObject *parent)
    : QObject(parent)
    , wsListen(new Winsock(this))
{
    wsListen->setObjectName(QStringLiteral("wsListen"));
    connect(wsListen, &Winsock::ConnectionRequest, this, &MoveExchange::onRequest);
    connect(wsListen, &Winsock::ErrorOccurred, this, &MoveExchange::failed);
}

MoveExchange::~MoveExchange()
{
    if (m_discovery)
        m_discovery->withdraw();
}

void MoveExchange::setGameDiscovery(GameDiscovery *discovery)
{
    if (m_discovery)
        m_discovery->withdraw();
    m_discovery = discovery;
    updateAnnouncement();
}

// The game is announced exactly while this copy listens as the waiting
// side, with no opponent that has greeted.
void MoveExchange::updateAnnouncement()
{
    if (!m_discovery)
        return;
    if (m_role == Side::Waiting && !m_gameName.isEmpty() && wsListen->state() == Winsock::State::Listening
        && !opponentPresent())
        m_discovery->publish(m_gameName, wsListen->listeningPort());
    else
        m_discovery->withdraw();
}

void MoveExchange::announceWaitingGame(const QString &hostName)
{
    m_gameName = GameDiscovery::gameName(hostName);
    updateAnnouncement();
}

void MoveExchange::setGreetingTimeout(int milliseconds)
{
    m_timing.greetingTimeoutMs = milliseconds;
    if (m_connection)
        m_connection->setTiming(m_timing);
}

void MoveExchange::setGreetingWindow(std::chrono::milliseconds window)
{
    m_timing.greetingWindow = window;
    if (m_connection)
        m_connection->setTiming(m_timing);
}

quint16 MoveExchange::listeningPort() const
{
    return wsListen->listeningPort();
}

bool MoveExchange::opponentPresent() const
{
    return m_connection && m_connection->hasGreeted() && m_connection->isOpen();
}

Connection *MoveExchange::openConnection(const QString &name)
{
    dropConnection();
    auto *connection = new Connection(name, m_timing, this);
    connection->setHeld(m_held);
    connect(connection, &Connection::connected, this, &MoveExchange::Connected);
    connect(connection, &Connection::greeted, this, [this](const QString &greeting) {
        updateAnnouncement(); // an opponent is here: the game is no longer offered
        emit opponentGreeted(greeting);
    });
    connect(connection, &Connection::greetingGrew, this, &MoveExchange::greetingGrew);
    connect(connection, &Connection::messagesArrived, this, &MoveExchange::messagesArrived);
    connect(connection, &Connection::greetingOverdue, this, &MoveExchange::onGreetingOverdue);
    connect(connection, &Connection::left, this, &MoveExchange::onLeft);
    connect(connection, &Connection::failed, this, &MoveExchange::onFailed);
    m_connection = connection;
    return connection;
}

// Drops the opponent, and all that was known of it.
void MoveExchange::dropConnection()
{
    if (Connection *connection = m_connection) {
        m_connection = nullptr;
        connection->close();
        // Possibly inside one of its own signals: never deleted here.
        connection->disconnect(this);
        connection->deleteLater();
    }
}

void MoveExchange::stopNetwork()
{
    m_role.reset();
    wsListen->Close();
    dropConnection();
    m_gameName.clear();
    updateAnnouncement();
}

bool MoveExchange::startWaiting(quint16 port)
{
    wsListen->setLocalPort(port);
    wsListen->Listen(); // already listening on it: goes on listening
    if (wsListen->state() != Winsock::State::Listening)
        return false;
    // Waiting anew drops the opponent of either role, so that the next data
    // to come is a new opponent's greeting.
    dropConnection();
    m_role = Side::Waiting;
    return true;
}

void MoveExchange::startConnecting(const QString &host, quint16 port)
{
    stopNetwork();
    m_role = Side::Connecting;
    m_host = host.trimmed();
    openConnection(QStringLiteral("wsClient"))->connectTo(host, port);
}

void MoveExchange::onRequest(qint32 requestID)
{
    // One opponent at a time, until all the last one sent has been
    // handled: a request that is not accepted is refused, and the listening
    // object closes it at once, so that the caller learns it is not wanted.
    if (m_role != Side::Waiting || (m_connection && m_connection->socket().state() != Winsock::State::Closed))
        return;
    emit ConnectionRequest(requestID);
}

void MoveExchange::accept(qint32 requestID, const QString &greeting)
{
    Connection *connection = openConnection(QStringLiteral("wsServer"));
    connection->accept(requestID);
    if (connection->isOpen())
        connection->send(greeting);
}

void MoveExchange::greet(const QString &greeting)
{
    if (m_connection)
        m_connection->send(greeting);
}

void MoveExchange::send(const QString &text)
{
    SendStr = text;
    m_connection->send(SendStr);
}

void MoveExchange::sendMove(int cell)
{
    if (opponentPresent())
        send(QString::number(cell));
}

void MoveExchange::sendNewGame()
{
    // Without an opponent there is nobody to tell: the next one to greet
    // starts on an empty board anyway.
    if (opponentPresent())
        send(QStringLiteral("9"));
}

void MoveExchange::holdArrivals(bool held)
{
    m_held = held;
    if (m_connection)
        m_connection->setHeld(held);
}

void MoveExchange::onGreetingOverdue()
{
    // On the waiting side a connection that never greets is no opponent:
    // it is dropped without a word, and the next one may come.
    if (m_role == Side::Connecting) {
        const int seconds = std::max(1, m_timing.greetingTimeoutMs / 1000);
        emit notConnected((seconds == 1 ? tr("No greeting came from %1 within %2 second: it is busy with another "
                                             "game, or is not a Kelmo game.")
                                        : tr("No greeting came from %1 within %2 seconds: it is busy with another "
                                             "game, or is not a Kelmo game."))
                              .arg(m_host)
                              .arg(seconds));
    }
}

void MoveExchange::onLeft(const QString &error)
{
    const bool wasOpponent = m_connection && m_connection->hasGreeted();
    updateAnnouncement(); // the waiting side offers its game again
    if (!wasOpponent) {
        // A host that closes before it greets is busy, or no Kelmo game; on
        // the waiting side such a connection is no opponent at all.
        if (m_role == Side::Connecting)
            emit notConnected(tr("%1 is busy with another game, or is not a Kelmo game.").arg(m_host));
        return;
    }
    if (error.isEmpty())
        emit opponentLeft(tr("The opponent has left the game."));
    else
        emit opponentLeft(tr("The connection to the opponent was lost: %1.").arg(error));
}

void MoveExchange::onFailed(const QString &text)
{
    // A failure that leaves the connecting side's connection closed was the
    // attempt to connect.
    if (m_role == Side::Connecting && m_connection && m_connection->socket().state() == Winsock::State::Closed)
        emit notConnected(text);
    else
        emit failed(text);
}
