// Finding games on the local network. Plain CTest runs what needs no daemon;
// discovery.sh the rest, in namespaces, as KELMO_AVAHI says.

#include "fakegamediscovery.h"
#include "net/avahidiscovery.h"
#include "network.h"
#include "testmain.h"

namespace {

const QByteArray avahi = qgetenv("KELMO_AVAHI");
int notes = 0; // lines logged in the category kelmo.discovery
QtMessageHandler otherMessages = nullptr;

// A copy of the game that announces and finds games through Avahi.
struct Copy : Player {
    AvahiDiscovery discovery;
    Copy(const QByteArray &host, quint16 port)
        : Player(host, port)
    {
        form->setGameDiscovery(&discovery);
    }
    const InputChoices &box() const { return *toolkit.openChoices; }
};

#define NEEDS(environment)                                                                                     \
    if (avahi != environment)                                                                                  \
    QSKIP("run by tests/discovery.sh, inside namespaces of its own")
#define AWAIT(condition) QTRY_VERIFY_WITH_TIMEOUT(condition, 30000)
// The two hosts of twoHosts tell each other what happened, and when, in files.
#define SHARED(name) (qEnvironmentVariable("KELMO_SHARED") + "/" name)
#define MARK(name) QVERIFY(QFile(SHARED(name)).open(QIODevice::WriteOnly))

class TestDiscovery : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("kelmo.discovery.debug=true"));
        otherMessages = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &text) {
            qstrcmp(context.category, "kelmo.discovery") == 0 ? void(++notes) : otherMessages(type, context, text);
        });
    }

    // A game is seen once per interface and protocol, and on its own host
    // through loopback as well: it is offered once, where others reach it.
    void oneGamePerName_data()
    {
        QTest::addColumn<QList<FoundGame>>("sightings");
        QTest::addColumn<QList<FoundGame>>("offered");
        const FoundGame lo{"Kelmo on alpha", "127.0.0.1"}, lan{"Kelmo on alpha", "10.0.0.5"}, b{"Kelmo on b", "10.0.0.6"};
        QTest::newRow("loopback, then the network") << QList{lo, lan} << QList{lan};
        QTest::newRow("the network, then loopback") << QList{lan, lo} << QList{lan};
        QTest::newRow("loopback only") << QList{lo, lo} << QList{lo};
        QTest::newRow("two names, seen twice") << QList{b, lan, b} << QList{lan, b};
    }
    void oneGamePerName()
    {
        QFETCH(QList<FoundGame>, sightings);
        FakeGameDiscovery discovery;
        discovery.setGames(sightings);
        QTEST(discovery.games(), "offered");
    }

    // The waiting side offers its game exactly while it listens with no
    // opponent, and not once the program ends.
    void announcing_data()
    {
        QTest::addColumn<bool>("left");  // the opponent leaves first
        QTest::addColumn<int>("chosen"); // the Game menu item then chosen, -1: the program ends
        QTest::addColumn<bool>("offered");
        QTest::newRow("opponent left") << true << int(Form1::New) << true;
        QTest::newRow("waiting chosen again") << false << int(Form1::WaitingForConnection) << true;
        QTest::newRow("one player") << true << int(Form1::OnePlayer) << false;
        QTest::newRow("connecting") << true << int(Form1::ConnectToOpponent) << false;
        QTest::newRow("program ends") << true << -1 << false;
    }
    void announcing()
    {
        QFETCH(bool, left);
        QFETCH(int, chosen);
        FakeGameDiscovery discovery;
        auto player = std::make_unique<Player>("alpha", 0);
        player->form->setGameDiscovery(&discovery);
        QTcpSocket peer;
        connectRawPeer(*player, peer);
        if (left)
            peer.disconnectFromHost();
        QTRY_COMPARE(discovery.published, left ? std::optional(QStringLiteral("Kelmo on alpha")) : std::nullopt);
        chosen < 0 ? player.reset() : player->form->mnusubGame[chosen]->trigger();
        QTEST(discovery.published.has_value(), "offered");
    }

    // Without a daemon ("none"), or when it goes during a browse ("daemon"),
    // the player sees nothing change; a daemon that comes back is used again.
    // Of two games of one name, the second takes Avahi's alternative.
    void withoutDaemon()
    {
        if (avahi != "none")
            NEEDS("daemon");
        Copy waiting("alpha", 0), namesake("alpha", 0);
        waiting.choose(Form1::WaitingForConnection);
        namesake.choose(Form1::WaitingForConnection);
        Copy connecting("beta", waiting.form->wsListen->listeningPort());
        QStringList entries = avahi == "none" ? QStringList() : QStringList{"alpha (127.0.0.1)", "alpha #2 (127.0.0.1)"};
        connecting.toolkit.onInput = [&] {
            QTRY_COMPARE_WITH_TIMEOUT(connecting.box().entries(), entries, 30000);
            QCOMPARE(connecting.box().offered(), QStringLiteral("0.0.0.0"));
            if (avahi == "daemon" && notes == 3) { // back: games that stop waiting leave the list
                waiting.choose(Form1::OnePlayer);
                namesake.choose(Form1::OnePlayer);
                AWAIT(connecting.box().entries().isEmpty());
            } else if (avahi == "daemon") {
                QCOMPARE(QProcess::execute("avahi-daemon", {"-k"}), 0);
                QTRY_COMPARE_WITH_TIMEOUT(notes, 3, 30000); // each copy lost it, and says so once
                QCOMPARE(connecting.box().entries(), entries);
            }
        };
        connecting.toolkit.inputAnswers.enqueue(entries.value(0, QStringLiteral("127.0.0.1")));
        connecting.choose(Form1::ConnectToOpponent);
        AWAIT(waiting.form->opponentPresent() && connecting.form->opponentPresent());
        QVERIFY(waiting.toolkit.messages.isEmpty() && connecting.toolkit.messages.isEmpty());
        if (avahi == "daemon") {
            QCOMPARE(QProcess::execute("avahi-daemon", {"--no-drop-root", "--no-chroot", "--no-rlimits", "-D"}), 0);
            namesake.choose(Form1::WaitingForConnection);
        }
        // Waiting again, or the opponent's leaving, offers a game again,
        // through a new client.
        connecting.choose(Form1::ConnectToOpponent);
        QCOMPARE(connecting.toolkit.prompts.first(), QStringLiteral("Input IP Address to Connect|0.0.0.0"));
        QCOMPARE(notes, 3); // once for each copy, however often tried
    }

    // Two hosts on one link: the game shows in the other's list, and is
    // chosen from it. Measures how long it takes to show.
    void twoHosts()
    {
        if (avahi != "wait")
            NEEDS("connect");
        Copy copy(avahi == "wait" ? "alpha" : "beta", Form1::kGamePort);
        if (avahi == "wait") {
            AWAIT(QFile::exists(SHARED("browsing")));
            MARK("waiting");
            copy.choose(Form1::WaitingForConnection);
            AWAIT(QFile::exists(SHARED("connected")));
            return;
        }
        copy.toolkit.onInput = [&] {
            MARK("browsing");
            AWAIT(!copy.box().entries().isEmpty());
            qInfo("Listed %lld ms after it began to wait",
                  QFileInfo(SHARED("waiting")).lastModified().msecsTo(QDateTime::currentDateTime()));
            QCOMPARE(copy.box().entries(), QStringList{"alpha (10.77.0.1)"});
            QCOMPARE(copy.box().offered(), QStringLiteral("10.77.0.1"));
            copy.toolkit.inputAnswers.enqueue(copy.box().entries().first());
        };
        copy.choose(Form1::ConnectToOpponent);
        AWAIT(copy.form->opponentPresent());
        MARK("connected");
    }
};

} // namespace

KELMO_TEST(TestDiscovery)
#include "tst_discovery.moc"
