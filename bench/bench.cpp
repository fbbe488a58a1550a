// Kelmo's benchmark: each figure is a median over repeated runs, set beside
// a floor measured in the same run, interleaved with it:
//   start-up      process start to the first paint, against a bare window
//   start-up on a desktop
//                 the same under X with a D-Bus session and accessibility
//                 on, when desktop-session has set one up (KELMO_BENCH_DISPLAY)
//   first map     the shipped program started until its window is on
//                 screen, against the bare window, on that X server: with
//                 the desktop's session bus, and as under plain X, without
//   peak memory   resident memory at that point, against the bare window
//   move latency  a click on one window until the mark is painted on the
//                 other over 127.0.0.1, against a one-byte round trip
//                 between two raw QTcpSockets in the same event loop
//   idle          timer and socket wake-ups of two connected windows in 2 s

#include "game/boardcell.h"
#include "game/form1.h"
#include "fakesocketapi.h"
#include "firstmap.h"
#include "faketoolkit.h"
#include "net/moveexchange.h"
#include "net/winsock.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char **environ;

namespace {

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct StartUp {
    double milliseconds = 0;
    double peakRssKb = 0;
};

// Runs a first-paint probe program; the time is from the spawn to its exit.
StartUp runProbe(const QByteArray &program, ProbeEnvironment &environment)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        qFatal("pipe failed");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 1);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    char *argv[] = {const_cast<char *>(program.constData()), nullptr};

    QElapsedTimer clock;
    clock.start();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv, environment.pointers.data()) != 0)
        qFatal("cannot start %s", argv[0]);
    close(pipeFds[1]);
    int status = 0;
    waitpid(pid, &status, 0);
    StartUp result;
    result.milliseconds = clock.nsecsElapsed() / 1e6;
    posix_spawn_file_actions_destroy(&actions);

    char buffer[256] = {};
    const ssize_t got = read(pipeFds[0], buffer, sizeof buffer - 1);
    close(pipeFds[0]);
    long kb = -1;
    if (got <= 0 || std::sscanf(buffer, "peak-rss-kb %ld", &kb) != 1 || !WIFEXITED(status))
        qFatal("%s did not report its first paint", argv[0]);
    result.peakRssKb = kb;
    return result;
}

