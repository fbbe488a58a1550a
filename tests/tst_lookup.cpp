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
    int startup; // WSAStartup's result
    quint16 version;
    qint16 maxSockets;
    int cleanup;   // WSACleanup's result
    int hostError; // 0: gethostname works; else WSAGetLastError after it fails
    QByteArray hostName;
    HostAddresses host;
    QString name, address;
    QList<Shown> shown;
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
        const HostAddresses tenOOne = QList{QHostAddress("10.0.0.1")};
        const Shown down{"Winsock Not Responting", Toolkit::Icon::Exclamation, "ERROR"};
        const auto twice = [](const char *text) { return QList<Shown>(2, Shown{text, Toolkit::Icon::None, "Kelmo"}); };
        const auto row = [](const char *name, const Lookup &lookup) { QTest::newRow(name) << lookup; };
        row("both succeed", {0, 0x0101, 100, 0, 0, "Beta.Lan", tenOOne, "Beta.Lan", "10.0.0.1", {}});
        row("only the first address",
            {0, 0x0101, 100, 0, 0, "alpha", QList{QHostAddress("192.168.1.254"), QHostAddress("10.0.0.2")},
             "alpha", "192.168.1.254", {}});
        row("no address at all", {0, 0x0101, 100, 0, 0, "alpha", QList<QHostAddress>{}, "alpha", "", {}});
        row("a host name that fills the buffer",
            {0, 0x0101, 100, 0, 0, QByteArray(300, 'h'), tenOOne, QString(255, 'h'), "10.0.0.1", {}});
        row("start-up fails", {10091, 0x0101, 100, 0, 0, "alpha", tenOOne, "", "", {down, down}});
        row("no sockets", {0, 0x0101, 0, 0, 0, "alpha", tenOOne, "", "", twice("Want Winsock at less = 1")});
        row("version 1.0", {0, 0x0001, 100, 0, 0, "alpha", tenOOne, "", "", twice("Version Sockets = 1.0Too Lo")});
        row("the host name fails", {0, 0x0101, 100, 0, 10093, "alpha", tenOOne, "", "", twice("Windows Sockets Error :  10093")});
        row("a negative error code", {0, 0x0101, 100, 0, -7, "alpha", tenOOne, "", "", twice("Windows Sockets Error : -7")});
        row("the host look-up fails", {0, 0x0101, 100, 0, 0, "alpha", std::nullopt, "alpha", "",
                                       {{"Windows Not Responting", Toolkit::Icon::Exclamation, "ERROR"}}});
        row("clean-up fails", {0, 0x0101, 100, 1, 0, "alpha", tenOOne, "alpha", "10.0.0.1", {down, down}});
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
