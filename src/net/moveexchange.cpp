#include "net/moveexchange.h"

#include "net/winsock.h"

#include <utility>

MoveExchange::MoveExchange(QObject *owner, SocketApi *sockets)
    : HostLookup(sockets)
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
    for (Winsock *connection : {wsServer, wsListen, wsClient}) {
        QObject::connect(connection, &Winsock::ErrorOccurred, owner,
                         [this](const QString &text) { connectionReport(text, Report::Failure); });
    }
}

MoveExchange::~MoveExchange()
{
    // Gone before the rest of the window, so that no event of theirs can
    // reach a handler of a window half taken down.
    delete wsServer;
    delete wsListen;
    delete wsClient;
}

Winsock &MoveExchange::connectionOf(Side side) const
{
    return side == Side::Waiting ? *wsServer : *wsClient;
}

void MoveExchange::send(Side side, const QString &text)
{
    SendStr = text;
    connectionOf(side).SendData(SendStr);
}

void MoveExchange::closeConnections()
{
    wsServer->Close();
    wsListen->Close();
    wsClient->Close();
}

void MoveExchange::wsListen_ConnectionRequest(qint32 requestID)
{
    // One opponent at a time, until all the last one sent has been
    // handled: a request that is not accepted is refused.
    if (wsServer->state() != Winsock::State::Closed)
        return;
    ConnRequestID = requestID;
    wsServer->Accept(ConnRequestID);
    FirstData = true; // every connection begins with the opponent's greeting
    m_serverGreeted = false;
    wsServer->SendData(HostName);
}

void MoveExchange::wsClient_Connect()
{
    FirstData = true;
    m_clientGreeted = false;
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
    if (arrivalsHeldBack()) {
        m_arrivalWaiting = true; // the data stays with the connection object
        return;
    }
    RecvStr = connectionOf(side).GetData();
    const bool greetingDue = FirstData;
    FirstData = false;
    if (greetingDue)
        greeted(side) = true;
    for (const PeerMessage &message : parseArrival(RecvStr, greetingDue)) {
        // A game ends at most once per arrival: the rest of it is dropped,
        // so that no burst of games can pile up results for the player.
        if (applyPeerMessage(message, side))
            break;
    }
}

void MoveExchange::opponentGone(Side side, const QString &error)
{
    if (!std::exchange(greeted(side), false))
        return; // it never greeted: no opponent has left
    if (error.isEmpty())
        connectionReport(QStringLiteral("The opponent has left the game."), Report::OpponentLeft);
    else
        connectionReport(QStringLiteral("The connection to the opponent was lost: %1.").arg(error),
                         Report::OpponentLeft);
}

void MoveExchange::releaseHeldBackArrivals()
{
    if (!m_arrivalWaiting)
        return;
    m_arrivalWaiting = false;
    wsServer->redeliver();
    wsClient->redeliver();
}
