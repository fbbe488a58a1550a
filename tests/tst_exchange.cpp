// The network side on its own: two exchanges over 127.0.0.1, no window.

#include "net/moveexchange.h"
#include "net/winsock.h"
#include "testmain.h"

#include <QTcpSocket>
#include <QtTest>

namespace {

// One copy's network side, greeting with its name; what its signals said, in order.
struct NetworkSide : QObject {
    MoveExchange exchange;
    QStringList heard;

    explicit NetworkSide(const QString &name)
    {
        exchange.setGreetingWindow(std::chrono::milliseconds(0));
        connect(&exchange, &MoveExchange::ConnectionRequest, this, [this, name](qint32 id) { exchange.accept(id, name); });
        connect(&exchange, &MoveExchange::Connected, this, [this, name] { exchange.greet(name); });
        for (auto signal : {&MoveExchange::opponentGreeted, &MoveExchange::greetingGrew})
            connect(&exchange, signal, this, [this](const QString &who) { heard << "greeted " + who; });
        connect(&exchange, &MoveExchange::messagesArrived, this, [this](const QList<PeerMessage> &messages) {
            for (const PeerMessage &message : messages)
                heard << (message.kind == PeerMessage::Kind::NewGame ? "new" : QString::number(message.cell));
        });
        for (auto signal : {&MoveExchange::opponentLeft, &MoveExchange::notConnected, &MoveExchange::failed})
            connect(&exchange, signal, this, [this](const QString &text) { heard << text; });
    }
};

using Steps = std::function<void(MoveExchange &waiting, MoveExchange &connecting)>;
using PeerSteps = std::function<void(MoveExchange &waiting, QTcpSocket &peer)>;

} // namespace

Q_DECLARE_METATYPE(Steps)
Q_DECLARE_METATYPE(PeerSteps)

class TestExchange : public QObject
{
    Q_OBJECT

private slots:
    void twoCopies_data()
    {
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<QStringList>("waitingHeard");
        QTest::addColumn<QStringList>("connectingHeard");
        const QStringList greeted{"greeted b\u00e9ta"}, greetedBack{"greeted alpha"}, left{"The opponent has left the game."};
        const auto row = [](const char *name, const Steps &steps, const QStringList &waiting, const QStringList &connecting) {
            QTest::newRow(name) << steps << waiting << connecting; };
        row("held while a dialog is open", [](MoveExchange &w, MoveExchange &c) {
            w.holdArrivals(true);
            c.sendMove(8);
            QTRY_COMPARE(w.connection()->socket().BytesReceived(), 1); // come, and waiting
            w.holdArrivals(false);
        }, greeted + QStringList{"8"}, greetedBack);
        row("a third copy is refused while the two play", [](MoveExchange &w, MoveExchange &) {
            NetworkSide third("gamma");
            third.exchange.startConnecting(QStringLiteral("127.0.0.1"), w.listeningPort());
            QTRY_COMPARE(third.heard, QStringList{"127.0.0.1 is busy with another game, or is not a Kelmo game."});
        }, greeted, greetedBack);
        row("the connecting side turns to waiting; a move to it reaches nothing",
            [](MoveExchange &w, MoveExchange &c) { QVERIFY(c.startWaiting(0)); w.sendMove(8); }, greeted + left, greetedBack);
        row("the waiting side turns to connecting, and no longer listens", [](MoveExchange &w, MoveExchange &) {
            w.startConnecting(QStringLiteral("127.0.0.1"), 1);
            QCOMPARE(w.listeningPort(), 0);
        }, greeted + QStringList{"Cannot connect to 127.0.0.1: Connection refused."}, greetedBack + left);
        row("the waiting side waits anew", [](MoveExchange &w, MoveExchange &) { QVERIFY(w.startWaiting(0)); },
            greeted, greetedBack + left);
    }

    void twoCopies()
    {
        QFETCH(Steps, steps);
        QFETCH(QStringList, waitingHeard);
        QFETCH(QStringList, connectingHeard);
        NetworkSide waiting("alpha"), connecting("b\u00e9ta"); // sent and read one byte per character
        QVERIFY(waiting.exchange.startWaiting(0));
        connecting.exchange.startConnecting(QStringLiteral("127.0.0.1"), waiting.exchange.listeningPort());
        QTRY_VERIFY(waiting.exchange.opponentPresent() && connecting.exchange.opponentPresent());
        steps(waiting.exchange, connecting.exchange);
        QTRY_COMPARE(waiting.heard, waitingHeard);
        QTRY_COMPARE(connecting.heard, connectingHeard);
    }

    // A waiting side and a raw peer, which connects when the steps say.
    void rawPeer_data()
    {
        QTest::addColumn<PeerSteps>("steps");
        QTest::addColumn<QStringList>("heard");
        const auto row = [](const char *name, const PeerSteps &steps, const QStringList &heard) { QTest::newRow(name) << steps << heard; };
        row("a peer may take seconds to greet", [](MoveExchange &w, QTcpSocket &peer) {
            peer.connectToHost(QHostAddress::LocalHost, w.listeningPort());
            QTimer::singleShot(1500, &peer, [&peer] { peer.write("late"); });
        }, {"greeted late"});
        row("a peer that never greets is dropped without a word", [](MoveExchange &w, QTcpSocket &peer) {
            w.setGreetingTimeout(100);
            peer.connectToHost(QHostAddress::LocalHost, w.listeningPort());
            QTRY_COMPARE(peer.bytesAvailable(), 5); // taken, and greeted
            QTRY_COMPARE(peer.state(), QAbstractSocket::UnconnectedState);
        }, {});
        row("a peer that comes while a dialog is open waits for it", [](MoveExchange &w, QTcpSocket &peer) {
            w.holdArrivals(true);
            peer.connectToHost(QHostAddress::LocalHost, w.listeningPort());
            peer.write("gamma");
            QTRY_VERIFY(w.connection() && w.connection()->socket().BytesReceived() == 5);
            w.holdArrivals(false);
        }, {"greeted gamma"});
        row("a greeting's pieces are timed as they came: held for a dialog, they still join", [](MoveExchange &w, QTcpSocket &peer) {
            w.setGreetingWindow(std::chrono::milliseconds(100));
            peer.connectToHost(QHostAddress::LocalHost, w.listeningPort());
            peer.write("ga");
            QTRY_VERIFY(w.opponentPresent());
            w.holdArrivals(true);
            peer.write("mma");
            QTRY_COMPARE(w.connection()->socket().BytesReceived(), 3);
            QTimer::singleShot(200, &peer, [&w] { w.holdArrivals(false); }); // the dialog stays open past the window
        }, {"greeted ga", "greeted gamma"});
    }

    void rawPeer()
    {
        QFETCH(PeerSteps, steps);
        QFETCH(QStringList, heard);
        NetworkSide waiting("alpha");
        QVERIFY(waiting.exchange.startWaiting(0));
        QTcpSocket peer;
        steps(waiting.exchange, peer);
        QTRY_COMPARE(waiting.heard, heard);
    }
};

KELMO_TEST(TestExchange)
#include "tst_exchange.moc"
