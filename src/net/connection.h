#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>

class Winsock;

// One message from the opponent's copy, as the receiving side reads it.
struct PeerMessage {
    enum class Kind {
        Greeting,          // a new opponent's host name
        GreetingContinued, // more of the greeting, which came split
        Move,
        NewGame,
        Ignored,
    };

    Kind kind = Kind::Ignored;
    int cell = -1; // Move: the cell, 0 to 8
    QString text;  // Greeting: the opponent's host name so far, as it may be shown

    bool operator==(const PeerMessage &) const = default;
};

// The messages that one arrival holds. `received` has one character per
// byte received. When a greeting is due, the whole arrival is the greeting.
// Otherwise an arrival of digits holds one message per digit: "0" to "8" a
// move, "9" a new game; an arrival with anything else in it is one Ignored.
QList<PeerMessage> parseArrival(const QString &received, bool greetingDue);

// True when `text` could be part of a host name: letters, digits, '-', '.'
// and '_' only, and at least one of them.
bool couldBeHostName(const QString &text);

// One connection to one opponent: its connection object, and what only this
// connection knows of the peer: whether it has greeted, and its greeting so
// far. One is made for each connection accepted or attempted and thrown away
// with it, so nothing of an earlier peer can reach a later one.
//
// Each arrival is read into messages: the first is the peer's greeting, and
// what follows it closely and could be part of a host name is more of it;
// after that come moves and New.
class Connection : public QObject
{
    Q_OBJECT

public:
    struct Timing {
        // A peer that has not greeted within this long is given up.
        int greetingTimeoutMs;
        // Pieces of text that come this soon after the first piece of a
        // greeting, and that could be part of a host name, are taken as the
        // rest of it.
        std::chrono::milliseconds greetingWindow;
    };

    // `name` names the connection object ("wsServer", "wsClient").
    Connection(const QString &name, Timing timing, QObject *parent);
    void setTiming(Timing timing);

    // Takes over the incoming connection of a ConnectionRequest.
    void accept(qint32 requestID);
    void connectTo(const QString &host, quint16 port);
    // Sends `text` as it is, one byte per character.
    void send(const QString &text);
    // Ends the connection; nothing it started raises a signal afterwards.
    void close();

    // While held, arrivals stay with the connection object; released, the
    // first of them comes again from the event loop.
    void setHeld(bool held);

    // The peer is still there.
    bool isOpen() const;
    // The peer has greeted: it is an opponent.
    bool hasGreeted() const { return m_greeted; }
    Winsock &socket() const { return *m_socket; }

signals:
    // The connection to the host is made.
    void connected();
    // The peer's greeting, and then the whole of it so far each time more
    // of it comes.
    void greeted(const QString &name);
    void greetingGrew(const QString &name);
    // The moves and New of one arrival, in order.
    void messagesArrived(const QList<PeerMessage> &messages);
    // Nothing came from the peer in time; the connection is closed.
    void greetingOverdue();
    // The peer has gone, after all it sent was handed over; `error` says what
    // broke the connection, empty when it was closed.
    void left(const QString &error);
    // An operation of the connection object failed.
    void failed(const QString &text);

private:
    void receive();
    bool continuesGreeting(const QString &text, std::chrono::steady_clock::time_point arrivedAt) const;

    Winsock *m_socket;
    QTimer m_greetingTimer;
    std::chrono::milliseconds m_greetingWindow;
    bool FirstData = true;        // the next arrival is the peer's greeting
    QString RecvStr;              // the text last taken
    bool m_greeted = false;
    QString m_greeting;           // the greeting as received so far
    bool m_greetingOpen = false;  // nothing but greeting has come since
    std::chrono::steady_clock::time_point m_greetingAt;
    bool m_held = false;
    bool m_arrivalWaiting = false; // came while held
};
