#pragma once

// Copies of the game, raw peers and a relay for the network tests, all on
// 127.0.0.1.

#include "boards.h"
#include "fakesocketapi.h"
#include "faketoolkit.h"
#include "net/moveexchange.h"
#include "net/winsock.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QtTest>

#include <array>
#include <memory>

// One copy of the game, its dialogs answered by the test.
struct Player {
    FakeToolkit toolkit;
    FakeSocketApi sockets;
    std::unique_ptr<Form1> form;

    Player(const QByteArray &hostName, quint16 port)
    {
        sockets.hostName = hostName;
        form = std::make_unique<Form1>(toolkit, port, &sockets);
        // A test's peer moves at once after its greeting, as no person
        // could: that is not to be taken as more of the greeting.
        form->network().setGreetingWindow(std::chrono::milliseconds(0));
    }
    Form1 *operator->() const { return form.get(); }
    QString board() const { return textFromBoard(form->board()); }
    QStringList told() const { return toolkit.texts(); }
    void choose(Form1::GameItem item) { form->mnusubGame[item]->trigger(); }
};

inline QByteArray readExactly(QTcpSocket &peer, qsizetype size)
{
    // A short read shows up as a failed comparison in the caller.
    (void)QTest::qWaitFor([&] { return peer.bytesAvailable() >= size; }, 5000);
    return peer.read(size);
}

// A raw peer that connects to a waiting window; false when it was not
// greeted with "alpha".
inline bool reachWaiting(Player &waiting, QTcpSocket &peer)
{
    peer.connectToHost(QHostAddress::LocalHost, waiting->network().listeningPort());
    return readExactly(peer, 5) == "alpha";
}

// A relay between one client and a target port that holds, splits or
// merges what crosses it, as a slow or irregular link does.
class LinkProxy : public QObject
{
public:
    enum Direction { Up, Down }; // client to target, target to client

    explicit LinkProxy(quint16 targetPort)
    {
        m_server.listen(QHostAddress::LocalHost);
        connect(&m_server, &QTcpServer::newConnection, this, [this, targetPort] {
            m_ends = {m_server.nextPendingConnection(), new QTcpSocket(this)};
            m_ends[Down]->connectToHost(QHostAddress::LocalHost, targetPort);
            connect(m_ends[Down], &QTcpSocket::connected, this, [this] { pass(Up); });
            for (Direction d : {Up, Down}) {
                m_ends[d]->setSocketOption(QAbstractSocket::LowDelayOption, 1);
                connect(m_ends[d], &QTcpSocket::readyRead, this, [this, d] {
                    m_pending[d] += m_ends[d]->readAll();
                    pass(d);
                });
            }
        });
    }

    quint16 port() const { return m_server.serverPort(); }
    // Bytes in that direction wait in the relay until released.
    void hold(Direction d) { m_held[d] = true; }
    bool holds(Direction d) const { return m_held[d]; }
    QByteArray held(Direction d) const { return m_pending[d]; }
    qint64 passed(Direction d) const { return m_passed[d]; }
    // Passes on what waits, and from then on what comes: in one piece, or
    // a byte at a time, 10 ms apart.
    void release(Direction d, bool split = false)
    {
        m_held[d] = false;
        m_split[d] = split;
        pass(d);
    }

private:
    void pass(Direction d)
    {
        QTcpSocket *out = m_ends[1 - d];
        if (m_held[d] || m_pacing[d] || m_pending[d].isEmpty() || !out || out->state() != QAbstractSocket::ConnectedState)
            return;
        const QByteArray piece = m_pending[d].left(m_split[d] ? 1 : m_pending[d].size());
        out->write(piece);
        out->flush();
        m_pending[d].remove(0, piece.size());
        m_passed[d] += piece.size();
        if ((m_pacing[d] = m_split[d]))
            QTimer::singleShot(10, this, [this, d] { m_pacing[d] = false, pass(d); });
    }

    QTcpServer m_server;
    std::array<QTcpSocket *, 2> m_ends{};
    std::array<QByteArray, 2> m_pending;
    std::array<bool, 2> m_held{}, m_split{}, m_pacing{};
    std::array<qint64, 2> m_passed{};
};
