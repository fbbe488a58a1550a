// The exchange of moves without a window: a probe plays the game's part on
// a plain board, and raw sockets on 127.0.0.1 play the opponent.

#include "fakesocketapi.h"
#include "net/moveexchange.h"
#include "net/winsock.h"
#include "testmain.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

using namespace std::chrono_literals;

namespace {

// The game's part, as small as the exchange allows: a board of marks, the
// opponent's name as shown, and everything reported.
class Probe : public QObject, public MoveExchange
{
public:
    FakeSocketApi sockets;
    QString board = QStringLiteral(".........");
    QString greeting;
    QStringList reports;

    Probe()
        : MoveExchange(this, &sockets)
    {
        HostName = QStringLiteral("alpha");
        setGreetingWindow(0ms);
        setGreetingTimeout(100);
    }
    using MoveExchange::startConnecting;
    using MoveExchange::startWaiting;

    // A raw peer that reaches this probe, waiting, and reads its greeting.
    bool reach(QTcpSocket &peer)
    {
        peer.connectToHost(QHostAddress::LocalHost, wsListen->listeningPort());
        return QTest::qWaitFor([&] { return peer.bytesAvailable() >= 5; }) && peer.readAll() == "alpha";
    }

protected:
    Outcome applyPeerMessage(const PeerMessage &message, Side side) override
    {
        if (message.kind == PeerMessage::Kind::Greeting || message.kind == PeerMessage::Kind::NewGame)
            board = QStringLiteral(".........");
        if (message.kind == PeerMessage::Kind::Greeting || message.kind == PeerMessage::Kind::GreetingContinued)
            greeting = message.text;
        if (message.kind != PeerMessage::Kind::Move)
            return Outcome::Applied;
        if (board[message.cell] != QLatin1Char('.'))
            return Outcome::CellTaken;
        board[message.cell] = side == Side::Waiting ? QLatin1Char('O') : QLatin1Char('X');
        return Outcome::Applied;
    }
    bool arrivalsHeldBack() const override { return false; }
    void connectionReport(const QString &text, Report) override { reports.append(text); }
    void lookupMessage(const QString &text, Alert) override { reports.append(text); }
};

class TestExchange : public QObject
{
    Q_OBJECT

private slots:
    void oneRoleAtATime_data()
    {
        QTest::addColumn<bool>("waitingFirst");
        QTest::newRow("waiting, then connecting") << true;
        QTest::newRow("connecting, then waiting") << false;
    }

    // Choosing a role drops the opponent of the other: its data, its leaving
    // and strangers at a port no longer listened on reach nothing.
    void oneRoleAtATime()
    {
        QFETCH(bool, waitingFirst);
        Probe probe;
        QTcpServer host;
        QVERIFY(host.listen(QHostAddress::LocalHost));
        QTcpSocket reached;
        std::unique_ptr<QTcpSocket> accepted;
        const auto play = [&](bool waiting) -> QTcpSocket * {
            if (waiting)
                return probe.startWaiting(0) && probe.reach(reached) ? &reached : nullptr;
            probe.startConnecting(QStringLiteral("127.0.0.1"), host.serverPort());
            if (!QTest::qWaitFor([&] { return host.hasPendingConnections(); }))
                return nullptr;
            accepted.reset(host.nextPendingConnection());
            return QTest::qWaitFor([&] { return accepted->bytesAvailable() == 5; }) ? accepted.get() : nullptr;
        };
        QTcpSocket *old = play(waitingFirst);
        QVERIFY(old);
        old->write("beta");
        QTRY_COMPARE(probe.greeting, QStringLiteral("beta"));
        const quint16 listened = probe.wsListen->listeningPort();

        QSignalSpy dropped(old, &QTcpSocket::disconnected);
        QTcpSocket *next = play(!waitingFirst);
        QVERIFY(next);
        QTRY_COMPARE(dropped.size(), 1);
        old->write("8");
        next->write("gamma");
        QTRY_COMPARE(probe.greeting, QStringLiteral("gamma"));
        if (waitingFirst) {
            QTcpSocket stranger;
            QSignalSpy refused(&stranger, &QTcpSocket::errorOccurred);
            stranger.connectToHost(QHostAddress::LocalHost, listened);
            QTRY_COMPARE(refused.size(), 1);
        }
        QCoreApplication::processEvents();
        QCOMPARE(probe.board, QStringLiteral("........."));
        QCOMPARE(probe.reports, QStringList());
    }

    void hostThatDoesNotGreet_data()
    {
        QTest::addColumn<bool>("closes");
        QTest::addColumn<QString>("report");
        QTest::newRow("a host that closes at once") << true << "127.0.0.1 is busy with another game, or is not a Kelmo game.";
        QTest::newRow("a host that says nothing")
            << false << "No greeting came from 127.0.0.1 within 1 second: it is busy with another game, or is not a Kelmo game.";
    }

    // The connecting side is told when the host it reached does not greet it.
    void hostThatDoesNotGreet()
    {
        QFETCH(bool, closes);
        QTcpServer host;
        QVERIFY(host.listen(QHostAddress::LocalHost));
        if (closes)
            connect(&host, &QTcpServer::newConnection, this, [&] { host.nextPendingConnection()->close(); });
        Probe probe;
        probe.ConnectIP = QStringLiteral("127.0.0.1");
        probe.startConnecting(probe.ConnectIP, host.serverPort());
        QTRY_COMPARE(probe.reports.size(), 1);
        QTEST(probe.reports.first(), "report");
        QCOMPARE(probe.wsClient->state(), Winsock::State::Closed);
    }

    // A peer that never greets is dropped without a word, making room for the
    // next.
    void silentPeerMakesRoom()
    {
        Probe probe;
        QVERIFY(probe.startWaiting(0));
        QTcpSocket squatter, player;
        QVERIFY(probe.reach(squatter));
        QTRY_COMPARE(squatter.state(), QAbstractSocket::UnconnectedState);
        QVERIFY(probe.reach(player));
        player.write("beta");
        QTRY_VERIFY(probe.opponentPresent());
        QCOMPARE(probe.reports, QStringList());
    }

};

} // namespace

KELMO_TEST(TestExchange)
#include "tst_exchange.moc"
