// The connection object on 127.0.0.1, against raw sockets.

#include "net/winsock.h"
#include "testmain.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

class TestWinsock : public QObject
{
    Q_OBJECT

private slots:
    // Arrivals wait their turn. The first is left waiting, as while the
    // window shows a dialog, and handed over again later; its handler then
    // waits in an event loop of its own, as a dialog does, while more data
    // comes in: no second DataArrival starts inside it, and what came
    // meanwhile is raised once the handler is done. A peer that then sends
    // byte after byte while nothing is taken fills at most kMaxArrivals
    // arrivals, also when it leaves; the rest waits with the socket and the
    // system, and comes once those have been taken.
    void arrivalsWaitTheirTurn()
    {
        QTcpServer opponent;
        QVERIFY(opponent.listen(QHostAddress::LocalHost));
        Winsock client;
        client.Connect(QStringLiteral("127.0.0.1"), opponent.serverPort());
        QTRY_VERIFY(client.state() == Winsock::State::Connected && opponent.hasPendingConnections());
        QTcpSocket *peer = opponent.nextPendingConnection();
        // At most kReadChunk bytes wait untaken, however they come; a close forgets them.
        peer->write("1");
        QTRY_COMPARE(client.BytesReceived(), 1);
        peer->write(QByteArray(Winsock::kReadChunk, '2'));
        QTRY_COMPARE(client.BytesReceived(), Winsock::kReadChunk);
        client.Close();
        QCOMPARE(client.waitingArrivals(), 0);
        client.Connect(QStringLiteral("127.0.0.1"), opponent.serverPort());
        QTRY_VERIFY(client.state() == Winsock::State::Connected && opponent.hasPendingConnections());
        peer = opponent.nextPendingConnection();

        int depth = 0, deepest = 0, calls = 0;
        QStringList taken;
        const auto nesting = connect(&client, &Winsock::DataArrival, this, [&] {
            deepest = std::max(deepest, ++depth);
            if (++calls > 1)
                taken.append(client.GetData());
            if (calls == 2) {
                peer->write("4");
                QTRY_VERIFY(client.BytesReceived() > 0); // spins the event loop
            }
            --depth;
        });
        peer->write("3");
        QTRY_COMPARE(calls, 1);
        client.redeliver();
        QTRY_COMPARE(taken, (QStringList{"3", "4"}));
        QCOMPARE(deepest, 1);

        disconnect(nesting);
        peer->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        for (qsizetype i = 1; i <= Winsock::kMaxArrivals; ++i) {
            peer->write("5");
            peer->flush();
            QTRY_COMPARE(client.waitingArrivals(), i);
        }
        peer->write("6789");
        QTRY_COMPARE(client.findChild<QTcpSocket *>()->bytesAvailable(), 4);
        // Taking one lets the object read on, as far as the bound.
        connect(&client, &Winsock::DataArrival, this, [&] { client.GetData(); }, Qt::SingleShotConnection);
        client.redeliver();
        QTRY_COMPARE(client.findChild<QTcpSocket *>()->bytesAvailable(), 0);
        peer->disconnectFromHost();
        QTRY_COMPARE(client.state(), Winsock::State::Closing);
        QCOMPARE(client.waitingArrivals(), Winsock::kMaxArrivals);

        taken.clear();
        connect(&client, &Winsock::DataArrival, this, [&] { taken.append(client.GetData()); });
        connect(&client, &Winsock::Closed, this, [&] { taken.append(QStringLiteral("closed")); });
        client.redeliver();
        QTRY_COMPARE(taken.size(), Winsock::kMaxArrivals + 1);
        QCOMPARE(taken.mid(taken.size() - 2), (QStringList{"6789", "closed"}));
    }

    void failures_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("expected"); // start of the one message
        QTest::addColumn<bool>("closed");     // closed before the report could come: none comes

