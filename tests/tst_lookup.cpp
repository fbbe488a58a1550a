// The local host name and address, through socket calls the test answers.

#include "fakesocketapi.h"
#include "faketoolkit.h"
#include "game/form1.h"
#include "testmain.h"

#include <QtTest>

Q_DECLARE_METATYPE(std::optional<HostEntry>)

using Shown = FakeToolkit::Shown;

class TestLookup : public QObject
{
    Q_OBJECT

private slots:
    void bytes_data();
    void bytes();
    void lookups_data();
    void lookups();
    void reachableFirst_data();
    void reachableFirst();
};

void TestLookup::bytes_data()
{
    QTest::addColumn<int>("word");
    QTest::addColumn<int>("high");
    QTest::addColumn<int>("low");
    QTest::newRow("version 1.1") << 0x0101 << 1 << 1;
    QTest::newRow("version 1.0") << 0x0001 << 0 << 1;
    QTest::newRow("largest positive") << 32767 << 127 << 255;
    // Signed words: the quotient truncates toward zero before the mask.
    QTest::newRow("minus one") << -1 << 0 << 255;
    QTest::newRow("minus 257") << -257 << 255 << 255;
    QTest::newRow("smallest") << -32768 << 128 << 0;
}

void TestLookup::bytes()
{
    QFETCH(int, word);
    QFETCH(int, high);
    QFETCH(int, low);
    QCOMPARE(Form1::Hibyte(qint16(word)), high);
    QCOMPARE(Form1::Lobyte(qint16(word)), low);
}

void TestLookup::lookups_data()
{
    // What the socket calls answer...
    QTest::addColumn<int>("startup");   // WSAStartup's result
    QTest::addColumn<int>("version");
    QTest::addColumn<int>("maxSockets");
    QTest::addColumn<int>("cleanup");   // WSACleanup's result
    QTest::addColumn<int>("hostError"); // 0: gethostname works; else WSAGetLastError after it fails
    QTest::addColumn<QByteArray>("hostName");
    QTest::addColumn<std::optional<HostEntry>>("host");
    // ...and what the two look-ups give and show.
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QList<Shown>>("shown");

    const std::optional<HostEntry> tenOOne = HostEntry{4, {QByteArray("\x0a\x00\x00\x01", 4)}};
    const Shown down{"Winsock Not Responting", Toolkit::Icon::Exclamation, "ERROR"};
    const auto twice = [](const char *text) { return QList<Shown>(2, Shown{text, Toolkit::Icon::None, "Kelmo"}); };
    const auto row = [&](const char *name, int startup, int version, int maxSockets, int cleanup, int hostError,
                         const char *hostName, const std::optional<HostEntry> &host, const char *gotName,
                         const char *gotAddress, const QList<Shown> &shown) {
        QTest::newRow(name) << startup << version << maxSockets << cleanup << hostError << QByteArray(hostName) << host
                            << gotName << gotAddress << shown;
    };
    row("both succeed", 0, 0x0101, 100, 0, 0, "Beta.Lan", tenOOne, "Beta.Lan", "10.0.0.1", {});
    row("a newer version", 0, 0x0202, 1, 0, 0, "alpha", tenOOne, "alpha", "10.0.0.1", {});
    row("only the first address", 0, 0x0101, 100, 0, 0, "alpha",
        HostEntry{4, {QByteArray("\xc0\xa8\x01\xfe", 4), QByteArray("\x0a\x00\x00\x02", 4)}}, "alpha",
        "192.168.1.254", {});
    row("no address at all", 0, 0x0101, 100, 0, 0, "alpha", HostEntry{4, {}}, "alpha", "", {});
    row("a host name that fills the buffer", 0, 0x0101, 100, 0, 0, QByteArray(300, 'h').constData(), tenOOne,
        QByteArray(255, 'h').constData(), "10.0.0.1", {});
    row("start-up fails", 10091, 0x0101, 100, 0, 0, "alpha", tenOOne, "", "", {down, down});
    row("no sockets", 0, 0x0101, 0, 0, 0, "alpha", tenOOne, "", "", twice("Want Winsock at less = 1"));
    row("a negative socket count", 0, 0x0101, -5, 0, 0, "alpha", tenOOne, "", "", twice("Want Winsock at less = 1"));
    row("version 1.0", 0, 0x0001, 100, 0, 0, "alpha", tenOOne, "", "", twice("Version Sockets = 1.0Too Lo"));
    row("version 0.9", 0, 0x0900, 100, 0, 0, "alpha", tenOOne, "", "", twice("Version Sockets = 0.9Too Lo"));
    row("the host name fails", 0, 0x0101, 100, 0, 10093, "alpha", tenOOne, "", "",
        twice("Windows Sockets Error :  10093"));
    row("a negative error code", 0, 0x0101, 100, 0, -7, "alpha", tenOOne, "", "", twice("Windows Sockets Error : -7"));
    row("the host look-up fails", 0, 0x0101, 100, 0, 0, "alpha", std::nullopt, "alpha", "",
        {{"Windows Not Responting", Toolkit::Icon::Exclamation, "ERROR"}});
    row("clean-up fails", 0, 0x0101, 100, 1, 0, "alpha", tenOOne, "alpha", "10.0.0.1", {down, down});
}

