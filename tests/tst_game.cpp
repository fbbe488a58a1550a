// The main window as the player meets it: its start, its pictures, the win
// check and the computer on its cells, clicks in each mode, and the Game
// menu.

#include "boards.h"
#include "fakesocketapi.h"
#include "game/dialogs.h"
#include "faketoolkit.h"
#include "net/moveexchange.h"
#include "net/winsock.h"
#include "testmain.h"
#include "toolkit/pictures.h"

#include <QMenuBar>
#include <QTcpServer>
#include <QtTest>

namespace {

// Flags written as letters: g GameOn, x XTurn, f FirstMove, p ComPlay,
// and, read back, c for ComMove enabled.
void setFlags(Form1 &form, const QString &flags)
{
    form.GameOn = flags.contains('g');
    form.XTurn = flags.contains('x');
    form.FirstMove = flags.contains('f');
    form.ComPlay = flags.contains('p');
}

QString flagsOf(const Form1 &form)
{
    return QString(form.GameOn ? "g" : "") + (form.XTurn ? "x" : "") + (form.FirstMove ? "f" : "")
        + (form.mnuComMove->isEnabled() ? "c" : "") + (form.ComPlay ? "p" : "");
}

// What the player does, and what the window then shows.
struct Play {
    Form1::GameItem mode = Form1::OnePlayer;
    QString board = QString(9, '.'), flags = "gxfp";
    QList<double> draws = {}; // then 0.0
    QList<int> actions = {};  // cells clicked, or kComputer / kComMove
    QString after = {}, flagsAfter = {}, told = {};
    int drawn = 0;
};
constexpr int kComputer = -1; // ComputerMove itself
constexpr int kComMove = -2;  // the ComMove command

// A Game menu command chosen in a window that was in mode `start`, with a
// mark on the board; what the window then shows, and has open.
struct Command {
    QString start; // "one won", "two", "wait" or "connect"
    Form1::GameItem item;
    QString after = QString(9, '.');
    Form1::GameItem checked;
    QString flagsAfter;
    QString labels = "|"; // Label1|Label2, right after the command
    QString open = {};    // what listens (l) and connects (c) then
    QString told = {};    // how the one report begins
    enum { Free, Silent, Closing } port = Free; // what listens where the window connects and waits
    bool cancelled = false;                     // the address box is cancelled
};

} // namespace

Q_DECLARE_METATYPE(Play)
Q_DECLARE_METATYPE(Command)

