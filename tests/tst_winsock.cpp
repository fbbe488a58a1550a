#include "net/winsock.h"
#include "testmain.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

class TestWinsock : public QObject
{
    Q_OBJECT

private slots:
    void listenAcceptAndTalk();
    void connectAndTalk();
    void twoSendsReadByOneGetData();
    void oneArrivalAtATime();
    void waitingArrivalsAreBounded();
    void unacceptedRequestIsRefused();
    void closeIsHarmless();
    void listenAgainKeepsListening();
    void failures_data();
    void failures();
    void peerLeaving();
    void unansweredAttemptTimesOut();

private:
    // `client` connected to a raw `peer` that `opponent` accepted.
    static void connectClient(QTcpServer &opponent, Winsock &client, QTcpSocket *&peer)
    {
        QVERIFY(opponent.listen(QHostAddress::LocalHost));
        client.Connect(QStringLiteral("127.0.0.1"), opponent.serverPort());
        QTRY_COMPARE(client.state(), Winsock::State::Connected);
        QTRY_VERIFY(opponent.hasPendingConnections());
        peer = opponent.nextPendingConnection();
    }

    // Every failure the watched objects report, in order.
    QStringList reports;
    void watch(std::initializer_list<Winsock *> objects)
    {
        reports.clear();
        for (Winsock *object : objects)
            connect(object, &Winsock::ErrorOccurred, this, [this](const QString &text) { reports.append(text); });
    }
};

void TestWinsock::listenAcceptAndTalk()
{
    Winsock listener, server;
    watch({&listener, &server});
    connect(&listener, &Winsock::ConnectionRequest, &server, &Winsock::Accept);
    QSignalSpy requests(&listener, &Winsock::ConnectionRequest);
    listener.setLocalPort(0);
    listener.Listen();
    QCOMPARE(listener.state(), Winsock::State::Listening);

    QTcpSocket peer;
    peer.connectToHost(QHostAddress::LocalHost, listener.listeningPort());
    QTRY_COMPARE(server.state(), Winsock::State::Connected);
    QCOMPARE(requests.size(), 1);
    QCOMPARE(listener.state(), Winsock::State::Listening); // keeps listening

    server.SendData(QStringLiteral("host-\u00e9"));
    QTRY_COMPARE(peer.bytesAvailable(), 6);
    QCOMPARE(peer.readAll(), QByteArray("host-\xe9"));

    QSignalSpy arrivals(&server, &Winsock::DataArrival);
    peer.write("4");
    QTRY_COMPARE(arrivals.size(), 1);
    QCOMPARE(arrivals.first().first().toInt(), 1);
    QCOMPARE(server.GetData(), QStringLiteral("4"));
    QCOMPARE(server.GetData(), QString());
    // One character per byte received, not a decoding of the bytes.
    peer.write("b\xe9ta");
    QTRY_COMPARE(server.BytesReceived(), 4);
    QCOMPARE(server.GetData(), QStringLiteral("b\u00e9ta"));
    QVERIFY(reports.isEmpty());
}

void TestWinsock::connectAndTalk()
{
    QTcpServer opponent;
    QVERIFY(opponent.listen(QHostAddress::LocalHost));
    Winsock client;
    watch({&client});
    QSignalSpy connected(&client, &Winsock::Connected);
    client.Connect(QStringLiteral("127.0.0.1"), opponent.serverPort());
    QCOMPARE(client.state(), Winsock::State::Connecting);
    QTRY_COMPARE(connected.size(), 1);
    QCOMPARE(client.state(), Winsock::State::Connected);
    QTRY_VERIFY(opponent.hasPendingConnections());
    QTcpSocket *peer = opponent.nextPendingConnection();

    client.SendData(QStringLiteral("9"));
    QTRY_COMPARE(peer->bytesAvailable(), 1);
    QCOMPARE(peer->readAll(), QByteArray("9"));

    peer->write("beta");
    QTRY_COMPARE(client.BytesReceived(), 4);
    QCOMPARE(client.GetData(), QStringLiteral("beta"));
    QVERIFY(reports.isEmpty());
}

void TestWinsock::twoSendsReadByOneGetData()
{
    QTcpServer opponent;
    Winsock client;
    QTcpSocket *peer = nullptr;
    connectClient(opponent, client, peer);
    QVERIFY(peer);

    peer->write("alpha");
    peer->write("3");
    QTRY_COMPARE(client.BytesReceived(), 6);
    QCOMPARE(client.GetData(), QStringLiteral("alpha3"));
}

