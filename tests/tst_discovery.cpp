// Finding games on the local network. Plain CTest runs what needs no daemon;
// discovery.sh the rest, in namespaces, as KELMO_AVAHI says.

#include "fakegamediscovery.h"
#include "net/avahidiscovery.h"
#include "network.h"
#include "testmain.h"
#include "toolkit/inputbox.h"

#include <QLineEdit>
#include <QTreeWidget>

#include <atomic>

namespace {

const QByteArray avahi = qgetenv("KELMO_AVAHI");
std::atomic<int> notes = 0; // lines logged in the category kelmo.discovery
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
    bool lists(const QList<InputEntry> &games) const { return box().entries() == games; }
    bool offers(const InputEntry &game) const { return box().entries().contains(game); }
};

// The longest the window's event loop has been kept from running, as a
// player would feel it: how late a timer that should tick every 5 ms ticks.
struct Latency {
    QTimer ticks;
    QElapsedTimer since;
    qint64 worst = 0;
    Latency()
    {
        ticks.setTimerType(Qt::PreciseTimer);
        QObject::connect(&ticks, &QTimer::timeout, [this] { worst = std::max(worst, since.restart() - 5); });
        since.start();
        ticks.start(5);
    }
};

#define NEEDS(environment)                                                                                     \
    if (avahi != environment)                                                                                  \
    QSKIP("run by tests/discovery.sh, inside namespaces of its own")
#define AWAIT(condition) QTRY_VERIFY_WITH_TIMEOUT(condition, 30000)
// The two hosts of twoHosts tell each other what happened, and when, in files.
#define SHARED(name) (qEnvironmentVariable("KELMO_SHARED") + "/" name)
#define MARK(name) QVERIFY(QFile(SHARED(name)).open(QIODevice::WriteOnly))

// Runs a program to its end while the window's event loop goes on.
bool ran(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    const bool ended = QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, 30000);
    return ended && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}
