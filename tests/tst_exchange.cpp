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

const QString kOutOfStep = QStringLiteral("The two boards are out of step. Choose New to start again on both.");
const QString kBusy = QStringLiteral("127.0.0.1 is busy with another game, or is not a Kelmo game.");

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
    }
    using MoveExchange::startConnecting;
    using MoveExchange::startWaiting;

    void play(int cell)
    {
        board[cell] = QLatin1Char('X');
        sendMove(cell);
    }
    using MoveExchange::sendNewGame;

protected:
    Outcome applyPeerMessage(const PeerMessage &message, Side side) override
    {
        switch (message.kind) {
        case PeerMessage::Kind::Greeting:
            board = QStringLiteral(".........");
            greeting = message.text;
            break;
        case PeerMessage::Kind::GreetingContinued:
            greeting = message.text;
            break;
        case PeerMessage::Kind::NewGame:
            board = QStringLiteral(".........");
            break;
        case PeerMessage::Kind::Move:
            if (board[message.cell] != QLatin1Char('.'))
                return Outcome::CellTaken;
            board[message.cell] = side == Side::Waiting ? QLatin1Char('O') : QLatin1Char('X');
            break;
        case PeerMessage::Kind::Ignored:
            break;
        }
        return Outcome::Applied;
    }
    bool arrivalsHeldBack() const override { return false; }
    void connectionReport(const QString &text, Report) override { reports.append(text); }
    void lookupMessage(const QString &text, Alert) override { reports.append(text); }
};

// A raw peer that connects to a waiting probe and reads its greeting.
void connectTo(Probe &probe, QTcpSocket &peer)
{
    peer.connectToHost(QHostAddress::LocalHost, probe.wsListen->listeningPort());
    QTRY_COMPARE(peer.bytesAvailable(), 5);
    QCOMPARE(peer.readAll(), QByteArray("alpha"));
}

// Writes an arrival and waits until the probe has taken it.
void deliver(Probe &probe, QTcpSocket &peer, const QByteArray &bytes)
{
    const qint64 before = probe.wsServer->totalBytesTaken();
    peer.write(bytes);
    QTRY_COMPARE(probe.wsServer->totalBytesTaken(), before + bytes.size());
}

} // namespace

class TestExchange : public QObject
{
    Q_OBJECT

private slots:
    void oneRoleAtATime_data();
    void oneRoleAtATime();
    void hostThatDoesNotGreet_data();
    void hostThatDoesNotGreet();
    void silentPeerMakesRoom();
    void crossedMoves_data();
    void crossedMoves();
    void splitGreeting_data();
    void splitGreeting();
};

void TestExchange::oneRoleAtATime_data()
{
    QTest::addColumn<bool>("waitingFirst");
    QTest::newRow("waiting, then connecting") << true;
    QTest::newRow("connecting, then waiting") << false;
}

