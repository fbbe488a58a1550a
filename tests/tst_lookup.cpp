// The local host name and address, through socket calls the test answers.

#include "fakesocketapi.h"
#include "faketoolkit.h"
#include "game/form1.h"
#include "net/hostlookup.h"
#include "testmain.h"

#include <QtTest>

using Shown = FakeToolkit::Shown;

// What the socket calls answer, and what the two look-ups then give and show.
struct Lookup {
    int startup = 0; // WSAStartup's result
    quint16 version = 0x0101;
    qint16 maxSockets = 100;
    int cleanup = 0;   // WSACleanup's result
    int hostError = 0; // 0: gethostname works; else WSAGetLastError after it fails
    QByteArray hostName = "alpha";
    HostAddresses host = QList{QHostAddress("10.0.0.1")};
    QString name = {}, address = {};
    QList<Shown> shown = {};
};
Q_DECLARE_METATYPE(Lookup)

class TestLookup : public QObject
{
    Q_OBJECT

private slots:
    void bytes_data()
    {
        QTest::addColumn<int>("word");
        QTest::addColumn<int>("high");
        QTest::addColumn<int>("low");
        QTest::newRow("largest positive") << 32767 << 127 << 255;
        // Signed words: the quotient truncates toward zero before the mask.
        QTest::newRow("minus one") << -1 << 0 << 255;
        QTest::newRow("minus 257") << -257 << 255 << 255;
        QTest::newRow("smallest") << -32768 << 128 << 0;
    }

    void bytes()
    {
        QFETCH(int, word);
        QTEST(HostLookup::Hibyte(qint16(word)), "high");
        QTEST(HostLookup::Lobyte(qint16(word)), "low");
    }

    void lookups_data()
    {
        QTest::addColumn<Lookup>("lookup");
        const Shown down{"Winsock Not Responting", Toolkit::Icon::Exclamation, "ERROR"};
        const auto twice = [](const char *text) { return QList<Shown>(2, Shown{text, Toolkit::Icon::None, "Kelmo"}); };
        const auto row = [](const char *name, const Lookup &lookup) { QTest::newRow(name) << lookup; };
        row("both succeed", {.hostName = "Beta.Lan", .name = "Beta.Lan", .address = "10.0.0.1"});
        row("only the first address",
            {.host = QList{QHostAddress("192.168.1.254"), QHostAddress("10.0.0.2")}, .name = "alpha", .address = "192.168.1.254"});
        row("no address at all", {.host = QList<QHostAddress>{}, .name = "alpha", .address = ""});
        row("a host name that fills the buffer", {.hostName = QByteArray(300, 'h'), .name = QString(255, 'h'), .address = "10.0.0.1"});
        row("start-up fails", {.startup = 10091, .shown = {down, down}});
        row("no sockets", {.maxSockets = 0, .shown = twice("Want Winsock at less = 1")});
        row("version 1.0", {.version = 0x0001, .shown = twice("Version Sockets = 1.0Too Lo")});
        row("the host name fails", {.hostError = 10093, .shown = twice("Windows Sockets Error :  10093")});
        row("a negative error code", {.hostError = -7, .shown = twice("Windows Sockets Error : -7")});
        row("the host look-up fails",
            {.host = std::nullopt, .name = "alpha", .shown = {{"Windows Not Responting", Toolkit::Icon::Exclamation, "ERROR"}}});
        row("clean-up fails", {.cleanup = 1, .name = "alpha", .address = "10.0.0.1", .shown = {down, down}});
    }

    void lookups()
    {
        QFETCH(Lookup, lookup);
        FakeToolkit toolkit;
        FakeSocketApi sockets;
        sockets.hostName = "earlier";
        Form1 form(toolkit, 0, &sockets);
        HostLookup &lookups = form.hostLookup();
        lookups.GetIPHostName();
        sockets.startups = sockets.cleanups = 0;
        sockets.startupResult = lookup.startup;
        sockets.startupData = {lookup.version, lookup.maxSockets};
        sockets.cleanupResult = lookup.cleanup;
        sockets.hostNameResult = lookup.hostError ? -1 : 0;
        sockets.lastError = lookup.hostError;
        sockets.hostName = lookup.hostName;
        sockets.host = lookup.host;

        QCOMPARE(lookups.GetIPHostName(), lookup.name);
        QCOMPARE(lookups.hostName(), lookup.name.isEmpty() ? QStringLiteral("earlier") : lookup.name);
        std::optional<QString> answer;
        lookups.GetIPAddress([&](const QString &text) { answer = text; });
        QTRY_VERIFY(answer);
        QCOMPARE(*answer, lookup.address);
        QCOMPARE(toolkit.messages, lookup.shown);
        QCOMPARE(sockets.requestedVersion, quint16(0x0101));
        QCOMPARE(sockets.lookedUp, lookup.name);
        // Every start-up that succeeded has been released.
        QCOMPARE(sockets.cleanups, lookup.startup == 0 ? sockets.startups : 0);
    }

    void reachableFirst_data()
    {
        QTest::addColumn<QList<QHostAddress>>("resolved");
        QTest::addColumn<QList<QHostAddress>>("interfaces");
        QTest::addColumn<QHostAddress>("first");
        const QHostAddress loop("127.0.1.1"), lan("192.168.0.7"), other("10.1.2.3");
        const QList<QHostAddress> none;
        QTest::newRow("resolved address is reachable") << QList{other} << QList{lan} << other;
        QTest::newRow("loopback replaced by interface") << QList{loop} << QList{lan, other} << lan;
        QTest::newRow("loopback kept without interfaces") << QList{loop} << none << loop;
        QTest::newRow("nothing resolved, interface known") << none << QList{lan} << lan;
        QTest::newRow("nothing at all") << none << none << QHostAddress();
        QTest::newRow("IPv6 left out") << QList{QHostAddress("2001:db8::7"), other} << QList{lan} << other;
        QTest::newRow("IPv6 and loopback interfaces left out") << QList{loop} << QList{QHostAddress("fe80::1"), QHostAddress("127.0.0.1"), lan} << lan;
    }

    void reachableFirst()
    {
        QFETCH(QList<QHostAddress>, resolved);
        QFETCH(QList<QHostAddress>, interfaces);
        QTEST(::reachableFirst(resolved, interfaces).value(0), "first");
    }
};

KELMO_TEST(TestLookup)
#include "tst_lookup.moc"
