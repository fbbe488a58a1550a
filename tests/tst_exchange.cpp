// The network side on its own: two exchanges over 127.0.0.1, no window.

#include "net/moveexchange.h"
#include "net/winsock.h"
#include "testmain.h"

#include <QTcpSocket>
#include <QtTest>

namespace {

// One copy's network side, greeting with its name, and what its signals
// said, in order.
struct NetworkSide : QObject {
    MoveExchange exchange;
    QStringList heard;

    explicit NetworkSide(const QString &name)
    {
        exchange.setGreetingWindow(std::chrono::milliseconds(0));
        connect(&exchange, &MoveExchange::ConnectionRequest, this, [this, name](qint32 id) { exchange.accept(id, name); });
        connect(&exchange, &MoveExchange::Connected, this, [this, name] { exchange.greet(name); });
        connect(&exchange, &MoveExchange::opponentGreeted, this, [this](const QString &who) { heard << "greeted " + who; });
        connect(&exchange, &MoveExchange::messagesArrived, this, [this](const QList<PeerMessage> &messages) {
            for (const PeerMessage &message : messages)
                heard << (message.kind == PeerMessage::Kind::NewGame ? "new" : QString::number(message.cell));
        });
        for (auto signal : {&MoveExchange::opponentLeft, &MoveExchange::notConnected, &MoveExchange::failed})
            connect(&exchange, signal, this, [this](const QString &text) { heard << text; });
    }
};

using Steps = std::function<void(MoveExchange &waiting, MoveExchange &connecting)>;

} // namespace

Q_DECLARE_METATYPE(Steps)

class TestExchange : public QObject
{
    Q_OBJECT

private slots:
    void twoCopies_data()
    {
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<QStringList>("waitingHeard");
        QTest::addColumn<QStringList>("connectingHeard");
        const QStringList greeted{"greeted beta"}, greetedBack{"greeted alpha"};
        const auto row = [](const char *name, const Steps &steps, const QStringList &waiting, const QStringList &connecting) {
            QTest::newRow(name) << steps << waiting << connecting;
        };
        row("greetings only", [](MoveExchange &, MoveExchange &) {}, greeted, greetedBack);
        row("a move each way", [](MoveExchange &w, MoveExchange &c) {
            c.sendMove(4);
            w.sendMove(0);
        }, greeted + QStringList{"4"}, greetedBack + QStringList{"0"});
        row("New", [](MoveExchange &w, MoveExchange &) { w.sendNewGame(); }, greeted, greetedBack + QStringList{"new"});
        row("held while a dialog is open", [](MoveExchange &w, MoveExchange &c) {
            w.holdArrivals(true);
            c.sendMove(8);
            QTRY_COMPARE(w.connection()->socket().BytesReceived(), 1); // come, and waiting
            w.holdArrivals(false);
        }, greeted + QStringList{"8"}, greetedBack);
        row("the connecting side leaves", [](MoveExchange &, MoveExchange &c) { c.stopNetwork(); },
            greeted + QStringList{"The opponent has left the game."}, greetedBack);
        row("a third copy is refused while the two play", [](MoveExchange &w, MoveExchange &) {
            NetworkSide third("gamma");
            third.exchange.startConnecting(QStringLiteral("127.0.0.1"), w.listeningPort());
            QTRY_COMPARE(third.heard, QStringList{"127.0.0.1 is busy with another game, or is not a Kelmo game."});
        }, greeted, greetedBack);
        row("a peer that never greets makes room", [](MoveExchange &w, MoveExchange &c) {
            c.stopNetwork();
            QTRY_COMPARE(w.connection()->socket().state(), Winsock::State::Closed);
            w.setGreetingTimeout(100);
            QTcpSocket silent;
            silent.connectToHost(QHostAddress::LocalHost, w.listeningPort());
            QTRY_COMPARE(silent.bytesAvailable(), 5); // taken, and greeted
            QTRY_COMPARE(silent.state(), QAbstractSocket::UnconnectedState); // then dropped without a word
            c.startConnecting(QStringLiteral("127.0.0.1"), w.listeningPort());
        }, greeted + QStringList{"The opponent has left the game.", "greeted beta"}, greetedBack + greetedBack);
        row("the connecting side turns to waiting", [](MoveExchange &w, MoveExchange &c) {
            QVERIFY(c.startWaiting(0));
            w.sendMove(8); // reaches nothing
        }, greeted + QStringList{"The opponent has left the game."}, greetedBack);
        row("the waiting side waits anew", [](MoveExchange &w, MoveExchange &) { QVERIFY(w.startWaiting(0)); },
            greeted, greetedBack + QStringList{"The opponent has left the game."});
    }

    void twoCopies()
    {
        QFETCH(Steps, steps);
        QFETCH(QStringList, waitingHeard);
        QFETCH(QStringList, connectingHeard);
        NetworkSide waiting("alpha"), connecting("beta");
        QVERIFY(waiting.exchange.startWaiting(0));
        connecting.exchange.startConnecting(QStringLiteral("127.0.0.1"), waiting.exchange.listeningPort());
        QTRY_VERIFY(waiting.exchange.opponentPresent() && connecting.exchange.opponentPresent());
        steps(waiting.exchange, connecting.exchange);
        QTRY_COMPARE(waiting.heard, waitingHeard);
        QTRY_COMPARE(connecting.heard, connectingHeard);
    }
};

KELMO_TEST(TestExchange)
#include "tst_exchange.moc"
