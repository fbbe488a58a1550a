#include "net/moveexchange.h"

#include "net/winsock.h"

#include <QTimer>

#include <algorithm>
#include <utility>

MoveExchange::MoveExchange(QObject *owner, SocketApi *sockets)
    : HostLookup(sockets, owner)
{
    wsServer = new Winsock(owner);
    wsListen = new Winsock(owner);
    wsClient = new Winsock(owner);
    QObject::connect(wsListen, &Winsock::ConnectionRequest, owner,
                     [this](qint32 requestID) { wsListen_ConnectionRequest(requestID); });
    QObject::connect(wsClient, &Winsock::Connected, owner, [this] { wsClient_Connect(); });
    QObject::connect(wsServer, &Winsock::DataArrival, owner,
                     [this](qint32 bytesTotal) { wsServer_DataArrival(bytesTotal); });
    QObject::connect(wsClient, &Winsock::DataArrival, owner,
                     [this](qint32 bytesTotal) { wsClient_DataArrival(bytesTotal); });
    QObject::connect(wsServer, &Winsock::Closed, owner,
                     [this](const QString &error) { opponentGone(Side::Waiting, error); });
    QObject::connect(wsClient, &Winsock::Closed, owner,
                     [this](const QString &error) { opponentGone(Side::Connecting, error); });
    for (Winsock *connection : {wsServer, wsListen}) {
        QObject::connect(connection, &Winsock::ErrorOccurred, owner,
                         [this](const QString &text) { connectionReport(text, Report::Failure); });
    }
    QObject::connect(wsClient, &Winsock::ErrorOccurred, owner, [this](const QString &text) { clientFailed(text); });

    m_serverGreetingTimer = new QTimer(owner);
    m_clientGreetingTimer = new QTimer(owner);
    for (Side side : {Side::Waiting, Side::Connecting}) {
        QTimer &timer = greetingTimerOf(side);
        timer.setSingleShot(true);
        timer.setInterval(kGreetingTimeoutMs);
        QObject::connect(&timer, &QTimer::timeout, owner, [this, side] { greetingOverdue(side); });
    }
}

MoveExchange::~MoveExchange()
{
    // Gone before the rest of the window, so that no event of theirs can
    // reach a handler of a window half taken down.
    delete wsServer;
    delete wsListen;
    delete wsClient;
    delete m_serverGreetingTimer;
    delete m_clientGreetingTimer;
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
    m_serverGreetingTimer->setInterval(milliseconds);
    m_clientGreetingTimer->setInterval(milliseconds);
}

Winsock &MoveExchange::connectionOf(Side side) const
{
    return side == Side::Waiting ? *wsServer : *wsClient;
}

QTimer &MoveExchange::greetingTimerOf(Side side) const
{
    return side == Side::Waiting ? *m_serverGreetingTimer : *m_clientGreetingTimer;
}

bool MoveExchange::opponentPresent() const
{
    if (!m_role)
        return false;
    const bool greetedUs = *m_role == Side::Waiting ? m_serverGreeted : m_clientGreeted;
    return greetedUs && connectionOf(*m_role).state() == Winsock::State::Connected;
}

// Drops the opponent of either role, and all that was known of it.
void MoveExchange::dropOpponents()
{
    wsServer->Close();
    wsClient->Close();
    m_serverGreetingTimer->stop();
    m_clientGreetingTimer->stop();
    m_serverGreeted = false;
    m_clientGreeted = false;
    m_greetingOpen = false;
    m_lastMover = Mover::Nobody;
}

void MoveExchange::stopNetwork()
{
    cancelAddressLookup();
    m_role.reset();
    wsListen->Close();
    dropOpponents();
    m_gameName.clear();
    updateAnnouncement();
}

bool MoveExchange::startWaiting(quint16 port)
{
    wsListen->setLocalPort(port);
    wsListen->Listen(); // already listening on it: goes on listening
    if (wsListen->state() != Winsock::State::Listening)
        return false;
    cancelAddressLookup();
    // Waiting anew drops the opponent of either role, so that the next data
    // to come is a new opponent's greeting.
    dropOpponents();
    m_role = Side::Waiting;
    FirstData = true;
    return true;
}

void MoveExchange::startConnecting(const QString &host, quint16 port)
{
    stopNetwork();
    m_role = Side::Connecting;
    FirstData = true;
    wsClient->Connect(host, port);
}

void MoveExchange::send(const QString &text)
{
    SendStr = text;
    connectionOf(*m_role).SendData(SendStr);
}

void MoveExchange::sendMove(int cell)
{
    if (!opponentPresent())
        return;
    send(QString::number(cell));
    m_lastMover = Mover::Us;
}

void MoveExchange::sendNewGame()
{
    m_lastMover = Mover::Nobody;
    // Without an opponent there is nobody to tell: the next one to greet
    // starts on an empty board anyway.
    if (opponentPresent())
        send(QStringLiteral("9"));
}

void MoveExchange::wsListen_ConnectionRequest(qint32 requestID)
{
    // One opponent at a time, until all the last one sent has been
    // handled: a request that is not accepted is refused, and the listening
    // object closes it at once, so that the caller learns it is not wanted.
    if (m_role != Side::Waiting || wsServer->state() != Winsock::State::Closed)
        return;
    ConnRequestID = requestID;
    wsServer->Accept(ConnRequestID);
    FirstData = true; // every connection begins with the opponent's greeting
    m_serverGreeted = false;
    m_greetingOpen = false;
    if (wsServer->state() != Winsock::State::Connected)
        return; // gone already: what it sent is still to come, as a greeting
    m_serverGreetingTimer->start();
    wsServer->SendData(HostName);
}

