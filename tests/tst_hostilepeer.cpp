// A peer that does not play as a copy of Kelmo would, against a real window
// on 127.0.0.1: whatever it sends, the player keeps the window.

#include "networkplayer.h"
#include "testmain.h"

#include <QTcpServer>

#include <sys/socket.h>

namespace {

const QString kLeft = QStringLiteral("The opponent has left the game.");

// Closes a peer's end at once with a reset instead of an orderly close.
void resetConnection(QTcpSocket &peer)
{
    const linger hard{1, 0};
    ::setsockopt(static_cast<int>(peer.socketDescriptor()), SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
    peer.abort();
}

} // namespace

class TestHostilePeer : public QObject
{
    Q_OBJECT

private slots:
    void burstOfGamesIsBounded();
    void arrivalsKeepTheirBoundariesWhileHeldBack();
    void moveSentJustBeforeLeavingIsApplied();
    void connectAndLeaveLoops_data();
    void connectAndLeaveLoops();
    void departuresAreNotStacked();
    void waitingAgainDropsTheHeldConnection_data();
    void waitingAgainDropsTheHeldConnection();
    void greetingSpillingIntoMoves_data();
    void greetingSpillingIntoMoves();
    void failedListenIsNotShownAsWaiting();
    void listenFailureNamesTheRemedy();
};

void TestHostilePeer::burstOfGamesIsBounded()
{
    Player waiting("alpha", 0);
    QTcpSocket peer;
    connectRawPeer(waiting, peer);

    // Every "012" is a line of O, every "9" a new game.
    peer.write(QByteArray("0129").repeated(16384));
    peer.disconnectFromHost();
    QTRY_VERIFY_WITH_TIMEOUT(waiting.toolkit.texts().contains(kLeft), 2000);
    // Each kind of news once: it moved twice running, and it won.
    QCOMPARE(waiting.toolkit.texts(),
             (QStringList{"You Lose", "The two boards are out of step. Choose New to start again on both.", kLeft}));
    // The board shows the last game the peer ended.
    QCOMPARE(waiting.board(), QStringLiteral("###......"));
    QVERIFY(!waiting.form->GameOn);
}

void TestHostilePeer::arrivalsKeepTheirBoundariesWhileHeldBack()
{
    // The other copy connects, greets and moves while About is open here.
    Player waiting("alpha", 0);
    waiting.form->mnusubGame[Form1::WaitingForConnection]->trigger();
    QTcpSocket peer;
    waiting.toolkit.onModal = [&](QDialog &) {
        peer.connectToHost(QHostAddress::LocalHost, waiting.form->wsListen->listeningPort());
        QCOMPARE(readExactly(peer, 5), QByteArray("alpha"));
        peer.write("beta");
        QTRY_COMPARE(waiting.form->wsServer->BytesReceived(), 4);
        peer.write("4");
        QTRY_COMPARE(waiting.form->wsServer->BytesReceived(), 5);
    };
    waiting.form->mnuAbout->trigger();
    QTRY_COMPARE(waiting.board(), QStringLiteral("....O...."));
    QCOMPARE(waiting.form->Label1->text(), QStringLiteral("alpha Connected beta"));
    QVERIFY(waiting.form->XTurn);
}

void TestHostilePeer::moveSentJustBeforeLeavingIsApplied()
{
    Player waiting("alpha", 0);
    QTcpSocket peer;
    connectRawPeer(waiting, peer);
    QString boardWhenTold;
    waiting.toolkit.onMessage = [&](const QString &) { boardWhenTold = waiting.board(); };
    waiting.toolkit.onModal = [&](QDialog &) {
        peer.write("4");
        peer.disconnectFromHost();
        QTRY_VERIFY(waiting.form->wsServer->state() != Winsock::State::Connected);
    };
    waiting.form->mnuAbout->trigger();
    QTRY_COMPARE(waiting.toolkit.texts(), QStringList{kLeft});
    QCOMPARE(boardWhenTold, QStringLiteral("....O...."));
    QCOMPARE(waiting.board(), QStringLiteral("....O...."));
}

void TestHostilePeer::connectAndLeaveLoops_data()
{
    QTest::addColumn<bool>("reset");
    QTest::newRow("connect and close") << false;
    QTest::newRow("connect and reset") << true;
}

void TestHostilePeer::connectAndLeaveLoops()
{
    QFETCH(bool, reset);
    Player waiting("alpha", 0);
    waiting.form->mnusubGame[Form1::WaitingForConnection]->trigger();
    const quint16 port = waiting.form->wsListen->listeningPort();

    // Connections that end before they ever greeted are no opponent leaving.
    for (int i = 0; i < 30; ++i) {
        QTcpSocket peer;
        peer.connectToHost(QHostAddress::LocalHost, port);
        QCOMPARE(readExactly(peer, 5), QByteArray("alpha"));
        if (reset)
            resetConnection(peer);
        else
            peer.disconnectFromHost();
        QTRY_COMPARE(waiting.form->wsServer->state(), Winsock::State::Closed);
    }
    QCoreApplication::processEvents();
    QCOMPARE(waiting.toolkit.texts(), QStringList());

    // A real opponent is still welcome.
    QTcpSocket peer;
    peer.connectToHost(QHostAddress::LocalHost, port);
    QCOMPARE(readExactly(peer, 5), QByteArray("alpha"));
    peer.write("beta");
    QTRY_COMPARE(waiting.form->Label1->text(), QStringLiteral("alpha Connected beta"));
}

void TestHostilePeer::departuresAreNotStacked()
{
    // While the player leaves "The opponent has left the game." open,
    // opponents keep coming, greeting and leaving.
    Player waiting("alpha", 0);
    QTcpSocket first;
    connectRawPeer(waiting, first);
    const quint16 port = waiting.form->wsListen->listeningPort();
    int open = 0, mostOpen = 0, greeted = 0;
    waiting.toolkit.onMessage = [&](const QString &) {
        mostOpen = std::max(mostOpen, ++open);
        if (waiting.toolkit.messages.size() == 1) {
            for (int i = 0; i < 10; ++i) {
                QTcpSocket peer;
                peer.connectToHost(QHostAddress::LocalHost, port);
                QTRY_VERIFY(peer.bytesAvailable() >= 5 || peer.state() == QAbstractSocket::UnconnectedState);
                if (peer.bytesAvailable() < 5)
                    continue; // refused: the last one is not done with yet
                ++greeted;
                peer.write("beta");
                peer.disconnectFromHost();
                QTRY_VERIFY(waiting.form->wsServer->state() != Winsock::State::Connected);
            }
        }
        --open;
    };
    first.disconnectFromHost();
    QTRY_VERIFY(!waiting.toolkit.messages.isEmpty());
    QTRY_COMPARE(waiting.form->wsServer->state(), Winsock::State::Closed);
    QCoreApplication::processEvents();
    QVERIFY(greeted > 0);
    QCOMPARE(mostOpen, 1);
    // Once the box is closed, at most one more tells of the others.
    QVERIFY2(waiting.toolkit.messages.size() <= 2, qPrintable(waiting.toolkit.texts().join(" | ")));
    for (const QString &text : waiting.toolkit.texts())
        QCOMPARE(text, kLeft);
}

void TestHostilePeer::waitingAgainDropsTheHeldConnection_data()
{
    QTest::addColumn<bool>("greeted");
    QTest::newRow("an opponent in a game") << true;
    QTest::newRow("a peer that never speaks") << false;
}

void TestHostilePeer::waitingAgainDropsTheHeldConnection()
{
    QFETCH(bool, greeted);
    Player waiting("alpha", 0);
    QTcpSocket old;
    if (greeted) {
        connectRawPeer(waiting, old);
        waiting.form->Image1_Click(4);
        QCOMPARE(readExactly(old, 1), QByteArray("4"));
    } else {
        waiting.form->mnusubGame[Form1::WaitingForConnection]->trigger();
        old.connectToHost(QHostAddress::LocalHost, waiting.form->wsListen->listeningPort());
        QCOMPARE(readExactly(old, 5), QByteArray("alpha"));
    }
    QSignalSpy dropped(&old, &QTcpSocket::disconnected);

    waiting.form->mnusubGame[Form1::WaitingForConnection]->trigger();
    QTRY_COMPARE(dropped.size(), 1);
    QCOMPARE(waiting.board(), QStringLiteral("........."));

    // A new opponent takes the place; its first words are its greeting.
    QTcpSocket next;
    next.connectToHost(QHostAddress::LocalHost, waiting.form->wsListen->listeningPort());
    QCOMPARE(readExactly(next, 5), QByteArray("alpha"));
    next.write("8");
    QTRY_COMPARE(waiting.form->Label1->text(), QStringLiteral("alpha Connected 8"));
    next.write("0");
    QTRY_COMPARE(waiting.board(), QStringLiteral("O........"));
    QCOMPARE(waiting.toolkit.texts(), QStringList());
}

void TestHostilePeer::greetingSpillingIntoMoves_data()
{
    QTest::addColumn<QByteArrayList>("arrivals");
    QTest::addColumn<QString>("label");
    const QString connected = QStringLiteral("alpha Connected ");
    QTest::newRow("greeting in two pieces") << QByteArrayList{"hos", "t7"} << connected + "hos";
    QTest::newRow("greeting longer than one read") << QByteArrayList{QByteArray(70000, 'B') + "5"} << connected + QString(255, 'B');
    QTest::newRow("text around a move") << QByteArrayList{"beta", "x-\n7 ?"} << connected + "beta";
}

void TestHostilePeer::greetingSpillingIntoMoves()
{
    QFETCH(QByteArrayList, arrivals);
    QFETCH(QString, label);
    Player waiting("alpha", 0);
    waiting.form->mnusubGame[Form1::WaitingForConnection]->trigger();
    QTcpSocket peer;
    peer.connectToHost(QHostAddress::LocalHost, waiting.form->wsListen->listeningPort());
    QCOMPARE(readExactly(peer, 5), QByteArray("alpha"));
    qint64 sent = 0;
    for (const QByteArray &arrival : arrivals) {
        peer.write(arrival);
        sent += arrival.size();
        QTRY_COMPARE(waiting.form->wsServer->totalBytesTaken(), sent);
    }
    QCOMPARE(waiting.form->Label1->text(), label);
    QCOMPARE(waiting.board(), QStringLiteral("........."));
}

// When nothing can listen, the mode, the game and the status lines stay as
// they were.
void TestHostilePeer::failedListenIsNotShownAsWaiting()
{
    QTcpServer holder;
    QVERIFY(holder.listen(QHostAddress::Any));
    Player player("alpha", holder.serverPort());
    player.form->Image1_Click(0);
    const QString board = player.board();
    player.form->mnusubGame[Form1::WaitingForConnection]->trigger();
    QTRY_COMPARE(player.toolkit.messages.size(), 1);
    QVERIFY(player.toolkit.texts().first().startsWith("Cannot wait for an opponent on port "));
    QCOMPARE(player.form->mode(), Form1::Mode::OnePlayer);
    QCOMPARE(player.board(), board);
    QCOMPARE(player.form->Label1->text(), QString());
    QCOMPARE(player.form->Label2->text(), QString());
    QCOMPARE(player.form->wsListen->state(), Winsock::State::Closed);
}

void TestHostilePeer::listenFailureNamesTheRemedy()
{
    const QString program = QStringLiteral("/opt/games/kelmo");
    const QString text = Winsock::listenFailureText(1007, QAbstractSocket::SocketAccessError,
                                                    QStringLiteral("Permission denied"), program);
    QVERIFY2(text.startsWith("Cannot wait for an opponent on port 1007: "), qPrintable(text));
    QVERIFY2(text.contains("sudo setcap cap_net_bind_service=+ep /opt/games/kelmo"), qPrintable(text));
    QVERIFY2(text.contains("sudo sysctl net.ipv4.ip_unprivileged_port_start=1007"), qPrintable(text));

    // Other failures have other remedies: no advice about privileges.
    const QString taken = Winsock::listenFailureText(1007, QAbstractSocket::AddressInUseError,
                                                     QStringLiteral("Address in use"), program);
    QVERIFY2(!taken.contains("setcap"), qPrintable(taken));
}

KELMO_TEST(TestHostilePeer)
#include "tst_hostilepeer.moc"