// Choosing a role drops the opponent of the other: its data, its leaving
// and strangers coming to a port no longer listened on reach nothing.
void TestExchange::oneRoleAtATime()
{
    QFETCH(bool, waitingFirst);
    Probe probe;
    QTcpServer host;
    QVERIFY(host.listen(QHostAddress::LocalHost));
    QTcpSocket fromWaiting;
    QTcpSocket *old = &fromWaiting;
    QTcpSocket *next = nullptr;
    const auto connectToHost = [&]() -> QTcpSocket * {
        probe.startConnecting(QStringLiteral("127.0.0.1"), host.serverPort());
        (void)QTest::qWaitFor([&] { return host.hasPendingConnections(); }, 5000);
        return host.nextPendingConnection();
    };

    if (waitingFirst) {
        QVERIFY(probe.startWaiting(0));
        connectTo(probe, fromWaiting);
    } else {
        old = connectToHost();
        QVERIFY(old);
        QTRY_COMPARE(old->bytesAvailable(), 5);
    }
    old->write("beta");
    QTRY_COMPARE(probe.greeting, QStringLiteral("beta"));
    const quint16 listened = probe.wsListen->listeningPort();

    QSignalSpy dropped(old, &QTcpSocket::disconnected);
    QTcpSocket fromNext;
    if (waitingFirst) {
        next = connectToHost();
        QVERIFY(next);
        QTRY_COMPARE(next->bytesAvailable(), 5);
    } else {
        QVERIFY(probe.startWaiting(0));
        next = &fromNext;
        connectTo(probe, fromNext);
    }
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

void TestExchange::hostThatDoesNotGreet_data()
{
    QTest::addColumn<QString>("host");
    QTest::addColumn<QString>("report");
    QTest::newRow("a host that closes at once") << "closes" << kBusy;
    QTest::newRow("a host that says nothing")
        << "silent" << "No greeting came from 127.0.0.1 within 1 second: it is busy with another game, or is not a Kelmo game.";
}

// The connecting side is told when the host it reached does not greet it.
void TestExchange::hostThatDoesNotGreet()
{
    QFETCH(QString, host);
    QFETCH(QString, report);
    QTcpServer raw;
    QVERIFY(raw.listen(QHostAddress::LocalHost));
    if (host == "closes")
        connect(&raw, &QTcpServer::newConnection, this, [&] { raw.nextPendingConnection()->close(); });

    Probe probe;
    probe.setGreetingTimeout(100);
    probe.ConnectIP = QStringLiteral("127.0.0.1");
    probe.startConnecting(probe.ConnectIP, raw.serverPort());
    QTRY_COMPARE(probe.reports, QStringList{report});
    QCOMPARE(probe.wsClient->state(), Winsock::State::Closed);
    QVERIFY(!probe.opponentPresent());
}

// A peer that never greets is dropped without a word, making room for the
// next.
void TestExchange::silentPeerMakesRoom()
{
    Probe probe;
    probe.setGreetingTimeout(100);
    QVERIFY(probe.startWaiting(0));
    QTcpSocket squatter;
    connectTo(probe, squatter);
    QTRY_COMPARE(squatter.state(), QAbstractSocket::UnconnectedState);

    QTcpSocket player;
    connectTo(probe, player);
    player.write("beta");
    QTRY_VERIFY(probe.opponentPresent());
    QCOMPARE(probe.reports, QStringList());
}

void TestExchange::crossedMoves_data()
{
    QTest::addColumn<QStringList>("steps"); // ">n" we play n, "<t" t arrives, "new" we choose New
    QTest::addColumn<QString>("board");
    QTest::addColumn<bool>("outOfStep");

    QTest::newRow("turns kept") << QStringList{">4", "<0", ">8", "<2"} << "O.O.X...X" << false;
    QTest::newRow("the opponent opens") << QStringList{"<4", ">0"} << "X...O...." << false;
    QTest::newRow("the opponent moves twice") << QStringList{"<0", "<5"} << "O....O..." << true;
    QTest::newRow("two moves in one arrival") << QStringList{">4", "<05"} << "O...XO..." << true;
    QTest::newRow("a move for a filled cell") << QStringList{">4", "<4"} << "....X...." << true;
    QTest::newRow("the opponent's New between") << QStringList{"<0", "<9", "<5"} << ".....O..." << false;
    QTest::newRow("our New between") << QStringList{"<0", "new", "<5"} << "O....O..." << false;
}

void TestExchange::crossedMoves()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, board);
    QFETCH(bool, outOfStep);
    Probe probe;
    QVERIFY(probe.startWaiting(0));
    QTcpSocket peer;
    connectTo(probe, peer);
    deliver(probe, peer, "beta");
    for (const QString &step : steps) {
        if (step == "new")
            probe.sendNewGame(); // the board stays: only what is sent counts here
        else if (step.startsWith('>'))
            probe.play(step.mid(1).toInt());
        else
            deliver(probe, peer, step.mid(1).toLatin1());
    }
    QCOMPARE(probe.board, board);
    QCOMPARE(probe.reports, outOfStep ? QStringList{kOutOfStep} : QStringList());
}

void TestExchange::splitGreeting_data()
{
    QTest::addColumn<QByteArrayList>("pieces");
    QTest::addColumn<int>("windowMs");
    QTest::addColumn<QString>("greeting");
    QTest::addColumn<QString>("board");
    QTest::addColumn<QStringList>("reports");

    QTest::newRow("a host name in pieces") << QByteArrayList{"pc", "4", "2"} << 5000 << "pc42" << "........." << QStringList();
    QTest::newRow("pieces after the window are moves") << QByteArrayList{"pc", "4", "2"} << 0 << "pc" << "..O.O...." << QStringList{kOutOfStep};
    QTest::newRow("what no host name holds ends it") << QByteArrayList{"pc", "4 2"} << 5000 << "pc" << "........." << QStringList();
    QTest::newRow("the greeting whole, then a move") << QByteArrayList{"pc42", "4"} << 0 << "pc42" << "....O...." << QStringList();
}

void TestExchange::splitGreeting()
{
    QFETCH(QByteArrayList, pieces);
    QFETCH(int, windowMs);
    QFETCH(QString, greeting);
    QFETCH(QString, board);
    QFETCH(QStringList, reports);
    Probe probe;
    probe.setGreetingWindow(std::chrono::milliseconds(windowMs));
    QVERIFY(probe.startWaiting(0));
    QTcpSocket peer;
    connectTo(probe, peer);
    for (const QByteArray &piece : pieces)
        deliver(probe, peer, piece);
    QCOMPARE(probe.greeting, greeting);
    QCOMPARE(probe.board, board);
    QCOMPARE(probe.reports, reports);
}

KELMO_TEST(TestExchange)
#include "tst_exchange.moc"