void TestWinsock::oneArrivalAtATime()
{
    QTcpServer opponent;
    Winsock client;
    QTcpSocket *peer = nullptr;
    connectClient(opponent, client, peer);
    QVERIFY(peer);

    // The first arrival is left waiting, as while the window shows a
    // dialog, and handed over again later. Its handler then waits in an
    // event loop of its own, as a dialog does, while more data comes in: no
    // second DataArrival starts inside it, and what came meanwhile is
    // raised once the handler is done.
    int depth = 0, deepest = 0, calls = 0;
    QStringList taken;
    connect(&client, &Winsock::DataArrival, this, [&] {
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
}

// A peer that sends byte after byte while nothing is taken fills at most
// kMaxArrivals arrivals, even when it leaves; the rest waits with the
// system, and comes once those have been taken.
void TestWinsock::waitingArrivalsAreBounded()
{
    QTcpServer opponent;
    Winsock client;
    QTcpSocket *peer = nullptr;
    connectClient(opponent, client, peer);
    QVERIFY(peer);
    peer->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    for (qsizetype i = 1; i <= Winsock::kMaxArrivals; ++i) {
        peer->write("5");
        peer->flush();
        QTRY_COMPARE(client.waitingArrivals(), i);
    }
    peer->write("6789");
    peer->flush();
    // It reaches the object's socket, but is not made an arrival.
    auto *socket = client.findChild<QTcpSocket *>();
    QVERIFY(socket);
    QTRY_COMPARE(socket->bytesAvailable(), 4);
    QCOMPARE(client.waitingArrivals(), Winsock::kMaxArrivals);
    // Nor when the peer leaves.
    peer->disconnectFromHost();
    QTRY_COMPARE(client.state(), Winsock::State::Closing);
    QCOMPARE(client.waitingArrivals(), Winsock::kMaxArrivals);

    QStringList taken;
    connect(&client, &Winsock::DataArrival, this, [&] { taken.append(client.GetData()); });
    connect(&client, &Winsock::Closed, this, [&] { taken.append(QStringLiteral("closed")); });
    client.redeliver();
    QTRY_COMPARE(taken.size(), Winsock::kMaxArrivals + 2);
    QCOMPARE(taken.first(), QStringLiteral("5"));
    QCOMPARE(taken.mid(taken.size() - 2), (QStringList{"6789", "closed"}));
}

void TestWinsock::unacceptedRequestIsRefused()
{
    Winsock listener;
    listener.setLocalPort(0);
    listener.Listen();
    QSignalSpy requests(&listener, &Winsock::ConnectionRequest);

    QTcpSocket peer;
    QSignalSpy gone(&peer, &QTcpSocket::disconnected);
    peer.connectToHost(QHostAddress::LocalHost, listener.listeningPort());
    QTRY_COMPARE(requests.size(), 1);
    QTRY_COMPARE(gone.size(), 1);
    QCOMPARE(listener.state(), Winsock::State::Listening);
}

void TestWinsock::closeIsHarmless()
{
    Winsock listener;
    watch({&listener});
    listener.setLocalPort(0);
    listener.Listen();
    const quint16 port = listener.listeningPort();
    listener.Close();
    listener.Close();
    QCOMPARE(listener.state(), Winsock::State::Closed);

    // The port is free again.
    QTcpSocket probe;
    probe.connectToHost(QHostAddress::LocalHost, port);
    QVERIFY(!probe.waitForConnected(2000));

    Winsock never;
    watch({&listener, &never});
    never.Close();
    QCOMPARE(never.state(), Winsock::State::Closed);
    QCoreApplication::processEvents();
    QVERIFY(reports.isEmpty());
}

void TestWinsock::listenAgainKeepsListening()
{
    Winsock listener;
    watch({&listener});
    listener.setLocalPort(0);
    listener.Listen();
    const quint16 port = listener.listeningPort();
    listener.Listen();
    QCOMPARE(listener.state(), Winsock::State::Listening);
    QCOMPARE(listener.listeningPort(), port);
    QCoreApplication::processEvents();
    QVERIFY(reports.isEmpty());
}

void TestWinsock::failures_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("expected"); // start of the one message

    QTest::newRow("listen on a taken port") << "listen-taken" << "Cannot wait for an opponent on port ";
    QTest::newRow("connect to the empty address") << "connect-empty" << "Cannot connect to an opponent: no address was given.";
    QTest::newRow("connect to a closed port") << "connect-closed" << "Cannot connect to 127.0.0.1: ";
    QTest::newRow("connect to a malformed address") << "connect-malformed" << "Cannot connect to 127.0.0.1.5: that is not a valid address.";
    QTest::newRow("connect to an address with blanks") << "connect-blank" << "Cannot connect to 10 0 0 1: that is not a valid address.";
    QTest::newRow("send with no connection") << "send" << "The move was not sent: no opponent is connected.";
    QTest::newRow("accept an unknown request") << "accept" << "Cannot accept the connection: request 12345 is not waiting.";
}

void TestWinsock::failures()
{
    QFETCH(QString, operation);
    QFETCH(QString, expected);

    Winsock object;
    watch({&object});
    QTcpServer holder;
    QVERIFY(holder.listen(QHostAddress::Any));
    const quint16 takenPort = holder.serverPort();

    if (operation == "listen-taken") {
        object.setLocalPort(takenPort);
        object.Listen();
    } else if (operation == "connect-empty") {
        object.Connect(QString(), 1007);
    } else if (operation == "connect-closed") {
        holder.close();
        object.Connect(QStringLiteral("127.0.0.1"), takenPort);
    } else if (operation == "connect-malformed") {
        object.Connect(QStringLiteral("127.0.0.1.5"), takenPort);
    } else if (operation == "connect-blank") {
        object.Connect(QStringLiteral("10 0 0 1"), takenPort);
    } else if (operation == "send") {
        object.SendData(QStringLiteral("4"));
    } else if (operation == "accept") {
        object.Accept(12345);
    }

    // Reported from the event loop, not from inside the call.
    QVERIFY(reports.isEmpty());
    QTRY_COMPARE(reports.size(), 1);
    QVERIFY2(reports.first().startsWith(expected), qPrintable(reports.first()));
    QCOMPARE(object.state(), Winsock::State::Closed);
    // Exactly one report: nothing more turns up later.
    QCoreApplication::processEvents();
    QCOMPARE(reports.size(), 1);

    // The object is still usable.
    holder.close();
    QTcpServer opponent;
    QVERIFY(opponent.listen(QHostAddress::LocalHost));
    object.Connect(QStringLiteral("127.0.0.1"), opponent.serverPort());
    QTRY_COMPARE(object.state(), Winsock::State::Connected);
    object.Close();
    object.setLocalPort(0);
    object.Listen();
    QCOMPARE(object.state(), Winsock::State::Listening);
    QCOMPARE(reports.size(), 1);
}

void TestWinsock::peerLeaving()
{
    QTcpServer opponent;
    QVERIFY(opponent.listen(QHostAddress::LocalHost));
    Winsock client;
    watch({&client});
    QSignalSpy closed(&client, &Winsock::Closed);
    client.Connect(QStringLiteral("127.0.0.1"), opponent.serverPort());
    QTRY_COMPARE(client.state(), Winsock::State::Connected);
    QTRY_VERIFY(opponent.hasPendingConnections());
    QTcpSocket *peer = opponent.nextPendingConnection();
    peer->disconnectFromHost();

    QTRY_COMPARE(closed.size(), 1);
    QCOMPARE(closed.first().first().toString(), QString()); // closed in good order
    QCOMPARE(client.state(), Winsock::State::Closed);
    // Whether that is an opponent leaving is the exchange's to tell.
    QCoreApplication::processEvents();
    QCOMPARE(reports, QStringList());
    QCOMPARE(closed.size(), 1);
}

void TestWinsock::unansweredAttemptTimesOut()
{
    // A listener whose queue of unaccepted connections is full: the system
    // drops further attempts unanswered.
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    QVERIFY(::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0);
    QVERIFY(::listen(fd, 0) == 0);
    socklen_t length = sizeof address;
    ::getsockname(fd, reinterpret_cast<sockaddr *>(&address), &length);
    const quint16 port = ntohs(address.sin_port);
    std::vector<std::unique_ptr<QTcpSocket>> fillers;
    for (int i = 0; i < 4; ++i) {
        fillers.push_back(std::make_unique<QTcpSocket>());
        fillers.back()->connectToHost(QHostAddress::LocalHost, port);
    }
    QTRY_COMPARE(fillers.front()->state(), QAbstractSocket::ConnectedState);

    Winsock client;
    watch({&client});
    client.setConnectTimeout(1000);
    client.Connect(QStringLiteral("127.0.0.1"), port);
    QTRY_COMPARE_WITH_TIMEOUT(reports, QStringList{"Cannot connect to 127.0.0.1: no answer within 1 second."}, 5000);
    QCOMPARE(client.state(), Winsock::State::Closed);
    ::close(fd);
}

KELMO_TEST(TestWinsock)
#include "tst_winsock.moc"