template<typename Condition>
void runUntil(Condition condition)
{
    // The heartbeat only makes sure that a step that never ends is noticed.
    QTimer heartbeat;
    heartbeat.start(100);
    QDeadlineTimer deadline(5000);
    while (!condition()) {
        if (deadline.hasExpired())
            qFatal("benchmark step timed out");
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
}

// Lets everything already posted, repaints included, be handled.
void settle()
{
    for (int round = 0; round < 2; ++round) {
        bool fired = false;
        QTimer::singleShot(0, [&] { fired = true; });
        runUntil([&] { return fired; });
    }
}

// Notes when a widget has been painted.
class PaintWatch : public QObject
{
public:
    bool painted = false;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

// Counts the events that wake the windows up.
class WakeUpCounter : public QObject
{
public:
    QList<QObject *> roots;
    int count = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const auto type = event->type();
        if (type == QEvent::Timer || type == QEvent::SockAct || type == QEvent::SockClose) {
            for (QObject *o = watched; o; o = o->parent()) {
                if (roots.contains(o)) {
                    ++count;
                    break;
                }
            }
        }
        return false;
    }
};

void printRow(const char *what, double value, double floor, const char *unit, double target)
{
    std::printf("%-16s %12.1f %12.1f  %-4s %8.2f %9.2f  %s\n", what, value, floor, unit, value / floor, target,
                value / floor <= target ? "ok" : "MISSED");
}

// Start-ups of the two probes, started alternately; medians of each.
struct StartUps {
    std::vector<double> kelmoMs, bareMs, kelmoKb, bareKb;
};

StartUps measureStartUps(const QByteArray &kelmoProbe, const QByteArray &bareProbe, ProbeEnvironment &environment,
                         int count)
{
    StartUps result;
    runProbe(kelmoProbe, environment); // warm the file cache for both
    runProbe(bareProbe, environment);
    for (int i = 0; i < count; ++i) {
        const StartUp bare = runProbe(bareProbe, environment);
        const StartUp kelmo = runProbe(kelmoProbe, environment);
        result.bareMs.push_back(bare.milliseconds);
        result.bareKb.push_back(bare.peakRssKb);
        result.kelmoMs.push_back(kelmo.milliseconds);
        result.kelmoKb.push_back(kelmo.peakRssKb);
    }
    return result;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: kelmo-bench KELMO-PROBE BARE-WINDOW-PROBE KELMO\n");
        return 2;
    }
    const QByteArray kelmoProbe = argv[1];
    const QByteArray bareProbe = argv[2];
    const QByteArray kelmo = argv[3];

    // Start-up and memory, each program started alternately.
    constexpr int startUps = 31;
    ProbeEnvironment offscreen("offscreen");
    const StartUps headless = measureStartUps(kelmoProbe, bareProbe, offscreen, startUps);
    const QByteArray desktopDisplay = qgetenv("KELMO_BENCH_DISPLAY");
    std::optional<StartUps> desktop;
    std::optional<FirstMaps> mapped, mappedPlain;
    if (!desktopDisplay.isEmpty()) {
        ProbeEnvironment x11("xcb", desktopDisplay.constData());
        desktop = measureStartUps(kelmoProbe, bareProbe, x11, startUps);
        ProbeEnvironment plain("xcb", desktopDisplay.constData(), false);
        mapped = measureFirstMaps(kelmo, bareProbe, x11, desktopDisplay, startUps);
        mappedPlain = measureFirstMaps(kelmo, bareProbe, plain, desktopDisplay, startUps);
    }

    QApplication app(argc, argv);
    FakeToolkit toolkit;
    toolkit.defaultAnswer = QStringLiteral("127.0.0.1");
    FakeSocketApi sockets;

    // Two windows connected over 127.0.0.1, greetings exchanged.
    Form1 waiting(toolkit, 0, &sockets);
    waiting.mnusubGame_Click(Form1::WaitingForConnection);
    Form1 connecting(toolkit, waiting.network().listeningPort(), &sockets);
    // The bench moves at once after the greetings, as no person could: that
    // is not to be taken as more of the greeting.
    for (Form1 *form : {&waiting, &connecting})
        form->network().setGreetingWindow(std::chrono::milliseconds(0));
    connecting.mnusubGame_Click(Form1::ConnectToOpponent);
    runUntil([&] { return waiting.network().opponentPresent() && connecting.network().opponentPresent(); });
    connecting.move(300, 0);
    waiting.show();
    connecting.show();
    runUntil([&] { return waiting.isVisible() && connecting.isVisible(); });

    // The raw floor: one byte there and back between two sockets.
    QTcpServer server;
    server.listen(QHostAddress::LocalHost);
    QTcpSocket sender;
    sender.connectToHost(QHostAddress::LocalHost, server.serverPort());
    runUntil([&] { return server.hasPendingConnections(); });
    QTcpSocket *receiver = server.nextPendingConnection();
    for (QTcpSocket *socket : {&sender, receiver})
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    QObject::connect(receiver, &QTcpSocket::readyRead, receiver, [receiver] {
        receiver->write(receiver->readAll());
        receiver->flush();
    });

    constexpr int moves = 401;
    constexpr int cell = 4;
    std::vector<double> moveUs, rawUs;
    PaintWatch watch;
    connecting.Image1[cell]->installEventFilter(&watch);
    QElapsedTimer clock;
    for (int i = 0; i < moves; ++i) {
        // A new game on both boards, then one timed move.
        waiting.mnusubGame_Click(Form1::New);
        runUntil([&] { return connecting.isEmpty(cell); });
        settle();
        watch.painted = false;
        clock.start();
        waiting.Image1_Click(cell);
        runUntil([&] { return connecting.holdsX(cell) && watch.painted; });
        moveUs.push_back(clock.nsecsElapsed() / 1e3);

        clock.start();
        sender.write("4", 1);
        sender.flush();
        runUntil([&] { return sender.bytesAvailable() > 0; });
        sender.readAll();
        rawUs.push_back(clock.nsecsElapsed() / 1e3);
    }

    // Idle: nothing happens for 2 s; count what wakes the windows.
    WakeUpCounter counter;
    counter.roots = {&waiting, &connecting};
    app.installEventFilter(&counter);
    QEventLoop idle;
    QTimer::singleShot(2000, &idle, &QEventLoop::quit);
    idle.exec();
    app.removeEventFilter(&counter);

    std::printf("%-16s %12s %12s  %-4s %8s %9s\n", "measure", "kelmo", "floor", "unit", "ratio", "target");
    printRow("start-up", median(headless.kelmoMs), median(headless.bareMs), "ms", 1.15);
    const auto printDesktopRow = [](const char *what, const auto &times, double target) {
        if (times)
            printRow(what, median(times->kelmoMs), median(times->bareMs), "ms", target);
        else
            std::printf("%-16s %12s %12s  %-4s %8s %9.2f  %s\n", what, "-", "-", "ms", "-", target, "skipped");
    };
    printDesktopRow("start-up desktop", desktop, 1.20);
    printDesktopRow("first map desk.", mapped, 1.20);
    printDesktopRow("first map plainX", mappedPlain, 1.30);
    printRow("peak memory", median(headless.kelmoKb) / 1024, median(headless.bareKb) / 1024, "MiB", 1.10);
    printRow("move latency", median(moveUs), median(rawUs), "us", 1.5);
    std::printf("%-16s %12d %12s  %-4s %8s %9s  %s\n", "idle wake-ups", counter.count, "-", "2 s", "-", "0",
                counter.count == 0 ? "ok" : "MISSED");
    std::printf("(medians of %d interleaved start-ups in each setting and of %d moves)\n", startUps, moves);
    return 0;
}
