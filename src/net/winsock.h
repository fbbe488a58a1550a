#pragma once

#include <QAbstractSocket>
#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QQueue>
#include <QString>
#include <QTimer>

#include <chrono>

class QTcpServer;
class QTcpSocket;

// A TCP connection object: it listens, accepts, connects, sends and
// receives short texts, and raises its events on the GUI thread.
//
// What arrives is kept as the network delivered it: each read from the
// connection is one arrival, raised by a DataArrival of its own and taken
// whole by GetData. When the peer goes, the arrivals it sent before are
// still handed over, in order, and only then is Closed raised.
//
// Failures never end the program and never leave the object unusable; each
// one is reported once, by ErrorOccurred, from the event loop, unless the
// object is closed first. Close() ends everything the object was doing:
// nothing it started before raises an event afterwards. The object shows
// nothing itself: the window decides how to tell the player.
class Winsock : public QObject
{
    Q_OBJECT

public:
    enum class State {
        Closed,
        Listening,
        Connecting,
        Connected,
        Closing, // the peer has gone; arrivals it sent before still wait
    };

    // A connection attempt that gets no answer gives up after this long.
    static constexpr int kConnectTimeoutMs = 10'000;
    // The arrivals waiting to be taken hold at most this much; beyond it
    // the object stops reading, and the system makes the peer wait.
    static constexpr qint64 kReadChunk = 64 * 1024;
    // And at most this many arrivals wait; a copy of the game sends a few.
    static constexpr qsizetype kMaxArrivals = 256;

    explicit Winsock(QObject *parent = nullptr);
    ~Winsock() override;

    quint16 LocalPort() const { return m_localPort; }
    void setLocalPort(quint16 port) { m_localPort = port; }

    // Starts listening on LocalPort, IPv4 and IPv6. Listening again on the
    // same port while already listening changes nothing.
    void Listen();
    // Takes over the incoming connection of a ConnectionRequest, dropping
    // any connection this object had.
    void Accept(qint32 requestID);
    // Starts connecting, dropping any connection this object had; success
    // raises Connected. `remoteHost` is a host name, IPv4 or IPv6 address.
    void Connect(const QString &remoteHost, quint16 remotePort);
    // Sends the text one byte per character (Latin-1), with nothing added.
    void SendData(const QString &text);
    // The oldest arrival not yet taken, one character per byte received;
    // empty when none waits.
    QString GetData();
    // Bytes received and not yet taken, and in how many arrivals.
    qint64 BytesReceived() const { return m_waitingBytes; }
    qsizetype waitingArrivals() const { return m_arrivals.size(); }
    // How many bytes GetData has handed over since the object was made.
    qint64 totalBytesTaken() const { return m_totalTaken; }
    // When the arrival that GetData handed over last was read from the
    // network, which may be well before it was taken.
    std::chrono::steady_clock::time_point lastArrivalTime() const { return m_lastTakenAt; }
    // Stops listening or drops the connection, and what waits with it;
    // harmless when closed.
    void Close();

    // Raises DataArrival again, from the event loop, for an arrival that is
    // still waiting because the last handler did not take it.
    void redeliver();

    // How long a connection attempt may go unanswered (kConnectTimeoutMs
    // unless changed; tests shorten it).
    void setConnectTimeout(int milliseconds) { m_connectTimer.setInterval(milliseconds); }

    State state() const { return m_state; }
    // The port actually listened on (the system's choice when LocalPort is 0).
    quint16 listeningPort() const;

    // What the player is told when listening fails, with the remedy where
    // there is one. `program` is this program's path.
    static QString listenFailureText(quint16 port, QAbstractSocket::SocketError error, const QString &reason,
                                     const QString &program);

signals:
    void ConnectionRequest(qint32 requestID);
    // The Connect event: named apart from the Connect operation.
    void Connected();
    // One arrival waits to be taken.
    void DataArrival(qint32 bytesTotal);
    // A failure of one of the operations above, in words for the player.
    void ErrorOccurred(const QString &message);
    // The peer has gone, and everything it sent before has been taken.
    // `error` is empty when the connection was closed, else says what broke
    // it.
    void Closed(const QString &error);

private:
    void onNewConnection();
    void adoptSocket(QTcpSocket *socket);
    void releaseSocket();
    void releaseServer();
    void onConnected();
    void onConnectTimeout();
    void onSocketError();
    void onReadyRead();
    bool readArrival();
    void peerGone(const QString &error);
    void deliverData();
    void fail(const QString &message);

    struct Arrival {
        QByteArray bytes;
        std::chrono::steady_clock::time_point readAt;
    };

    State m_state = State::Closed;
    quint16 m_localPort = 0;
    QString m_remoteHost;
    QPointer<QTcpServer> m_server;
    QPointer<QTcpSocket> m_socket;
    QTimer m_connectTimer;
    bool m_insideConnect = false;
    QQueue<Arrival> m_arrivals;
    qint64 m_waitingBytes = 0;
    std::chrono::steady_clock::time_point m_lastTakenAt;
    quint64 m_generation = 0; // counts Close(): what was queued before it is void
    QString m_closeError;
    bool m_delivering = false;
    bool m_dataTaken = false;
    qint64 m_totalTaken = 0;
};