void TestLookup::lookups()
{
    QFETCH(int, startup);
    QFETCH(int, version);
    QFETCH(int, maxSockets);
    QFETCH(int, cleanup);
    QFETCH(int, hostError);
    QFETCH(QByteArray, hostName);
    QFETCH(std::optional<HostEntry>, host);
    QFETCH(QString, name);
    QFETCH(QString, address);
    QFETCH(QList<Shown>, shown);

    FakeToolkit toolkit;
    FakeSocketApi sockets;
    sockets.startupResult = startup;
    sockets.startupData = {quint16(version), qint16(maxSockets)};
    sockets.cleanupResult = cleanup;
    sockets.hostNameResult = hostError ? -1 : 0;
    sockets.lastError = hostError;
    sockets.hostName = hostName;
    sockets.host = host;
    Form1 form(toolkit, 0, &sockets);
    form.HostName = QStringLiteral("earlier");

    QCOMPARE(form.GetIPHostName(), name);
    QCOMPARE(form.HostName, name.isEmpty() ? QStringLiteral("earlier") : name);
    std::optional<QString> answer;
    form.GetIPAddress([&](const QString &text) { answer = text; });
    QTRY_VERIFY(answer);
    QCOMPARE(*answer, address);
    QCOMPARE(toolkit.messages, shown);
    QCOMPARE(sockets.requestedVersion, quint16(0x0101));
    QCOMPARE(sockets.lookedUp, name.toLatin1());
    // Every start-up that succeeded has been released.
    QCOMPARE(sockets.cleanups, startup == 0 ? sockets.startups : 0);
}

void TestLookup::reachableFirst_data()
{
    QTest::addColumn<QList<QByteArray>>("resolved");
    QTest::addColumn<QList<QByteArray>>("interfaces");
    QTest::addColumn<QByteArray>("first");
    const QByteArray loop("\x7f\x00\x01\x01", 4), lan("\xc0\xa8\x00\x07", 4), other("\x0a\x01\x02\x03", 4);
    QTest::newRow("resolved address is reachable") << QList{other} << QList{lan} << other;
    QTest::newRow("loopback replaced by interface") << QList{loop} << QList{lan, other} << lan;
    QTest::newRow("loopback kept without interfaces") << QList{loop} << QList<QByteArray>{} << loop;
    QTest::newRow("nothing resolved, interface known") << QList<QByteArray>{} << QList{lan} << lan;
    QTest::newRow("nothing at all") << QList<QByteArray>{} << QList<QByteArray>{} << QByteArray();
}

void TestLookup::reachableFirst()
{
    QFETCH(QList<QByteArray>, resolved);
    QFETCH(QList<QByteArray>, interfaces);
    QFETCH(QByteArray, first);
    QCOMPARE(::reachableFirst(resolved, interfaces).value(0), first);
}

KELMO_TEST(TestLookup)
#include "tst_lookup.moc"