        QTest::newRow("listen on a taken port") << "listen" << "Cannot wait for an opponent on port " << false;
        QTest::newRow("connect to the empty address") << "" << "Cannot connect to an opponent: no address was given." << false;
        QTest::newRow("connect to a closed port") << "127.0.0.1" << "Cannot connect to 127.0.0.1: " << false;
        QTest::newRow("connect to a port that does not answer") << "full" << "Cannot connect to 127.0.0.1: no answer within 1 second." << false;
        QTest::newRow("connect to a malformed address") << "127.0.0.1.5" << "Cannot connect to 127.0.0.1.5: that is not a valid address." << false;
        QTest::newRow("connect to an address with blanks") << "10 0 0 1" << "Cannot connect to 10 0 0 1: that is not a valid address." << false;
        QTest::newRow("send with no connection") << "send" << "The move was not sent: no opponent is connected." << false;
        QTest::newRow("accept an unknown request") << "accept" << "Cannot accept the connection: request 12345 is not waiting." << false;
        QTest::newRow("send, then close") << "send" << "" << true;
        QTest::newRow("connect to nothing, then close") << "" << "" << true;
    }

    void failures()
    {
        QFETCH(QString, operation);
        QFETCH(QString, expected);
        QFETCH(bool, closed);
        Winsock object;
        QSignalSpy reports(&object, &Winsock::ErrorOccurred);
        object.setConnectTimeout(1000);
        QTcpServer holder; // what listens where the object listens or connects
        holder.setListenBacklogSize(0);
        QVERIFY(holder.listen(QHostAddress::Any));
        const quint16 port = holder.serverPort();
        QTcpSocket fillers[4];
        if (operation == "full") {
            // Accepting nothing, its queue full: the system drops further
            // attempts unanswered.
            holder.pauseAccepting();
            for (QTcpSocket &filler : fillers)
                filler.connectToHost(QHostAddress::LocalHost, port);
            QTRY_COMPARE(fillers[0].state(), QAbstractSocket::ConnectedState);
            object.Connect(QStringLiteral("127.0.0.1"), port);
        } else if (operation == "listen") {
            object.setLocalPort(port);
            object.Listen();
        } else if (operation == "send") {
            object.SendData(QStringLiteral("4"));
        } else if (operation == "accept") {
            object.Accept(12345);
        } else {
            holder.close();
            object.Connect(operation, port);
        }
        if (closed)
            object.Close();

        // Reported from the event loop, once, and never after a close.
        QVERIFY(reports.isEmpty());
        if (!closed)
            QTRY_COMPARE_WITH_TIMEOUT(reports.size(), 1, 5000);
        QCoreApplication::processEvents();
        QCOMPARE(reports.size(), closed ? 0 : 1);
        const QString report = reports.value(0).value(0).toString();
        QVERIFY2(closed || report.startsWith(expected), qPrintable(report));
        QCOMPARE(object.state(), Winsock::State::Closed);

        // The object is still usable.
        holder.close();
        QTcpServer opponent;
        QVERIFY(opponent.listen(QHostAddress::LocalHost));
        object.Connect(QStringLiteral("127.0.0.1"), opponent.serverPort());
        QTRY_COMPARE(object.state(), Winsock::State::Connected);
    }

    // Only a refused privileged port names the remedies.
    void listenFailureNamesTheRemedy()
    {
        const auto text = [](quint16 port, QAbstractSocket::SocketError error) {
            return Winsock::listenFailureText(port, error, QStringLiteral("Denied"), QStringLiteral("/opt/games/kelmo"));
        };
        const QString refused = text(1007, QAbstractSocket::SocketAccessError);
        QVERIFY2(refused.startsWith(QStringLiteral("Cannot wait for an opponent on port 1007: ")), qPrintable(refused));
        QVERIFY(refused.contains(QStringLiteral("sudo setcap cap_net_bind_service=+ep /opt/games/kelmo"))
                && refused.contains(QStringLiteral("sudo sysctl net.ipv4.ip_unprivileged_port_start=1007")));
        QVERIFY(!text(1007, QAbstractSocket::AddressInUseError).contains(QStringLiteral("sudo")));
        QVERIFY(text(1023, QAbstractSocket::SocketAccessError).contains(QStringLiteral("sudo")));
        QVERIFY(!text(1024, QAbstractSocket::SocketAccessError).contains(QStringLiteral("sudo")));
    }
};

KELMO_TEST(TestWinsock)
#include "tst_winsock.moc"