class TestGame : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::Any));
        freePort = probe.serverPort();
    }

    void startState()
    {
        FakeToolkit toolkit;
        Form1 form(toolkit);
        QCOMPARE(toolkit.randomizeCalls, 1);
        QCOMPARE(form.windowTitle(), QStringLiteral("Kelmo"));
        QCOMPARE(textFromBoard(form.board()), QStringLiteral("........."));
        QCOMPARE(flagsOf(form), QStringLiteral("gxfcp"));
        QVERIFY(!form.network().connection());
        QVERIFY(form.Label1->text().isEmpty() && form.Label2->text().isEmpty());

        // The Game menu, by the indices the game has always used.
        const QStringList captions{"&New",         {}, {}, "Normal Mode", "  One Player", "  Two Players", {},
                                   "Network Mode", "  Waiting for Connection", "  Connect to Opponent"};
        QVERIFY(!form.mnusubGame[1] && form.mnusubGame[2]->isSeparator() && form.mnusubGame[6]->isSeparator());
        for (int i : {0, 3, 4, 5, 7, 8, 9}) {
            QCOMPARE(form.mnusubGame[i]->text(), captions[i]);
            QCOMPARE(form.mnusubGame[i]->isChecked(), i == Form1::OnePlayer);
        }
        QCOMPARE(form.mnusubGame[Form1::New]->shortcut(), QKeySequence(Qt::Key_F2));
        const QList<QAction *> bar = form.menuBar()->actions();
        QCOMPARE(bar.mid(1), (QList<QAction *>{form.mnuComMove, form.mnuAbout}));
        QCOMPARE(bar[0]->text() + bar[1]->text() + bar[2]->text(), QStringLiteral("&Game&ComMove&About"));

        // Eleven pictures, one of each, 42 x 42 at any pixel ratio.
        const QList<const Picture *> struck{&form.Xrmlm, &form.Xctcb, &form.Xrtlb, &form.Xrblt,
                                            &form.Ormlm, &form.Octcb, &form.Ortlb, &form.Orblt};
        QSet<qint32> handles;
        for (const Picture *picture : struck + QList<const Picture *>{&form.X, &form.O, &form.PicEmpty}) {
            QCOMPARE(picture->pixmap().deviceIndependentSize(), QSizeF(42, 42));
            handles.insert(picture->Handle());
        }
        QCOMPARE(handles.size(), 11);
        // Drawn in the screen's own pixels: not 42 pixels upscaled.
        QCOMPARE(pictures::mark(kelmo::Mark::O, kelmo::Stroke::Rising, 2).size(), QSize(84, 84));

        // The colour at a point of a picture: (w)hite, (b)lack, (r)ed or
        // something between.
        const auto at = [](const Picture &picture, qreal x, qreal y) {
            const QImage image = picture.pixmap().toImage();
            const qreal ratio = image.devicePixelRatio();
            const QColor c = image.pixelColor(int(x * ratio), int(y * ratio));
            return c == Qt::white ? 'w' : c.lightness() < 60 ? 'b' : c.red() > 200 && c.green() < 80 ? 'r' : '?';
        };
        const std::string colours{at(form.X, 21, 21), at(form.O, 13, 21), at(form.O, 21, 21), at(form.PicEmpty, 21, 21)};
        QCOMPARE(colours, std::string("brww"));
        // Each strike picture is its plain mark with a stroke in the mark's
        // colour that reaches the edges where the stroke should run.
        const qreal e = 41.5;
        const QList<std::pair<QPointF, QPointF>> ends{
            {{0.5, 21}, {e, 21}}, {{21, 0.5}, {21, e}}, {{0.5, 0.5}, {e, e}}, {{0.5, e}, {e, 0.5}}};
        for (int i = 0; i < 8; ++i) {
            for (QPointF p : {ends[i % 4].first, ends[i % 4].second})
                QVERIFY(at(form.X, p.x(), p.y()) == 'w' && at(*struck[i], p.x(), p.y()) == (i < 4 ? 'b' : 'r'));
        }
    }

    void youWin_data()
    {
        QTest::addColumn<QString>("board");
        QTest::addColumn<QString>("holder"); // the strike holder; empty: no line
        QTest::addColumn<QList<int>>("cells");

        QTest::newRow("X row") << "XXXOO...." << "Xrmlm" << QList<int>{0, 1, 2};
        QTest::newRow("O column, a line of X struck") << "XOX.O.#O#" << "Octcb" << QList<int>{1, 4, 7};
        QTest::newRow("X falling") << "XO.OX...X" << "Xrtlb" << QList<int>{0, 4, 8};
        QTest::newRow("O rising") << "XXO.O.O.." << "Orblt" << QList<int>{2, 4, 6};
        QTest::newRow("full board, no line") << "XOXXOOOXX" << "" << QList<int>{};
    }

    void youWin()
    {
        QFETCH(QString, board);
        QFETCH(QString, holder);
        QFETCH(QList<int>, cells);
        FakeToolkit toolkit;
        Form1 form(toolkit);
        const QHash<QString, const Picture *> holders{
            {"Xrmlm", &form.Xrmlm}, {"Xctcb", &form.Xctcb}, {"Xrtlb", &form.Xrtlb}, {"Xrblt", &form.Xrblt},
            {"Ormlm", &form.Ormlm}, {"Octcb", &form.Octcb}, {"Ortlb", &form.Ortlb}, {"Orblt", &form.Orblt}};
        setBoard(form, board);
        form.GameOn = false; // looked at all the same

        QCOMPARE(form.YouWin(), !holder.isEmpty());
        for (int i = 0; i < 9; ++i) {
            if (cells.contains(i))
                QCOMPARE(form.Image1[i]->picture(), holders[holder]);
            else
                QCOMPARE(form.board()[i], boardFromText(board)[i]);
        }
        // A second look finds nothing more and changes nothing.
        form.GameOn = true;
        const kelmo::Board after = form.board();
        QVERIFY(!form.YouWin());
        QCOMPARE(form.board(), after);
        QVERIFY(form.GameOn);
    }

    void play_data()
    {
        QTest::addColumn<Play>("play");
        const auto two = Form1::TwoPlayers;
        const auto row = [](const char *name, const Play &play) { QTest::newRow(name) << play; };
        // One Player: the computer answers each X; the drawn cell counts only
        // when nothing is to complete or block and the centre is taken.
        row("a win", {.draws = {0, 0.25, 0}, .actions = {0, 8, 6, 3}, .after = "#.O#O.#OX", .told = "You Win", .drawn = 3});
        row("a loss", {.draws = {0, 0, 0}, .actions = {1, 6, 3, 2, 4}, .after = "#X.X#.X.#", .flagsAfter = "x", .told = "You Lose", .drawn = 3});
        row("a full board", {.actions = {0, 8, 7, 2, 3}, .after = "XOXXOOOXX", .flagsAfter = "gxc", .drawn = 5});
        row("the last cell", {.board = "XOXXOOOX.", .flags = "gxp", .actions = {8}, .after = "XOXXOOOXX", .flagsAfter = "gxc", .drawn = 1});
        row("occupied", {.board = "X...O....", .actions = {0}, .after = "X...O....", .flagsAfter = "gxcp"});
        row("struck", {.board = "###OO....", .actions = {1}, .after = "###OO....", .flagsAfter = "gxcp"});
        row("O to move", {.flags = "gfp", .actions = {0}, .after = ".........", .flagsAfter = "gcp"});
        row("game over", {.board = "###OO....", .flags = "xfp", .actions = {5}, .after = "###OO....", .flagsAfter = "xcp"});
        // Two Players: turns alternate, and FirstMove is never touched.
        row("X wins", {.mode = two, .flags = "gxf", .actions = {0, 3, 1, 4, 2}, .after = "###OO....", .flagsAfter = "f", .told = "X Win"});
        row("O wins", {.mode = two, .flags = "gxf", .actions = {0, 1, 2, 4, 5, 7}, .after = "X#X.#X.#.", .flagsAfter = "xf", .told = "O Win"});
        row("occupied keeps the turn", {.mode = two, .flags = "gxf", .actions = {4, 4, 0}, .after = "O...X....", .flagsAfter = "gxf"});
        row("two players, game over", {.mode = two, .board = "###OO....", .flags = "xf", .actions = {5}, .after = "###OO....", .flagsAfter = "xf"});
        // The computer on its own, one draw per call: X first when X is to
        // move, then O.
        row("O in the centre", {.flags = "gfp", .draws = {0}, .actions = {kComputer}, .after = "....O....", .flagsAfter = "gxc", .drawn = 1});
        row("X, then O on the drawn cell", {.draws = {0.95}, .actions = {kComputer}, .after = "....X...O", .flagsAfter = "gxc", .drawn = 1});
        row("X took the drawn cell: O falls back", {.board = "....O....", .draws = {0}, .actions = {kComputer}, .after = "XO..O....", .flagsAfter = "gxc", .drawn = 1});
        row("X that wins", {.board = "XX.OO....", .draws = {0}, .actions = {kComputer}, .after = "###OO....", .flagsAfter = "fp", .told = "You Win", .drawn = 1});
        row("O that wins", {.board = "XX.OO.X..", .flags = "gfp", .draws = {0}, .actions = {kComputer}, .after = "XX.###X..", .flagsAfter = "x", .told = "You Lose", .drawn = 1});
        row("X blocks, O wins", {.board = "OO.XOX...", .draws = {0}, .actions = {kComputer}, .after = "O#XX#X.#.", .flagsAfter = "x", .told = "You Lose", .drawn = 1});
        row("a full board, passed", {.board = "XOXXOOOXX", .draws = {0.5}, .actions = {kComputer}, .after = "XOXXOOOXX", .flagsAfter = "gxc", .drawn = 1});
        row("a finished game", {.board = "###OO....", .flags = "fp", .draws = {0.5}, .actions = {kComputer}, .after = "###OO....", .flagsAfter = "c", .drawn = 1});
        row("ComPlay false", {.board = "X........", .flags = "gf", .draws = {0.5}, .actions = {kComputer}, .after = "X........", .flagsAfter = "gc", .drawn = 1});
        row("ComMove opens, the player answers", {.actions = {kComMove, 0}, .after = "XO..O....", .flagsAfter = "gxc", .drawn = 2});
    }

    void play()
    {
        QFETCH(Play, play);
        FakeToolkit toolkit;
        Form1 form(toolkit);
        form.mnusubGame[play.mode]->trigger();
        setBoard(form, play.board);
        setFlags(form, play.flags);
        toolkit.draws.append(play.draws);
        for (int action : play.actions) {
            if (action == kComputer)
                form.ComputerMove();
            else if (action == kComMove)
                form.mnuComMove->trigger();
            else
                form.Image1_Click(action);
        }
        QCOMPARE(textFromBoard(form.board()), play.after);
        QCOMPARE(flagsOf(form), play.flagsAfter);
        const QList<FakeToolkit::Shown> told{{play.told, Toolkit::Icon::None, "Kelmo"}};
        QCOMPARE(toolkit.messages, play.told.isEmpty() ? QList<FakeToolkit::Shown>() : told);
        QCOMPARE(toolkit.drawCount, play.drawn);
    }

    // The game against a network part that no connection drives: the test
    // raises its signals. Without a role, the opponent plays X.
    void opponentMessages_data()
    {
        QTest::addColumn<QStringList>("arrivals"); // digits, or "greet NAME"
        QTest::addColumn<QString>("board");
        QTest::addColumn<QStringList>("told");
        const QString outOfStep = "The two boards are out of step. Choose New to start again on both.";
        const auto row = [](const char *name, const QStringList &arrivals, const char *board, const QStringList &told = {}) {
            QTest::newRow(name) << arrivals << board << told; };
        row("a second move in a row is out of step", {"4", "0"}, "X...X....", {outOfStep});
        row("New starts the turns afresh", {"4", "9", "0"}, "X........");
        row("a greeting starts afresh", {"4", "greet beta", "0"}, "X........");
        row("the rest after a win is dropped", {"0128"}, "###......", {"You Lose", outOfStep});
        row("a second loss is not told", {"012", "9345"}, "...###...", {"You Lose", outOfStep});
    }

    void opponentMessages()
    {
        QFETCH(QStringList, arrivals);
        QFETCH(QStringList, told);
        FakeToolkit toolkit;
        Form1 form(toolkit);
        for (const QString &arrival : arrivals) {
            if (arrival.startsWith("greet "))
                emit form.network().opponentGreeted(arrival.mid(6));
            else
                emit form.network().messagesArrived(parseArrival(arrival, false));
        }
        QTEST(textFromBoard(form.board()), "board");
        QTRY_COMPARE(toolkit.texts(), told); // reports come from the event loop
        QCoreApplication::processEvents();
        QCOMPARE(toolkit.texts(), told); // and no more of them
    }

    // Reports wait for the open dialog to close, then come one at a time, once each.
    void reportsWaitTheirTurn()
    {
        FakeToolkit toolkit;
        Dialogs dialogs(toolkit, nullptr);
        QStringList shownInside;
        toolkit.onMessage = [&](const QString &text) {
            if (text != "box")
                return;
            for (const char *report : {"a", "a", "b"})
                dialogs.report(report);
            QCoreApplication::processEvents(); // the box's own event loop
            shownInside = toolkit.texts();
        };
        dialogs.messageBox("box");
        QCOMPARE(shownInside, QStringList{"box"});
        QTRY_COMPARE(toolkit.texts(), (QStringList{"box", "a", "b"}));
    }

    // A click is a left press and release on the same cell, wherever the
    // window shows it: on the grid line between two cells too.
    void mouseClicks()
    {
        FakeToolkit toolkit;
        Form1 form(toolkit);
        form.mnusubGame[Form1::TwoPlayers]->trigger();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTest::mousePress(form.Image1[0], Qt::LeftButton, {}, QPoint(21, 21));
        QTest::mouseRelease(form.Image1[0], Qt::LeftButton, {}, QPoint(101, 21));
        QTest::mouseClick(form.Image1[0], Qt::RightButton, {}, QPoint(21, 21));
        QCOMPARE(textFromBoard(form.board()), QStringLiteral("........."));
        const QPoint board = form.Image1[0]->pos() - QPoint(24, 24); // wherever the window centres it
        const auto clickAt = [&](QPoint onBoard) {
            QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, form.centralWidget()->mapTo(&form, board + onBoard));
        };
        for (QPoint p : {QPoint(64, 45), QPoint(160, 100), QPoint(84, 10), QPoint(125, 125)})
            clickAt(p);
        QCOMPARE(textFromBoard(form.board()), QStringLiteral(".X......O"));
    }

    void commands_data()
    {
        QTest::addColumn<Command>("command");
        // Nothing listens where the window connects: the attempt is refused.
        const QString refused = QStringLiteral("Cannot connect to 127.0.0.1: Connection refused.");
        const QString waiting = QStringLiteral("alpha Waiting...|");
        const QString connecting = QStringLiteral("alpha Connecting|");
        const auto one = Form1::OnePlayer, two = Form1::TwoPlayers, wait = Form1::WaitingForConnection,
                   connect = Form1::ConnectToOpponent, New = Form1::New;
        const auto row = [](const char *name, const Command &command) { QTest::newRow(name) << command; };
        row("New after a One Player win", {.start = "one won", .item = New, .checked = one, .flagsAfter = "gxfc"});
        row("New in Two Players", {.start = "two", .item = New, .checked = two, .flagsAfter = "gxf"});
        row("New while waiting: nobody to tell", {.start = "wait", .item = New, .checked = wait, .flagsAfter = "gxfp", .labels = waiting, .open = "l"});
        row("New after a refused attempt", {.start = "connect", .item = New, .checked = connect, .flagsAfter = "gxfp"});
        row("One Player again", {.start = "one won", .item = one, .checked = one, .flagsAfter = "gxfcp"});
        row("One Player from waiting", {.start = "wait", .item = one, .checked = one, .flagsAfter = "gxfcp"});
        row("Two Players from One Player", {.start = "one won", .item = two, .checked = two, .flagsAfter = "gxf"});
        row("Two Players from waiting", {.start = "wait", .item = two, .checked = two, .flagsAfter = "gxf"});
        row("Waiting from One Player", {.start = "one won", .item = wait, .checked = wait, .flagsAfter = "gxf", .labels = waiting, .open = "l"});
        row("Waiting again keeps listening", {.start = "wait", .item = wait, .checked = wait, .flagsAfter = "gxfp", .labels = waiting, .open = "l"});
        row("Waiting after connecting", {.start = "connect", .item = wait, .checked = wait, .flagsAfter = "gxfp", .labels = waiting, .open = "l"});
        row("Connect from Two Players", {.start = "two", .item = connect, .checked = connect, .flagsAfter = "gxf", .labels = connecting, .open = "c", .told = refused});
        row("Connect from waiting", {.start = "wait", .item = connect, .checked = connect, .flagsAfter = "gxfp", .labels = connecting, .open = "c", .told = refused});
        row("Connect, cancelled: back to Two Players", {.start = "two", .item = connect, .checked = two, .flagsAfter = "gxf", .cancelled = true});
        row("Connect, cancelled: back to waiting",
            {.start = "wait", .item = connect, .checked = wait, .flagsAfter = "gxfp", .labels = waiting, .open = "l", .cancelled = true});
        row("Connect to a host that never greets",
            {.start = "two", .item = connect, .checked = connect, .flagsAfter = "gxf", .labels = connecting, .open = "c",
             .told = "No greeting came from 127.0.0.1 within 1 second: it is busy", .port = Command::Silent});
        row("Connect to a host that closes at once",
            {.start = "two", .item = connect, .checked = connect, .flagsAfter = "gxf", .labels = connecting, .open = "c",
             .told = "127.0.0.1 is busy with another game", .port = Command::Closing});
        row("Waiting where the port is taken", {.start = "two", .item = wait, .after = "....X....", .checked = two, .flagsAfter = "gf",
                                                  .told = "Cannot wait for an opponent on port ", .port = Command::Silent});
        row("Waiting where the port is taken, from connecting",
            {.start = "connect", .item = wait, .after = "....X....", .checked = connect, .flagsAfter = "gfp",
             .told = "Cannot wait for an opponent on port ", .port = Command::Silent});
        row("Normal Mode heading", {.start = "two", .item = Form1::NormalModeHeading, .after = "....X....", .checked = two, .flagsAfter = "gf"});
        row("Network Mode heading",
            {.start = "wait", .item = Form1::NetworkModeHeading, .after = "....X....", .checked = wait, .flagsAfter = "gfp", .labels = waiting, .open = "l"});
    }

    void commands()
    {
        QFETCH(Command, command);
        FakeToolkit toolkit;
        FakeSocketApi sockets;
        Form1 form(toolkit, freePort, &sockets);
        toolkit.defaultAnswer = QStringLiteral("127.0.0.1");
        if (command.start == "one won") {
            for (int cell : {0, 1, 3}) // the computer wins along the rising diagonal
                form.Image1_Click(cell);
        } else {
            form.mnusubGame[command.start == "two" ? Form1::TwoPlayers
                            : command.start == "wait" ? Form1::WaitingForConnection
                                                      : Form1::ConnectToOpponent]->trigger();
            if (command.start == "connect")
                QTRY_COMPARE(toolkit.messages.size(), 1); // refused
            setBoard(form, QStringLiteral("....X...."));
            form.XTurn = false;
        }
        if (command.cancelled)
            toolkit.defaultAnswer.clear();
        toolkit.messages.clear();
        form.network().setGreetingTimeout(100);
        QTcpServer holder;
        QVERIFY(command.port == Command::Free || holder.listen(QHostAddress::Any, freePort));
        if (command.port == Command::Closing)
            connect(&holder, &QTcpServer::newConnection, this, [&] { holder.nextPendingConnection()->close(); });

        form.mnusubGame[command.item]->trigger();
        QCOMPARE(textFromBoard(form.board()), command.after);
        // Every item's check, not only the mode read from them.
        QStringList checked;
        for (const QAction *item : form.mnusubGame) {
            if (item && item->isChecked())
                checked.append(item->text().trimmed());
        }
        QCOMPARE(checked.join(" + "), form.mnusubGame[command.checked]->text().trimmed());
        QCOMPARE(flagsOf(form), command.flagsAfter);
        QCOMPARE(form.Label1->text() + '|' + form.Label2->text(), command.labels);
        const Connection *connection = form.network().connection();
        QCOMPARE(QString(form.network().listeningPort() ? "l" : "")
                     + (connection && connection->socket().state() != Winsock::State::Closed ? "c" : ""),
                 command.open);
        QCoreApplication::processEvents(); // reports come from the event loop
        QCoreApplication::processEvents();
        QTRY_COMPARE(toolkit.texts().size(), command.told.isEmpty() ? 0 : 1);
        QVERIFY2(toolkit.texts().value(0).startsWith(command.told), qPrintable(toolkit.texts().value(0)));
        if (command.labels.startsWith("alpha Waiting"))
            QTRY_COMPARE(form.Label2->text(), QStringLiteral("IP Address 10.0.0.1"));
        if (!command.told.isEmpty()) // the status lines tell that nothing is connecting, or waiting
            QCOMPARE(form.Label1->text(), QString());
        QCOMPARE(form.network().lastSent(), QString());
        if (command.item == Form1::ConnectToOpponent)
            QCOMPARE(toolkit.prompts.last(), QStringLiteral("Input IP Address to Connect|0.0.0.0"));
        // Each start-up of the socket calls is released, a look-up left behind
        // once it answers.
        QTRY_COMPARE(sockets.startups, sockets.cleanups);
    }

    // Resolving the host's name may take the system seconds: the window goes on
    // meanwhile, the address comes when it is found, and a look-up that the
    // player left behind by choosing another mode tells nothing.
    void addressLookUpKeepsTheWindowAnswering()
    {
        FakeToolkit toolkit;
        FakeSocketApi sockets;
        sockets.answerLater = true;
        Form1 form(toolkit, 0, &sockets);
        form.mnusubGame[Form1::WaitingForConnection]->trigger();
        QCOMPARE(form.Label1->text() + '|' + form.Label2->text(), QStringLiteral("alpha Waiting...|"));
        sockets.answer();
        QTRY_COMPARE(form.Label2->text(), QStringLiteral("IP Address 10.0.0.1"));

        sockets.host.reset(); // would be "Windows Not Responting"
        form.mnusubGame[Form1::WaitingForConnection]->trigger();
        form.mnusubGame[Form1::OnePlayer]->trigger();
        sockets.answer();
        QTRY_COMPARE(sockets.cleanups, sockets.startups);
        QCoreApplication::processEvents();
        QCOMPARE(form.Label2->text(), QString());
        QCOMPARE(toolkit.texts(), QStringList());
    }

private:
    // A port where nothing listens, until the window waits there.
    quint16 freePort = 0;
};

KELMO_TEST(TestGame)
#include "tst_game.moc"
