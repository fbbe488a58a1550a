#include "faketoolkit.h"
#include "fakesocketapi.h"
#include "game/form1.h"
#include "testmain.h"

#include <QtTest>

Q_DECLARE_METATYPE(std::optional<HostEntry>)

using Shown = FakeToolkit::Shown;
using Icon = Toolkit::Icon;

namespace {

// The address the look-up answers with, once it has.
QString addressOf(Form1 &form)
{
    std::optional<QString> answer;
    form.GetIPAddress([&](const QString &address) { answer = address; });
    if (!QTest::qWaitFor([&] { return answer.has_value(); }, 5000))
        return QStringLiteral("(no answer)");
    return *answer;
}

} // namespace

class TestLookup : public QObject
{
    Q_OBJECT

private slots:
    void bytes_data();
    void bytes();
    void lookups_data();
    void lookups();
    void hostNameFillingTheBuffer();
    void reachableFirst_data();
    void reachableFirst();
};

void TestLookup::bytes_data()
{
    QTest::addColumn<int>("word");
    QTest::addColumn<int>("high");
    QTest::addColumn<int>("low");
    QTest::newRow("version 1.1") << 0x0101 << 1 << 1;
    QTest::newRow("version 2.2") << 0x0202 << 2 << 2;
    QTest::newRow("version 1.0") << 0x0001 << 0 << 1;
    QTest::newRow("largest positive") << 32767 << 127 << 255;
    QTest::newRow("zero") << 0 << 0 << 0;
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
    QCOMPARE(Form1::Hibyte(static_cast<qint16>(word)), high);
    QCOMPARE(Form1::Lobyte(static_cast<qint16>(word)), low);
}

void TestLookup::lookups_data()
{
    QTest::addColumn<int>("startupResult");
    QTest::addColumn<int>("version");
    QTest::addColumn<int>("maxSockets");
    QTest::addColumn<int>("cleanupResult");
    QTest::addColumn<int>("hostNameResult");
    QTest::addColumn<int>("lastError");
    QTest::addColumn<QByteArray>("hostName");
    QTest::addColumn<std::optional<HostEntry>>("host");
    QTest::addColumn<QString>("name");    // GetIPHostName's result
    QTest::addColumn<QString>("address"); // GetIPAddress's result
    QTest::addColumn<QList<Shown>>("messages"); // of both look-ups, in order

    const std::optional<HostEntry> tenOOne = HostEntry{4, {QByteArray("\x0a\x00\x00\x01", 4)}};
    const Shown winsockDown{"Winsock Not Responting", Icon::Exclamation, "ERROR"};

    QTest::newRow("both succeed") << 0 << 0x0101 << 100 << 0 << 0 << 0 << QByteArray("alpha") << tenOOne
                                  << "alpha" << "10.0.0.1" << QList<Shown>{};
    QTest::newRow("name kept as reported") << 0 << 0x0101 << 100 << 0 << 0 << 0 << QByteArray("Beta.Lan.Example") << tenOOne
                                           << "Beta.Lan.Example" << "10.0.0.1" << QList<Shown>{};
    QTest::newRow("newer version") << 0 << 0x0202 << 1 << 0 << 0 << 0 << QByteArray("alpha") << tenOOne
                                   << "alpha" << "10.0.0.1" << QList<Shown>{};
    QTest::newRow("only the first address")
        << 0 << 0x0101 << 100 << 0 << 0 << 0 << QByteArray("alpha")
        << std::optional<HostEntry>(HostEntry{4, {QByteArray("\xc0\xa8\x01\xfe", 4), QByteArray("\x0a\x00\x00\x02", 4)}})
        << "alpha" << "192.168.1.254" << QList<Shown>{};
    QTest::newRow("no address at all") << 0 << 0x0101 << 100 << 0 << 0 << 0 << QByteArray("alpha")
                                       << std::optional<HostEntry>(HostEntry{4, {}}) << "alpha" << "" << QList<Shown>{};
    QTest::newRow("start-up fails") << 10091 << 0x0101 << 100 << 0 << 0 << 0 << QByteArray("alpha") << tenOOne
                                    << "" << "" << QList<Shown>{winsockDown, winsockDown};
    QTest::newRow("no sockets") << 0 << 0x0101 << 0 << 0 << 0 << 0 << QByteArray("alpha") << tenOOne << "" << ""
                                << QList<Shown>{{"Want Winsock at less = 1", Icon::None, "Kelmo"},
                                                {"Want Winsock at less = 1", Icon::None, "Kelmo"}};
    QTest::newRow("negative socket count") << 0 << 0x0101 << -5 << 0 << 0 << 0 << QByteArray("alpha") << tenOOne << "" << ""
                                           << QList<Shown>{{"Want Winsock at less = 1", Icon::None, "Kelmo"},
                                                           {"Want Winsock at less = 1", Icon::None, "Kelmo"}};
    QTest::newRow("version 1.0") << 0 << 0x0001 << 100 << 0 << 0 << 0 << QByteArray("alpha") << tenOOne << "" << ""
                                 << QList<Shown>{{"Version Sockets = 1.0Too Lo", Icon::None, "Kelmo"},
                                                 {"Version Sockets = 1.0Too Lo", Icon::None, "Kelmo"}};
    QTest::newRow("version 0.9") << 0 << 0x0900 << 100 << 0 << 0 << 0 << QByteArray("alpha") << tenOOne << "" << ""
                                 << QList<Shown>{{"Version Sockets = 0.9Too Lo", Icon::None, "Kelmo"},
                                                 {"Version Sockets = 0.9Too Lo", Icon::None, "Kelmo"}};
    QTest::newRow("host name fails") << 0 << 0x0101 << 100 << 0 << -1 << 10093 << QByteArray("alpha") << tenOOne << "" << ""
                                     << QList<Shown>{{"Windows Sockets Error :  10093", Icon::None, "Kelmo"},
                                                     {"Windows Sockets Error :  10093", Icon::None, "Kelmo"}};
    QTest::newRow("negative error code") << 0 << 0x0101 << 100 << 0 << -1 << -7 << QByteArray("alpha") << tenOOne << "" << ""
                                         << QList<Shown>{{"Windows Sockets Error : -7", Icon::None, "Kelmo"},
                                                         {"Windows Sockets Error : -7", Icon::None, "Kelmo"}};
    QTest::newRow("host look-up fails") << 0 << 0x0101 << 100 << 0 << 0 << 0 << QByteArray("alpha")
                                        << std::optional<HostEntry>() << "alpha" << ""
                                        << QList<Shown>{{"Windows Not Responting", Icon::Exclamation, "ERROR"}};
    QTest::newRow("clean-up fails") << 0 << 0x0101 << 100 << 1 << 0 << 0 << QByteArray("alpha") << tenOOne
                                    << "alpha" << "10.0.0.1" << QList<Shown>{winsockDown, winsockDown};
}

