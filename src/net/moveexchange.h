#pragma once

#include "net/gamediscovery.h"
#include "net/hostlookup.h"
#include "net/peermessage.h"

#include <QPointer>

#include <QCoreApplication>

#include <chrono>
#include <optional>

class QObject;
class QTimer;
class Winsock;

// The network side of a game between two copies of Kelmo: the three
// connection objects, the greetings, and each arrival from the opponent
// read into messages for the game to apply.
//
// One network role is played at a time, on one live connection: starting a
// role drops every connection the role does not use, so nothing of an
// earlier role can reach the game.
//
// The main window inherits this, so that the connection objects and the
// exchange's state are members of the window while net/ needs nothing of
// the window: what the exchange asks of the game are the virtual functions
// at the end.
class MoveExchange : public HostLookup
{
    Q_DECLARE_TR_FUNCTIONS(MoveExchange)

public:
    // Which end of the connection this copy is: the waiting side listens and
    // plays X, the connecting side connects and plays O.
    enum class Side { Waiting, Connecting };

    // A connection that has not greeted within this long is dropped.
    static constexpr int kGreetingTimeoutMs = 10'000;
    // Pieces of text that come this soon after the first piece of a
    // greeting, and that could be part of a host name, are taken as the
    // rest of it: the network may split the greeting, which the peer sent
    // whole. The opponent's first move cannot come this soon: it needs
    // its player to see our greeting and then click, and a person takes
    // well over 150 ms to react to something new on the screen.
    static constexpr std::chrono::milliseconds kGreetingWindow{150};

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

    // The role this copy plays now, if any.
    std::optional<Side> role() const { return m_role; }
    // An opponent has greeted on the current role's connection, and is
    // still there: only then do moves travel.
    bool opponentPresent() const;

    // Announces the waiting side's game on the local network, and finds
    // games to connect to, through `discovery`; through nothing when null,
    // as at first. The window does not own it.
    void setGameDiscovery(GameDiscovery *discovery);
    GameDiscovery *gameDiscovery() const { return m_discovery; }

    // Tests shorten these.
    void setGreetingTimeout(int milliseconds);
    void setGreetingWindow(std::chrono::milliseconds window) { m_greetingWindow = window; }

protected:
    // The connection objects become children of `owner`, which also gets
    // the answers of the address look-up; `sockets` serves the look-up.
    MoveExchange(QObject *owner, SocketApi *sockets);
    ~MoveExchange() override;

    // Makes this copy the waiting side, listening on `port`. Only once it
    // listens are the connections of either role dropped; false, with
    // everything as it was, when it cannot listen (wsListen reports why).
    bool startWaiting(quint16 port);
    // Names the waiting side's game after `hostName`: from now on it is
    // announced while this copy waits with no opponent, and withdrawn
    // while an opponent is there; leaving the waiting side withdraws it
    // for good.
    void announceWaitingGame(const QString &hostName);
    // Makes this copy the connecting side: drops every connection, then
    // connects to `host`.
    void startConnecting(const QString &host, quint16 port);
    // Leaves network play: every connection object closed, any address
    // look-up forgotten.
    void stopNetwork();

    // Sends the player's move to the opponent; nothing without one.
    void sendMove(int cell);
    // Sends New to the opponent, when there is one.
    void sendNewGame();

    // What a report to the player is about.
    enum class Report {
        Failure,      // an operation of a connection object failed
        NotConnected, // the connecting side found no opponent
        OpponentLeft, // an opponent that had greeted us is gone
        OutOfStep,    // the two boards can no longer be the same
    };
    // What applying one of the opponent's messages did.
    enum class Outcome {
        Applied,
        GameEnded, // the move completed a line
        CellTaken, // the move was for a cell that is not empty here
    };

    // Applies one message of the opponent to the game.
    virtual Outcome applyPeerMessage(const PeerMessage &message, Side side) = 0;
    // True while the player answers a dialog: arrivals wait until it closes,
    // so that every handler runs to its end on the board it started with.
    virtual bool arrivalsHeldBack() const = 0;
    // Tells the player what happened to a connection.
    virtual void connectionReport(const QString &text, Report kind) = 0;

    // Hands over, from the event loop, the arrivals that waited for a dialog.
    void releaseHeldBackArrivals();

private:
    // Who made the last move of the game on this board.
    enum class Mover { Nobody, Us, Opponent };

    Winsock &connectionOf(Side side) const;
    QTimer &greetingTimerOf(Side side) const;
    bool &greeted(Side side) { return side == Side::Waiting ? m_serverGreeted : m_clientGreeted; }
    void dropOpponents();
    void send(const QString &text);
    void receive(Side side);
    bool continuesGreeting(const QString &text, std::chrono::steady_clock::time_point arrivedAt) const;
    bool apply(const PeerMessage &message, Side side);
    void greetingOverdue(Side side);
    void opponentGone(Side side, const QString &error);
    void clientFailed(const QString &text);
    void updateAnnouncement();

    std::optional<Side> m_role;
    bool m_arrivalWaiting = false; // held back while a dialog was open
    // Whether the peer on each connection has sent its greeting: only then
    // is it an opponent, whose moves count and whose leaving is told.
    bool m_serverGreeted = false;
    bool m_clientGreeted = false;
    QTimer *m_serverGreetingTimer = nullptr;
    QTimer *m_clientGreetingTimer = nullptr;
    QString m_greeting;          // the opponent's greeting as received so far
    bool m_greetingOpen = false; // nothing but greeting has come since
    std::chrono::steady_clock::time_point m_greetingAt;
    std::chrono::milliseconds m_greetingWindow = kGreetingWindow;
    Mover m_lastMover = Mover::Nobody;
    QPointer<GameDiscovery> m_discovery;
    QString m_gameName; // the waiting side's game, while there is one to announce
};