#define DAEMON(...) QVERIFY(ran("avahi-daemon", __VA_ARGS__))
const QStringList kStartDaemon{"--no-drop-root", "--no-chroot", "--no-rlimits", "-D"};
// The daemon has established its host name and serves requests.
const QStringList kDaemonRunning{"-c", "dbus-send --system --print-reply --dest=org.freedesktop.Avahi / "
                                       "org.freedesktop.Avahi.Server.GetState | grep -q 'int32 2'"};

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
    // through loopback as well: it is offered once, where others reach it,
    // on one line that shows nothing but its name.
    void offered_data()
    {
        QTest::addColumn<QList<FoundGame>>("sightings");
        QTest::addColumn<QList<FoundGame>>("offered");
        const FoundGame lo{"Kelmo on alpha", "127.0.0.1"}, lan{"Kelmo on alpha", "10.0.0.5"}, b{"Kelmo on b", "10.0.0.6"};
        const FoundGame alpha{"alpha", "10.0.0.5"};
        QTest::newRow("loopback, then the network") << QList{lo, lan} << QList{alpha};
        QTest::newRow("the network, then loopback") << QList{lan, lo} << QList{alpha};
        QTest::newRow("loopback only") << QList{lo, lo} << QList<FoundGame>{{"alpha", "127.0.0.1"}};
        QTest::newRow("an IPv6 sighting is left out") << QList<FoundGame>{{"Kelmo on b", "fe80::1"}, lan} << QList{alpha};
        QTest::newRow("two names, seen twice") << QList{b, lan, b} << QList<FoundGame>{alpha, {"b", "10.0.0.6"}};
        QTest::newRow("a line break cannot fake a line")
            << QList<FoundGame>{{"Kelmo on alpha (10.103.0.1)\nbeta\u2028\u2029gamma", "10.103.0.3"}}
            << QList<FoundGame>{{"alpha (10.103.0.1) beta gamma", "10.103.0.3"}};
        QTest::newRow("bidi, zero-width, tab and controls")
            << QList<FoundGame>{{"Kelmo on \u202e1.0.301.01\u202c \u200bal\u200dpha\t\x01x\U000E0041", "10.0.0.5"}}
            << QList<FoundGame>{{"1.0.301.01 alpha x", "10.0.0.5"}};
        QTest::newRow("names alike once cleaned are one")
            << QList<FoundGame>{lan, {"Kelmo on al\u200bpha", "10.0.0.5"}, {"Kelmo on alpha\u2060", "10.0.0.7"}}
            << QList<FoundGame>{alpha, {"alpha", "10.0.0.7"}};
        QTest::newRow("a long name is shortened")
            << QList<FoundGame>{{"Kelmo on " + QString(100, 'h'), "10.0.0.5"}}
            << QList<FoundGame>{{QString(39, 'h') + "\u2026", "10.0.0.5"}};
        QList<FoundGame> flood, first;
        for (int i = 0; i < 1000; ++i)
            flood.append({QStringLiteral("Kelmo on %1").arg(i, 4, 10, QLatin1Char('0')), "10.0.0.9"});
        for (int i = 0; i < GameDiscovery::kMaxGames; ++i)
            first.append({QStringLiteral("%1").arg(i, 4, 10, QLatin1Char('0')), "10.0.0.9"});
        QTest::newRow("a thousand games: the first 64") << flood << first;
    }
    void offered()
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
        player->toolkit.defaultAnswer = QStringLiteral("127.0.0.1");
        player->form->setGameDiscovery(&discovery);
        QTcpSocket peer;
        player->choose(Form1::WaitingForConnection);
        QVERIFY(reachWaiting(*player, peer));
        peer.write("beta");
        QTRY_VERIFY(player->form->network().opponentPresent());
        if (left)
            peer.disconnectFromHost();
        QTRY_COMPARE(discovery.published, left ? std::optional(QStringLiteral("Kelmo on alpha")) : std::nullopt);
        chosen < 0 ? player.reset() : player->form->mnusubGame[chosen]->trigger();
        QTEST(discovery.published.has_value(), "offered");
    }

    // The box's field is the player's: games coming and going change neither
    // its text nor its cursor once touched, and Enter takes exactly the text
    // it shows, at once.
    void inputBox_data()
    {
        QTest::addColumn<int>("games");     // games found when the box opens
        QTest::addColumn<QString>("typed"); // then typed, with the cursor then moved home when it ends in '|'
        QTest::addColumn<int>("chosen");    // the entry then chosen, or -1
        QTest::addColumn<QString>("more");  // typed while the list changes twenty times
        QTest::addColumn<QString>("entered");
        QTest::newRow("no game: the box as ever") << 0 << "" << -1 << "" << "0.0.0.0";
        QTest::newRow("one game: Enter takes its address") << 1 << "" << -1 << "" << "10.103.0.1";
        QTest::newRow("two games: Enter takes what is shown") << 2 << "" << -1 << "" << "0.0.0.0";
        QTest::newRow("typing while the list changes") << 1 << "10.103.0.1|" << -1 << "1" << "110.103.0.1";
        QTest::newRow("the cursor moved only") << 2 << "|" << -1 << "5" << "50.0.0.0";
        QTest::newRow("an entry chosen") << 2 << "" << 0 << "" << "10.0.0.6";
        QTest::newRow("an entry chosen, then typed on") << 2 << "" << 1 << "2" << "10.103.0.12";
    }
    void inputBox()
    {
        QFETCH(int, games);
        QFETCH(QString, typed);
        QFETCH(int, chosen);
        const QList<InputEntry> found{{"aaa", "10.0.0.6"}, {"alpha", "10.103.0.1"}};
        const auto offer = [&](InputChoices &choices, qsizetype count) {
            const QList<InputEntry> entries = found.mid(2 - count);
            choices.set(entries, entries.size() == 1 ? entries.first().text : "0.0.0.0");
        };
        InputChoices choices;
        offer(choices, games);
        InputBox box("Input IP Address to Connect", choices.offered(), &choices);
        box.show();
        QVERIFY(QTest::qWaitForWindowActive(&box));
        QCOMPARE(box.list()->isVisible(), games > 0);
        QTest::keyClicks(box.field(), typed.chopped(typed.endsWith('|')));
        if (typed.endsWith('|'))
            QTest::keyClick(box.field(), Qt::Key_Home);
        if (chosen >= 0)
            QTest::mouseClick(box.list()->viewport(), Qt::LeftButton, {},
                              box.list()->visualItemRect(box.list()->topLevelItem(chosen)).center());
        for (int i = 0; i < 20; ++i)
            offer(choices, 1 + i % 2);
        offer(choices, games);
        QFETCH(QString, more);
        QTest::keyClicks(box.field(), more);
        QTest::keyClick(box.field(), Qt::Key_Return);
        QCOMPARE(box.result(), int(QDialog::Accepted));
        QTEST(box.text(), "entered");
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
        Copy connecting("beta", waiting.form->network().listeningPort());
        const QList<InputEntry> entries = avahi == "none" ? QList<InputEntry>() : QList<InputEntry>{{"alpha", "127.0.0.1"}, {"alpha #2", "127.0.0.1"}};
        connecting.toolkit.onInput = [&] {
            AWAIT(connecting.lists(entries));
            QCOMPARE(connecting.box().offered(), QStringLiteral("0.0.0.0"));
            if (avahi == "daemon" && notes >= 1) { // back: games that stop waiting leave the list
                waiting.choose(Form1::OnePlayer);
                namesake.choose(Form1::OnePlayer);
                AWAIT(connecting.box().entries().isEmpty());
            } else if (avahi == "daemon") {
                DAEMON({"-k"});
                AWAIT(notes >= 1); // lost, and said once
            }
        };
        connecting.toolkit.inputAnswers.enqueue(QStringLiteral("127.0.0.1"));
        connecting.choose(Form1::ConnectToOpponent);
        AWAIT(waiting.form->network().opponentPresent() && connecting.form->network().opponentPresent());
        QVERIFY(waiting.toolkit.messages.isEmpty() && connecting.toolkit.messages.isEmpty());
        if (avahi == "daemon")
            DAEMON(kStartDaemon);
        // Waiting again, or the opponent's leaving, offers a game again.
        connecting.choose(Form1::ConnectToOpponent);
        QCOMPARE(connecting.toolkit.prompts.first(), QStringLiteral("Input IP Address to Connect|0.0.0.0"));
        QVERIFY(notes <= 3); // said once for each copy at most, however often tried
    }

    // A daemon that answers nothing, or a flood of games, never holds up the
    // window; a restarted daemon has the game announced again at once.
    void hostileNetwork()
    {
        if (avahi != "hung" && avahi != "flood")
            NEEDS("restart");
        Latency latency;
        auto waiting = std::make_unique<Copy>("alpha", 0);
        if (avahi == "hung")
            QVERIFY(ran("pkill", {"-STOP", "avahi-daemon"}));
        waiting->choose(Form1::WaitingForConnection);
        auto connecting = std::make_unique<Copy>("beta", waiting->form->network().listeningPort());
        connecting->toolkit.onInput = [&] {
            QElapsedTimer clock;
            if (avahi == "flood")
                AWAIT(connecting->box().entries().size() == GameDiscovery::kMaxGames);
            if (avahi == "restart") {
                AWAIT(connecting->offers({"alpha", "127.0.0.1"}));
                DAEMON({"-k"});
                AWAIT(connecting->box().entries().isEmpty());
                DAEMON(kStartDaemon);
                AWAIT(ran("sh", kDaemonRunning));
                clock.start();
                AWAIT(connecting->offers({"alpha", "127.0.0.1"}));
                qInfo("Announced and listed again %lld ms after the daemon ran again", clock.elapsed());
                QVERIFY(clock.elapsed() < 2000);
            }
            QTest::qWait(1000);
        };
        connecting->toolkit.inputAnswers.enqueue(QStringLiteral("127.0.0.1"));
        connecting->choose(Form1::ConnectToOpponent);
        AWAIT(waiting->form->network().opponentPresent());
        connecting->choose(Form1::OnePlayer);
        AWAIT(!waiting->form->network().opponentPresent());
        qInfo("The window waited at most %lld ms", latency.worst);
        QVERIFY2(latency.worst < 100, qPrintable(QStringLiteral("the window waited %1 ms").arg(latency.worst)));
        // Nor does the end of the program wait for a daemon that answers nothing.
        QElapsedTimer ending;
        ending.start();
        connecting.reset();
        waiting.reset();
        QVERIFY2(ending.elapsed() < 2 * AvahiDiscovery::kShutdownWaitMs + 200, qPrintable(QString::number(ending.elapsed())));
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
            QVERIFY2(copy.lists({{"alpha", "10.77.0.1"}}), "not the one game, at its address");
            QCOMPARE(copy.box().offered(), QStringLiteral("10.77.0.1"));
            copy.toolkit.inputAnswers.enqueue(copy.box().offered());
        };
        copy.choose(Form1::ConnectToOpponent);
        AWAIT(copy.form->network().opponentPresent());
        MARK("connected");
    }
};

} // namespace

KELMO_TEST(TestDiscovery)
#include "tst_discovery.moc"
