// Windows playing over 127.0.0.1: against a raw peer that sends what a
// test says, and against each other through a relay that can hold, split
// or merge bytes as a slow or irregular link does.

#include "network.h"
#include "testmain.h"

namespace {

const QString kLeft = QStringLiteral("The opponent has left the game.");
const QString kOutOfStep = QStringLiteral("The two boards are out of step. Choose New to start again on both.");

// Plays a script against one window and the raw peers that reach it. Steps:
//   greet T    a peer reaches the window and greets it with T
//   peer       a peer reaches the window (and reads its greeting)
//   > T        the peer sends T
//   < T        the peer receives exactly T next
//   leave      the peer closes its end
//   click N / new / wait / connect   the player clicks cell N or chooses a command
//   board B    the window's board is B now
//   box { ... } / about { ... } / input { ... }
//              the steps run while the next message box, the About window
//              or the input box is open
class PeerScript
{
public:
    Player window{"alpha", 0};

    void run(const QStringList &steps)
    {
        window.choose(Form1::WaitingForConnection);
        for (int i = 0; i < steps.size(); ++i) {
            const QString step = steps[i];
            if (QTest::currentTestFailed())
                return; // a failed step ends the script
            if (!step.endsWith('{')) {
                play(step);
                continue;
            }
            QStringList block;
            while (steps.value(++i) != "}")
                block.append(steps[i]);
            std::function<void()> inside = [this, block] {
                for (const QString &nested : block) {
                    if (!QTest::currentTestFailed())
                        play(nested);
                }
            };
            if (step == "box {") {
                window.toolkit.onMessage = [this, inside](const QString &) {
                    const std::function<void()> once = inside; // outlives this handler
                    window.toolkit.onMessage = nullptr;
                    once();
                };
            } else if (step == "about {") {
                window.toolkit.onModal = [inside](QDialog &) { inside(); };
                window->mnuAbout->trigger();
            } else {
                window.toolkit.onInput = inside;
            }
        }
    }

private:
    // The window's connection object for the present peer; none once another mode has dropped it.
    const Winsock *connection() const { return window->network().connection() ? &window->network().connection()->socket() : nullptr; }

    void send(const QByteArray &bytes)
    {
        peer->write(bytes);
        if (!connection() || connection()->state() == Winsock::State::Closed)
            return; // dropped with the connection
        sent += bytes.size();
        // Taken, or waiting for a dialog to close.
        QTRY_VERIFY2_WITH_TIMEOUT(connection()->totalBytesTaken() + connection()->BytesReceived() == sent,
                                  qPrintable(where + ": the window did not take what the peer sent"), 20000);
    }

    // Each check names the step that failed: "step 4 (< 1): ...".
    void play(const QString &step)
    {
        where = QStringLiteral("step %1 (%2)").arg(++number).arg(step);
        const QString word = step.section(' ', 0, 0);
        const QString rest = step.section(' ', 1);
        if (word == "greet" || word == "peer") {
            peer = std::make_unique<QTcpSocket>();
            QVERIFY2(reachWaiting(window, *peer), qPrintable(where + ": the window did not greet the peer"));
            sent = connection()->totalBytesTaken();
            if (word == "greet")
                send(rest.toLatin1());
        } else if (word == ">") {
            send(rest.toLatin1()); // one character per byte: "\xff" is the byte 255
        } else if (word == "<") {
            const QByteArray received = readExactly(*peer, rest.size());
            QVERIFY2(received == rest.toLatin1(), qPrintable(where + ": the peer received \"" + received + "\""));
        } else if (word == "leave") {
            peer->disconnectFromHost();
            QTRY_VERIFY2(!connection() || connection()->state() != Winsock::State::Connected, qPrintable(where + ": the window kept the peer"));
        } else if (word == "click") {
            window->Image1_Click(rest.toInt());
        } else if (word == "board") {
            QVERIFY2(window.board() == rest, qPrintable(where + ": the board is " + window.board()));
        } else {
            const QHash<QString, Form1::GameItem> commands{
                {"new", Form1::New}, {"wait", Form1::WaitingForConnection}, {"connect", Form1::ConnectToOpponent}};
            QVERIFY2(commands.contains(word), qPrintable(where + ": no such step"));
            window.choose(commands[word]);
        }
    }

    std::unique_ptr<QTcpSocket> peer;
    qint64 sent = 0;
    int number = 0; // of the step being played
    QString where;  // the step being played, for its checks
};

} // namespace

