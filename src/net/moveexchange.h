#pragma once

#include "net/hostlookup.h"
#include "net/peermessage.h"

class QObject;
class Winsock;

// The network side of a game between two copies of Kelmo: the three
// connection objects, the greetings, and each arrival from the opponent
// read into messages for the game to apply.
//
// The main window inherits this, so that the connection objects and the
// exchange's state are members of the window while net/ needs nothing of
// the window: what the exchange asks of the game are the three functions
// at the end.
class MoveExchange : public HostLookup
{
public:
    // Which end of the connection this copy is: the waiting side listens and
    // plays X, the connecting side connects and plays O.
    enum class Side { Waiting, Connecting };

    Winsock *wsServer = nullptr; // carries the accepted connection (waiting side)
    Winsock *wsListen = nullptr; // listens for the opponent (waiting side)
    Winsock *wsClient = nullptr; // connects to the opponent (connecting side)

    qint32 ConnRequestID = 0; // the last incoming connection request
    QString SendStr;          // the text last sent to the opponent
    QString RecvStr;          // the text last taken from the connection
    QString ConnectIP;        // the opponent's address as typed
    bool FirstData = false;   // the next data to arrive is the opponent's greeting

    // The connection objects' events.
    void wsListen_ConnectionRequest(qint32 requestID);
    void wsClient_Connect();
    void wsServer_DataArrival(qint32 bytesTotal);
    void wsClient_DataArrival(qint32 bytesTotal);

protected:
    // The connection objects become children of `owner`; `sockets` serves
    // the host look-up.
    MoveExchange(QObject *owner, SocketApi *sockets);
    ~MoveExchange() override;

    // The connection object that carries `side`'s messages.
    Winsock &connectionOf(Side side) const;
    // Sends a move or New to the opponent, keeping it as SendStr.
    void send(Side side, const QString &text);
    // Closes wsServer, wsListen and wsClient, whatever their state.
    void closeConnections();
    // Hands over, from the event loop, the arrivals that waited for a dialog.
    void releaseHeldBackArrivals();

    // What a report to the player is about.
    enum class Report {
        Failure,      // an operation of a connection object failed
        OpponentLeft, // an opponent that had greeted us is gone
    };

    // Applies one message of the opponent to the game; true when the
    // message ended the game.
    virtual bool applyPeerMessage(const PeerMessage &message, Side side) = 0;
    // True while the player answers a dialog: arrivals wait until it closes,
    // so that every handler runs to its end on the board it started with.
    virtual bool arrivalsHeldBack() const = 0;
    // Tells the player what happened to a connection.
    virtual void connectionReport(const QString &text, Report kind) = 0;

private:
    void receive(Side side);
    void opponentGone(Side side, const QString &error);
    bool &greeted(Side side) { return side == Side::Waiting ? m_serverGreeted : m_clientGreeted; }

    bool m_arrivalWaiting = false; // held back while a dialog was open
    // Whether the peer on each connection has sent its greeting: only then
    // is it an opponent whose leaving the player is told of.
    bool m_serverGreeted = false;
    bool m_clientGreeted = false;
};