void MoveExchange::wsClient_Connect()
{
    FirstData = true;
    m_clientGreeted = false;
    m_greetingOpen = false;
    m_clientGreetingTimer->start();
    wsClient->SendData(HostName);
}

void MoveExchange::wsServer_DataArrival(qint32)
{
    receive(Side::Waiting);
}

void MoveExchange::wsClient_DataArrival(qint32)
{
    receive(Side::Connecting);
}

void MoveExchange::receive(Side side)
{
    greetingTimerOf(side).stop(); // the peer has spoken
    if (arrivalsHeldBack()) {
        m_arrivalWaiting = true; // the data stays with the connection object
        return;
    }
    Winsock &connection = connectionOf(side);
    RecvStr = connection.GetData();
    const auto arrivedAt = connection.lastArrivalTime();
    if (FirstData) {
        FirstData = false;
        greeted(side) = true;
        updateAnnouncement(); // an opponent is here: the game is no longer offered
        m_greeting = RecvStr;
        m_greetingOpen = true;
        m_greetingAt = arrivedAt;
        m_lastMover = Mover::Nobody;
        applyPeerMessage(parseArrival(m_greeting, true).constFirst(), side);
        return;
    }
    m_greetingOpen = m_greetingOpen && continuesGreeting(RecvStr, arrivedAt);
    if (m_greetingOpen) {
        m_greeting += RecvStr;
        PeerMessage whole = parseArrival(m_greeting, true).constFirst();
        whole.kind = PeerMessage::Kind::GreetingContinued;
        applyPeerMessage(whole, side);
        return;
    }
    for (const PeerMessage &message : parseArrival(RecvStr, false)) {
        if (!apply(message, side))
            break;
    }
}

bool MoveExchange::continuesGreeting(const QString &text, std::chrono::steady_clock::time_point arrivedAt) const
{
    return arrivedAt - m_greetingAt < m_greetingWindow && couldBeHostName(text);
}

// Applies one message; false when the rest of the arrival is to be dropped.
bool MoveExchange::apply(const PeerMessage &message, Side side)
{
    switch (message.kind) {
    case PeerMessage::Kind::NewGame:
        m_lastMover = Mover::Nobody;
        applyPeerMessage(message, side);
        return true;
    case PeerMessage::Kind::Move: {
        // A copy of the game moves only on its turn: a second move with
        // none of ours in between, or one for a cell we have filled, means
        // that moves crossed on the way and the boards differ.
        const bool movedTwice = m_lastMover == Mover::Opponent;
        const Outcome outcome = applyPeerMessage(message, side);
        if (outcome != Outcome::CellTaken)
            m_lastMover = Mover::Opponent;
        if (movedTwice || outcome == Outcome::CellTaken)
            connectionReport(tr("The two boards are out of step. Choose New to start again on both."),
                             Report::OutOfStep);
        // A game ends at most once per arrival: the rest of it is dropped,
        // so that no burst of games can pile up results for the player.
        return outcome != Outcome::GameEnded;
    }
    case PeerMessage::Kind::Greeting:
    case PeerMessage::Kind::GreetingContinued:
    case PeerMessage::Kind::Ignored:
        break;
    }
    return true;
}

void MoveExchange::greetingOverdue(Side side)
{
    if (m_role != side || greeted(side))
        return;
    connectionOf(side).Close();
    // On the waiting side a connection that never greets is no opponent:
    // it is dropped without a word, and the next one may come.
    if (side == Side::Connecting) {
        const int seconds = std::max(1, m_clientGreetingTimer->interval() / 1000);
        connectionReport((seconds == 1 ? tr("No greeting came from %1 within %2 second: it is busy with another "
                                            "game, or is not a Kelmo game.")
                                         : tr("No greeting came from %1 within %2 seconds: it is busy with another "
                                            "game, or is not a Kelmo game."))
                             .arg(ConnectIP.trimmed())
                             .arg(seconds),
                         Report::NotConnected);
    }
}

void MoveExchange::opponentGone(Side side, const QString &error)
{
    greetingTimerOf(side).stop();
    if (m_role != side)
        return;
    const bool wasOpponent = std::exchange(greeted(side), false);
    updateAnnouncement(); // the waiting side offers its game again
    if (!wasOpponent) {
        // A host that closes before it greets is busy, or no Kelmo game; on
        // the waiting side such a connection is no opponent at all.
        if (side == Side::Connecting)
            connectionReport(tr("%1 is busy with another game, or is not a Kelmo game.")
                                 .arg(ConnectIP.trimmed()),
                             Report::NotConnected);
        return;
    }
    if (error.isEmpty())
        connectionReport(tr("The opponent has left the game."), Report::OpponentLeft);
    else
        connectionReport(tr("The connection to the opponent was lost: %1.").arg(error),
                         Report::OpponentLeft);
}

void MoveExchange::clientFailed(const QString &text)
{
    // A failure that leaves wsClient closed was the attempt to connect.
    const bool attemptFailed = wsClient->state() == Winsock::State::Closed;
    connectionReport(text, attemptFailed ? Report::NotConnected : Report::Failure);
}

void MoveExchange::releaseHeldBackArrivals()
{
    if (!m_arrivalWaiting)
        return;
    m_arrivalWaiting = false;
    wsServer->redeliver();
    wsClient->redeliver();
}