class TestNetwork : public QObject
{
    Q_OBJECT

private slots:
    void againstAPeer_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("board");
        QTest::addColumn<QStringList>("told");
        QTest::addColumn<QString>("label");

        const QStringList left{kLeft};
        const auto row = [&](const char *name, const QStringList &steps, const char *board, const QStringList &told = {},
                             const QString &label = QStringLiteral("alpha Connected beta")) {
            QTest::newRow(name) << steps << board << told << label;
        };
        const QStringList afterX1{"greet beta", "click 1", "< 1"};

        // Digits after the greeting are messages, one each, until one ends the
        // game (the rules of a run of them: TestGame::opponentMessages).
        row("a burst of games", {"greet beta", "> " + QString("0129").repeated(16384), "leave"}, "###......", {"You Lose", kOutOfStep, kLeft},
            "alpha Waiting...");
        row("a markup greeting is plain text", {QString::fromLatin1("greet <b>x</b>\x01\x1b[2J\xad") + QString(300, 'h')},
            ".........", {}, "alpha Connected <b>x</b>[2J" + QString(255 - 11, 'h'));
        // Connections come and go.
        row("the opponent leaves, another comes", {"greet beta", "click 4", "leave", "board ....X....", "greet host12"},
            ".........", left, "alpha Connected host12");
        row("waiting again drops the opponent", {"greet beta", "click 4", "wait", "peer", "> 8", "> 0"}, "O........", {},
            "alpha Connected 8");
        // While a dialog is open, arrivals wait, each whole, and a peer that
        // leaves has what it sent applied first.
        row("greeted and moved while About is open", {"peer", "about {", "> beta", "> 4", "}"}, "....O....");
        row("moved and left while About is open", {"greet beta", "about {", "> 4", "leave", "}"}, "....O....", left,
            "alpha Waiting...");
        row("New while the result is shown",
            afterX1 + QStringList{"> 3", "click 0", "> 4", "box {", "> 9", "board ###OO....", "}", "click 2"}, ".........",
            {"You Win"});
        // Another mode drops the opponent first: what it sent is no greeting of
        // the new role, and its leaving no news.
        row("the peer leaves while an address is asked for", {"greet beta", "input {", "> 5", "leave", "}", "connect"},
            ".........", {}, "alpha Waiting...");
    }

    void againstAPeer()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, board);
        QFETCH(QStringList, told);
        PeerScript script;
        script.run(steps);
        if (QTest::currentTestFailed())
            return; // the failed step has said what went wrong
        QTRY_COMPARE(script.window.told(), told);
        QTRY_COMPARE(script.window.board(), board);
        QTEST(script.window->Label1->text(), "label");
        QCoreApplication::processEvents();
        QCOMPARE(script.window.told(), told);
    }

    void twoWindows_data()
    {
        // "W n" / "C n": the waiting or connecting player clicks cell n, or New;
        // "hold", "release", "split" the link up (connecting to waiting), down
        // or both; "held up t": the link holds t; "slow": the waiting side takes
        // pieces of a greeting as a real copy does.
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("waitingBoard");
        QTest::addColumn<QString>("connectingBoard");
        QTest::addColumn<QStringList>("waitingTold");
        QTest::addColumn<QStringList>("connectingTold");
        QTest::addColumn<QString>("waitingLabel");

        const QStringList outOfStep{kOutOfStep};
        const auto row = [&](const char *name, const QStringList &steps, const char *waitingBoard,
                             const char *connectingBoard, const QStringList &waitingTold = {},
                             const QStringList &connectingTold = {}, const QString &label = QStringLiteral("alpha Connected pc42")) {
            QTest::newRow(name) << steps << waitingBoard << connectingBoard << waitingTold << connectingTold << label;
        };
        row("the connecting side opens", {"connect", "C 2", "W 6", "W 7"}, "..O...X..", "..O...X..");
        row("a whole game", {"connect", "W 0", "C 3", "W 1", "C 4", "W 2", "W 8", "C 8"}, "###OO....", "###OO....",
            {"You Win"}, {"You Lose"});
        row("New from the waiting side", {"connect", "W 4", "C 0", "W new"}, ".........", ".........");
        row("New from the connecting side", {"connect", "W 4", "C 0", "C new", "C 8"}, "........O", "........O");
        // Over a link that holds what crosses it, moves can cross.
        row("same cell at once", {"connect", "hold both", "W 4", "C 4", "held up 4", "held down 4", "release both"},
            "....X....", "....O....", outOfStep, outOfStep);
        row("different cells at once",
            {"connect", "hold both", "W 4", "C 0", "held up 0", "held down 4", "release both", "W 8"}, "O...X...X",
            "O...X...X", {}, outOfStep);
        row("a move crossing a New",
            {"connect", "hold both", "W 4", "C new", "held up 9", "held down 4", "release both", "W 0"}, "X........",
            "X...X....", {}, outOfStep);
        row("a greeting merged with a move", {"hold up", "connect", "C 4", "held up pc424", "release up", "W 4"},
            "....X....", "....O....", {}, outOfStep, "alpha Connected pc424");
        row("a greeting split into bytes", {"slow", "hold up", "connect", "held up pc42", "split up"}, ".........",
            ".........");
    }

    void twoWindows()
    {
        QFETCH(QStringList, steps);
        Player waiting("alpha", 0);
        waiting.choose(Form1::WaitingForConnection);
        LinkProxy link(waiting->network().listeningPort());
        Player connecting("pc42", link.port());
        connecting.toolkit.inputAnswers.enqueue(QStringLiteral("127.0.0.1"));
        const auto directions = [](const QString &which) {
            return which == "both" ? QList{LinkProxy::Up, LinkProxy::Down}
                                   : QList{which == "up" ? LinkProxy::Up : LinkProxy::Down};
        };
        // Bytes each window has sent, up (connecting to waiting) and down; once
        // the link lets them through, they have been handled on the other side.
        std::array<qint64, 2> sent{};
        QString where; // the step being played, for its checks: "step 3 (W 4)"
        const auto settle = [&] {
            for (LinkProxy::Direction d : {LinkProxy::Up, LinkProxy::Down}) {
                const Player &receiver = d == LinkProxy::Up ? waiting : connecting;
                const auto taken = [&] {
                    const Connection *present = receiver->network().connection();
                    return present ? present->socket().totalBytesTaken() : 0;
                };
                const char *const way = d == LinkProxy::Up ? " up" : " down";
                QTRY_VERIFY2(link.passed(d) + link.held(d).size() == sent[d], qPrintable(where + ": bytes missing on the link" + way));
                if (!link.holds(d))
                    QTRY_VERIFY2(taken() == sent[d], qPrintable(where + ": bytes not taken" + way));
            }
        };
        for (int number = 1; const QString &step : steps) {
            if (QTest::currentTestFailed())
                return; // a failed step ends the script
            where = QStringLiteral("step %1 (%2)").arg(number++).arg(step);
            const QStringList words = step.split(' ');
            if (words[0] == "connect") {
                connecting.choose(Form1::ConnectToOpponent);
                sent = {4, 5}; // the greetings "pc42" and "alpha"
            } else if (words[0] == "slow") {
                waiting->network().setGreetingWindow(MoveExchange::kGreetingWindow);
                continue;
            } else if (words[0] == "held") {
                const QByteArray held = link.held(directions(words[1]).first());
                QVERIFY2(held == words[2].toLatin1(), qPrintable(where + ": the link holds \"" + held + "\""));
            } else if (words[0] == "hold" || words[0] == "release" || words[0] == "split") {
                for (LinkProxy::Direction d : directions(words[1]))
                    words[0] == "hold" ? link.hold(d) : link.release(d, words[0] == "split");
            } else {
                Player &player = words[0] == "W" ? waiting : connecting;
                const QString before = player.board();
                const bool present = player->network().opponentPresent();
                if (words[1] == "new")
                    player.choose(Form1::New);
                else
                    player->Image1_Click(words[1].toInt());
                if (words[1] == "new" ? present : player.board() != before)
                    ++sent[&player == &waiting ? LinkProxy::Down : LinkProxy::Up];
            }
            settle();
        }
        QCoreApplication::processEvents(); // reports come from the event loop
        QCoreApplication::processEvents();
        QTEST(waiting.board(), "waitingBoard");
        QTEST(connecting.board(), "connectingBoard");
        QTEST(waiting.told(), "waitingTold");
        QTEST(connecting.told(), "connectingTold");
        QTEST(waiting->Label1->text(), "waitingLabel");
        QCOMPARE(connecting->Label1->text(), QStringLiteral("pc42 Connected alpha"));
    }
};

KELMO_TEST(TestNetwork)
#include "tst_network.moc"
