#pragma once

// Copies of the game and raw peers for the network tests, on 127.0.0.1.

#include "boardtext.h"
#include "fakesocketapi.h"
#include "faketoolkit.h"
#include "game/form1.h"
#include "net/winsock.h"

#include <QLabel>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

#include <memory>

// One copy of the game with its own dialogs answered by the test.
struct Player {
    FakeToolkit toolkit;
    FakeSocketApi sockets;
    std::unique_ptr<Form1> form;

    Player(const QByteArray &hostName, quint16 port)
    {
        sockets.hostName = hostName;
        form = std::make_unique<Form1>(toolkit, port, &sockets);
        // A test's peer sends its first move at once after its greeting,
        // which no person could: it is not to be taken as more greeting.
        form->setGreetingWindow(std::chrono::milliseconds(0));
    }
    QString board() const { return textFromBoard(form->board()); }
};

inline QByteArray readExactly(QTcpSocket &peer, qsizetype size)
{
    // A short read shows up as a failed comparison in the caller.
    (void)QTest::qWaitFor([&] { return peer.bytesAvailable() >= size; }, 5000);
    return peer.read(size);
}

// A waiting window and a raw peer connected to it, greeted both ways.
inline void connectRawPeer(Player &waiting, QTcpSocket &peer, const QByteArray &greeting = "beta")
{
    waiting.form->mnusubGame[Form1::WaitingForConnection]->trigger();
    peer.connectToHost(QHostAddress::LocalHost, waiting.form->wsListen->listeningPort());
    QCOMPARE(readExactly(peer, 5), QByteArray("alpha"));
    peer.write(greeting);
    QTRY_VERIFY(waiting.form->opponentPresent());
}

// A connecting window, made with `host`'s port, and the raw peer it reached
// there, greeted both ways.
inline void connectToRawPeer(Player &connecting, QTcpServer &host, std::unique_ptr<QTcpSocket> &peer,
                             const QByteArray &greeting = "beta")
{
    connecting.toolkit.inputAnswers.enqueue(QStringLiteral("127.0.0.1"));
    connecting.form->mnusubGame[Form1::ConnectToOpponent]->trigger();
    QTRY_VERIFY(host.hasPendingConnections());
    peer.reset(host.nextPendingConnection());
    peer->setParent(nullptr);
    QCOMPARE(readExactly(*peer, 5), QByteArray("alpha"));
    peer->write(greeting);
    QTRY_VERIFY(connecting.form->opponentPresent());
}
