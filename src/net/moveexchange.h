#pragma once

#include "net/connection.h"
#include "net/gamediscovery.h"

#include <QObject>
#include <QPointer>

#include <chrono>
#include <optional>

class Winsock;

// The network side of a game between two copies of Kelmo: it listens or
// connects, keeps one connection to the opponent, and tells what the
// opponent did. The window owns it, asks it to wait, connect, stop and send,
// and follows its signals.
//
// One network role is played at a time, on one connection: starting a role
// drops the connection of the role before, so nothing of an earlier role
// can reach the game.
class MoveExchange : public QObject
{
    Q_OBJECT

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

    explicit MoveExchange(QObject *parent = nullptr);
    ~MoveExchange() override;

    // Makes this copy the waiting side, listening on `port`. Only once it
    // listens is the connection of either role dropped; false, with
    // everything as it was, when it cannot listen (failed() says why).
    bool startWaiting(quint16 port);
    // Names the waiting side's game after `hostName`: from now on it is
    // announced while this copy waits with no opponent, and withdrawn
    // while an opponent is there; leaving the waiting side withdraws it
    // for good.
    void announceWaitingGame(const QString &hostName);
    // Makes this copy the connecting side: drops every connection, then
    // connects to `host`.
    void startConnecting(const QString &host, quint16 port);
    // Leaves network play: no connection, not listening.
    void stopNetwork();

    // Takes the peer of a ConnectionRequest and greets it with `greeting`.
    void accept(qint32 requestID, const QString &greeting);
    // Greets the host just connected to.
    void greet(const QString &greeting);
    // Sends the player's move to the opponent; nothing without one.
    void sendMove(int cell);
    // Sends New to the opponent, when there is one.
    void sendNewGame();
    // While held (the player answers a dialog), arrivals wait, so that
    // every handler of the window runs to its end on the board it started
    // with; released, they come from the event loop.
    void holdArrivals(bool held);

    // The role this copy plays now, if any.
    std::optional<Side> role() const { return m_role; }
    // An opponent has greeted on the current connection, and is still
    // there: only then do moves travel.
    bool opponentPresent() const;
    // The connection of the current role, if any.
    const Connection *connection() const { return m_connection; }
    // The port listened on, the system's choice when 0 was asked for.
    quint16 listeningPort() const;
    // The text last sent to the opponent.
    const QString &lastSent() const { return SendStr; }

    // Announces the waiting side's game on the local network, and finds
    // games to connect to, through `discovery`; through nothing when null,
    // as at first. The exchange does not own it.
    void setGameDiscovery(GameDiscovery *discovery);
    GameDiscovery *gameDiscovery() const { return m_discovery; }

    // Tests shorten these, for the present connection too.
    void setGreetingTimeout(int milliseconds);
    void setGreetingWindow(std::chrono::milliseconds window);

signals:
    // A peer asks to play, and the waiting side is free to take it: the
    // request is refused unless accept() is called from here.
    void ConnectionRequest(qint32 requestID);
    // The host this copy called has answered: greet it now.
    void Connected();
    // A new opponent has greeted: both boards start empty.
    void opponentGreeted(const QString &name);
    // More of the greeting came: `name` is all of it so far.
    void greetingGrew(const QString &name);
    // The opponent's moves and New, as one arrival brought them.
    void messagesArrived(const QList<PeerMessage> &messages);
    // An opponent that had greeted is gone; `text` tells the player.
    void opponentLeft(const QString &text);
    // The connecting side found no opponent.
    void notConnected(const QString &text);
    // An operation failed; `text` tells the player.
    void failed(const QString &text);

private:
    Connection *openConnection(const QString &name);
    void dropConnection();
    void send(const QString &text);
    void onRequest(qint32 requestID);
    void onGreetingOverdue();
    void onLeft(const QString &error);
    void onFailed(const QString &text);
    void updateAnnouncement();

    Winsock *wsListen; // listens for the opponent (waiting side)
    // The opponent's connection: wsServer on the waiting side, wsClient on
    // the connecting side.
    QPointer<Connection> m_connection;
    std::optional<Side> m_role;
    QString m_host;    // the host the connecting side called, as typed
    QString SendStr;   // the text last sent to the opponent
    bool m_held = false;
    Connection::Timing m_timing{kGreetingTimeoutMs, kGreetingWindow};
    QPointer<GameDiscovery> m_discovery;
    QString m_gameName; // the waiting side's game, while there is one to announce
};