void TestLookup::lookups()
{
    QFETCH(int, startupResult);
    QFETCH(int, version);
    QFETCH(int, maxSockets);
    QFETCH(int, cleanupResult);
    QFETCH(int, hostNameResult);
    QFETCH(int, lastError);
    QFETCH(QByteArray, hostName);
    QFETCH(std::optional<HostEntry>, host);
    QFETCH(QString, name);
    QFETCH(QString, address);
    QFETCH(QList<Shown>, messages);

    FakeToolkit toolkit;
    FakeSocketApi sockets;
    sockets.startupResult = startupResult;
    sockets.startupData = {static_cast<quint16>(version), static_cast<qint16>(maxSockets)};
    sockets.cleanupResult = cleanupResult;
    sockets.hostNameResult = hostNameResult;
    sockets.lastError = lastError;
    sockets.hostName = hostName;
    sockets.host = host;

    Form1 form(toolkit, 0, &sockets);
    form.HostName = QStringLiteral("earlier");
    QCOMPARE(form.GetIPHostName(), name);
    QCOMPARE(form.HostName, name.isEmpty() ? QStringLiteral("earlier") : name);
    QCOMPARE(addressOf(form), address);
    QCOMPARE(toolkit.messages, messages);
    QCOMPARE(sockets.requestedVersion, quint16(0x0101));
    QCOMPARE(sockets.lookedUp, name.isEmpty() ? QByteArray() : hostName);
    // Every start-up that succeeded has been released.
    QCOMPARE(sockets.cleanups, startupResult == 0 ? sockets.startups : 0);
}

void TestLookup::hostNameFillingTheBuffer()
{
    FakeToolkit toolkit;
    FakeSocketApi sockets;
    sockets.hostName = QByteArray(300, 'h');
    Form1 form(toolkit, 0, &sockets);
    QCOMPARE(form.GetIPHostName(), QString(255, QLatin1Char('h')));
    QCOMPARE(addressOf(form), QStringLiteral("10.0.0.1"));
    QCOMPARE(sockets.lookedUp, QByteArray(255, 'h'));
}

void TestLookup::reachableFirst_data()
{
    QTest::addColumn<QList<QByteArray>>("resolved");
    QTest::addColumn<QList<QByteArray>>("interfaces");
    QTest::addColumn<QByteArray>("first");

    const QByteArray loop("\x7f\x00\x01\x01", 4);
    const QByteArray lan("\xc0\xa8\x00\x07", 4);
    const QByteArray other("\x0a\x01\x02\x03", 4);
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
    const QList<QByteArray> result = ::reachableFirst(resolved, interfaces);
    QCOMPARE(result.value(0), first);
}

KELMO_TEST(TestLookup)
#include "tst_lookup.moc"
