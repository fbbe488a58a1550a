// The main window as the player meets it: its start, its pictures, the win
// check and the computer on its cells, clicks in each mode, and the Game
// menu.

#include "boards.h"
#include "fakesocketapi.h"
#include "faketoolkit.h"
#include "net/winsock.h"
#include "testmain.h"
#include "toolkit/pictures.h"

#include <QMenuBar>
#include <QtTest>

namespace {

// Flags written as letters: g GameOn, x XTurn, f FirstMove, and after a
// step c for ComMove enabled.
void setFlags(Form1 &form, const QString &flags)
{
    form.GameOn = flags.contains('g');
    form.XTurn = flags.contains('x');
    form.FirstMove = flags.contains('f');
}

QString flagsOf(const Form1 &form)
{
    return QString(form.GameOn ? "g" : "") + (form.XTurn ? "x" : "") + (form.FirstMove ? "f" : "")
        + (form.mnuComMove->isEnabled() ? "c" : "");
}

} // namespace

class TestGame : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void startState();
    void pictures();
    void youWin_data();
    void youWin();
    void computerMove_data();
    void computerMove();
    void clicks_data();
    void clicks();
    void mouseClicks();
    void commands_data();
    void commands();
    void comMoveOpensTheGame();
    void addressLookUpKeepsTheWindowAnswering();

private:
    // A port where nothing listens, until the window waits there.
    quint16 freePort = 0;
};

void TestGame::initTestCase()
{
    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::Any));
    freePort = probe.serverPort();
}

void TestGame::startState()
{
    FakeToolkit toolkit;
    Form1 form(toolkit);
    QCOMPARE(toolkit.randomizeCalls, 1);
    QCOMPARE(form.windowTitle(), QStringLiteral("Kelmo"));
    QCOMPARE(textFromBoard(form.board()), QStringLiteral("........."));
    QCOMPARE(flagsOf(form), QStringLiteral("gxfc"));
    QVERIFY(form.ComPlay && !form.FirstData);
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
    QCOMPARE(bar.size(), 3);
    QCOMPARE(bar[0]->text(), QStringLiteral("&Game"));
    QCOMPARE(bar[1], form.mnuComMove);
    QCOMPARE(bar[1]->text(), QStringLiteral("&ComMove"));
    QCOMPARE(bar[2], form.mnuAbout);
    QCOMPARE(bar[2]->text(), QStringLiteral("&About"));
}

void TestGame::pictures()
{
    FakeToolkit toolkit;
    Form1 form(toolkit);
    const QList<const Picture *> all{&form.X,     &form.O,     &form.PicEmpty, &form.Xrtlb, &form.Xctcb, &form.Xrblt,
                                     &form.Xrmlm, &form.Ortlb, &form.Octcb,    &form.Orblt, &form.Ormlm};
    QSet<qint32> handles;
    for (const Picture *picture : all) {
        QCOMPARE(picture->pixmap().deviceIndependentSize(), QSizeF(42, 42));
        handles.insert(picture->Handle());
    }
    QCOMPARE(handles.size(), all.size());
    // Drawn in the screen's own pixels: not 42 pixels upscaled.
    QCOMPARE(pictures::mark(kelmo::Mark::O, kelmo::Stroke::Rising, 2).size(), QSize(84, 84));

    const auto count = [](const Picture &picture, auto test) {
        const QImage image = picture.pixmap().toImage();
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += test(image.pixelColor(x, y));
        return n;
    };
    const auto red = [](QColor c) { return c.red() > 200 && c.green() < 80 && c.blue() < 80; };
    const auto black = [](QColor c) { return c.lightness() < 60; };
    const auto white = [](QColor c) { return c == QColor(Qt::white); };
    QVERIFY(count(form.X, black) > 50 && count(form.X, red) == 0);
    QVERIFY(count(form.O, red) > 50 && count(form.O, black) == 0);
    QCOMPARE(count(form.PicEmpty, white), 42 * 42);

    // Each strike picture is its plain mark with a stroke in the mark's
    // colour that reaches the edges where the stroke should run.
    const qreal end = 41.5;
    const struct {
        const Picture &struck, &plain;
        QPointF a, b;
    } strokes[] = {{form.Xrmlm, form.X, {0.5, 21}, {end, 21}}, {form.Xctcb, form.X, {21, 0.5}, {21, end}},
                   {form.Xrtlb, form.X, {0.5, 0.5}, {end, end}}, {form.Xrblt, form.X, {0.5, end}, {end, 0.5}},
                   {form.Ormlm, form.O, {0.5, 21}, {end, 21}}, {form.Octcb, form.O, {21, 0.5}, {21, end}},
                   {form.Ortlb, form.O, {0.5, 0.5}, {end, end}}, {form.Orblt, form.O, {0.5, end}, {end, 0.5}}};
    for (const auto &stroke : strokes) {
        const QImage struck = stroke.struck.pixmap().toImage();
        const QImage plain = stroke.plain.pixmap().toImage();
        const qreal ratio = struck.devicePixelRatio();
        for (QPointF p : {stroke.a, stroke.b}) {
            const QPoint at(int(p.x() * ratio), int(p.y() * ratio));
            QVERIFY(white(plain.pixelColor(at)));
            QVERIFY((&stroke.plain == &form.X ? black : red)(struck.pixelColor(at)));
        }
    }
}

void TestGame::youWin_data()
{
    QTest::addColumn<QString>("board");
    QTest::addColumn<QString>("holder"); // the strike holder; empty: no line
    QTest::addColumn<QList<int>>("cells");

    QTest::newRow("X row") << "XXXOO...." << "Xrmlm" << QList<int>{0, 1, 2};
    QTest::newRow("X column") << "XO.XO.X.." << "Xctcb" << QList<int>{0, 3, 6};
    QTest::newRow("X falling") << "XO.OX...X" << "Xrtlb" << QList<int>{0, 4, 8};
    QTest::newRow("X rising") << "OOX.X.X.." << "Xrblt" << QList<int>{2, 4, 6};
    QTest::newRow("O row, a line of X struck") << "X.XOOO##." << "Ormlm" << QList<int>{3, 4, 5};
    QTest::newRow("O column") << "XOX.O..O." << "Octcb" << QList<int>{1, 4, 7};
    QTest::newRow("O falling") << "OX.XO...O" << "Ortlb" << QList<int>{0, 4, 8};
    QTest::newRow("O rising") << "XXO.O.O.." << "Orblt" << QList<int>{2, 4, 6};
    QTest::newRow("full board, no line") << "XOXXOOOXX" << "" << QList<int>{};
}

void TestGame::youWin()
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

void TestGame::computerMove_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("flags"); // c here: ComPlay
    QTest::addColumn<double>("draw");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("flagsAfter");
    QTest::addColumn<QString>("told");

    // The ComMove opening: the caller has set XTurn false.
    QTest::newRow("opening O in the centre") << "........." << "gfc" << 0.0 << "....O...." << "gxc" << "";
    // X then O in one call: X takes the centre, O the random cell 8 (8/9).
    QTest::newRow("X then O") << "........." << "gxfc" << 0.95 << "....X...O" << "gxc" << "";
    // The X pass took the random cell; the O pass of the same call falls back.
    QTest::newRow("O after X took the random cell") << "....O...." << "gxfc" << 0.0 << "XO..O...." << "gxc" << "";
    QTest::newRow("X that wins") << "XX.OO...." << "gxfc" << 0.0 << "###OO...." << "f" << "You Win";
    QTest::newRow("O that wins") << "XX.OO.X.." << "gfc" << 0.0 << "XX.###X.." << "x" << "You Lose";
    // X blocks the first of two threats; O completes the other.
    QTest::newRow("X, then O wins") << "OO.XOX..." << "gxfc" << 0.0 << "O#XX#X.#." << "x" << "You Lose";
    QTest::newRow("full board") << "XOXXOOOXX" << "gxfc" << 0.5 << "XOXXOOOXX" << "gxc" << "";
    QTest::newRow("finished game") << "###OO...." << "fc" << 0.5 << "###OO...." << "c" << "";
    QTest::newRow("ComPlay false") << "X........" << "gf" << 0.5 << "X........" << "gc" << "";
}

void TestGame::computerMove()
{
    QFETCH(QString, before);
    QFETCH(QString, flags);
    QFETCH(double, draw);
    QFETCH(QString, after);
    QFETCH(QString, flagsAfter);
    QFETCH(QString, told);
    FakeToolkit toolkit;
    Form1 form(toolkit);
    setBoard(form, before);
    setFlags(form, flags);
    form.ComPlay = flags.contains('c');
    toolkit.draws.enqueue(draw);

    form.ComputerMove();
    QCOMPARE(toolkit.drawCount, 1);
    QCOMPARE(textFromBoard(form.board()), after);
    QCOMPARE(flagsOf(form), flagsAfter);
    QCOMPARE(form.ComPlay, told == "You Win"); // left set only when the X ends the game
    const QList<FakeToolkit::Shown> shown{{told, Toolkit::Icon::None, "Kelmo"}};
    QCOMPARE(toolkit.messages, told.isEmpty() ? QList<FakeToolkit::Shown>() : shown);
}

void TestGame::clicks_data()
{
    QTest::addColumn<Form1::GameItem>("mode");
    QTest::addColumn<QString>("board");
    QTest::addColumn<QString>("flags");
    QTest::addColumn<QList<double>>("draws");
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("flagsAfter");
    QTest::addColumn<QString>("told");
    QTest::addColumn<int>("drawn");

    const auto one = Form1::OnePlayer;
    const auto two = Form1::TwoPlayers;
    const QString fresh(9, '.');
    // One Player: the computer answers each X; the drawn cell counts only
    // when nothing is to complete or block and the centre is taken.
    QTest::newRow("a win") << one << fresh << "gxf" << QList<double>{0, 0.25, 0} << QList<int>{0, 8, 6, 3}
                           << "#.O#O.#OX" << "" << "You Win" << 3;
    QTest::newRow("a loss") << one << fresh << "gxf" << QList<double>{0, 0, 0} << QList<int>{1, 6, 3, 2, 4}
                            << "#X.X#.X.#" << "x" << "You Lose" << 3;
    QTest::newRow("a full board") << one << fresh << "gxf" << QList<double>{} << QList<int>{0, 8, 7, 2, 3}
                                  << "XOXXOOOXX" << "gxc" << "" << 5;
    QTest::newRow("the last cell") << one << "XOXXOOOX." << "gx" << QList<double>{} << QList<int>{8} << "XOXXOOOXX"
                                   << "gxc" << "" << 1;
    QTest::newRow("occupied") << one << "X...O...." << "gxf" << QList<double>{} << QList<int>{0} << "X...O...."
                              << "gxc" << "" << 0;
    QTest::newRow("struck") << one << "###OO...." << "gxf" << QList<double>{} << QList<int>{1} << "###OO...."
                            << "gxc" << "" << 0;
    QTest::newRow("O to move") << one << fresh << "gf" << QList<double>{} << QList<int>{0} << fresh << "gc" << "" << 0;
    QTest::newRow("game over") << one << "###OO...." << "xf" << QList<double>{} << QList<int>{5} << "###OO...."
                               << "xc" << "" << 0;
    // Two Players: turns alternate, and FirstMove is never touched.
    QTest::newRow("X wins") << two << fresh << "gxf" << QList<double>{} << QList<int>{0, 3, 1, 4, 2} << "###OO...."
                            << "f" << "X Win" << 0;
    QTest::newRow("O wins") << two << fresh << "gxf" << QList<double>{} << QList<int>{0, 1, 2, 4, 5, 7}
                            << "X#X.#X.#." << "xf" << "O Win" << 0;
    QTest::newRow("occupied keeps the turn") << two << fresh << "gxf" << QList<double>{} << QList<int>{4, 4, 0}
                                             << "O...X...." << "gxf" << "" << 0;
    QTest::newRow("two players, game over") << two << "###OO...." << "xf" << QList<double>{} << QList<int>{5}
                                            << "###OO...." << "xf" << "" << 0;
}

void TestGame::clicks()
{
    QFETCH(Form1::GameItem, mode);
    QFETCH(QString, board);
    QFETCH(QString, flags);
    QFETCH(QList<double>, draws);
    QFETCH(QList<int>, clicks);
    QFETCH(QString, after);
    QFETCH(QString, flagsAfter);
    QFETCH(QString, told);
    QFETCH(int, drawn);
    FakeToolkit toolkit;
    Form1 form(toolkit);
    form.mnusubGame[mode]->trigger();
    setBoard(form, board);
    setFlags(form, flags);
    toolkit.draws.append(draws);
    for (int cell : clicks)
        form.Image1_Click(cell);
    QCOMPARE(textFromBoard(form.board()), after);
    QCOMPARE(flagsOf(form), flagsAfter);
    QCOMPARE(toolkit.texts(), told.isEmpty() ? QStringList() : QStringList{told});
    QCOMPARE(toolkit.drawCount, drawn);
}

// A click is a left press and release on the same cell, wherever the
// window shows it: on the grid line between two cells too.
void TestGame::mouseClicks()
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
    const auto clickAt = [&](QPoint inArea) {
        QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, form.centralWidget()->mapTo(&form, inArea));
    };
    for (QPoint p : {QPoint(64, 45), QPoint(160, 100), QPoint(84, 10), QPoint(125, 125)})
        clickAt(p);
    QCOMPARE(textFromBoard(form.board()), QStringLiteral(".X......O"));
}

void TestGame::commands_data()
{
    QTest::addColumn<QString>("start"); // a mode, with a mark on the board
    QTest::addColumn<Form1::GameItem>("item");
    QTest::addColumn<QString>("after");
    QTest::addColumn<Form1::GameItem>("checked");
    QTest::addColumn<QString>("flagsAfter"); // as above, and p: ComPlay
    QTest::addColumn<QString>("labels");     // Label1 | Label2, right after the command
    QTest::addColumn<QString>("open");       // what listens (l) and connects (c) then
    QTest::addColumn<QString>("told");

    // Nothing listens where the window connects: the attempt is refused.
    const char *refused = "Cannot connect to 127.0.0.1: Connection refused.";
    const QString waiting = QStringLiteral("alpha Waiting...|");
    const QString connecting = QStringLiteral("alpha Connecting|");
    const auto row = [](const char *name, const char *start, Form1::GameItem item, const char *after,
                        Form1::GameItem checked, const char *flags, const QString &labels, const char *open,
                        const char *told = "") {
        QTest::newRow(name) << start << item << after << checked << flags << labels << open << told;
    };
    const auto one = Form1::OnePlayer, two = Form1::TwoPlayers, wait = Form1::WaitingForConnection,
               connect = Form1::ConnectToOpponent;
    row("New after a One Player win", "one won", Form1::New, ".........", one, "gxfc", "|", "");
    row("New in Two Players", "two", Form1::New, ".........", two, "gxf", "|", "");
    row("New while waiting: nobody to tell", "wait", Form1::New, ".........", wait, "gxfp", waiting, "l");
    row("New after a refused attempt", "connect", Form1::New, ".........", connect, "gxfp", "|", "");
    row("One Player again", "one won", one, ".........", one, "gxfcp", "|", "");
    row("One Player from waiting", "wait", one, ".........", one, "gxfcp", "|", "");
    row("Two Players from One Player", "one won", two, ".........", two, "gxf", "|", "");
    row("Two Players from waiting", "wait", two, ".........", two, "gxf", "|", "");
    row("Waiting from One Player", "one won", wait, ".........", wait, "gxf", waiting, "l");
    row("Waiting again keeps listening", "wait", wait, ".........", wait, "gxfp", waiting, "l");
    row("Waiting after connecting", "connect", wait, ".........", wait, "gxfp", waiting, "l");
    row("Connect from Two Players", "two", connect, ".........", connect, "gxf", connecting, "c", refused);
    row("Connect from waiting", "wait", connect, ".........", connect, "gxfp", connecting, "c", refused);
    row("Connect, cancelled", "two", connect, ".........", connect, "gxf", connecting, "",
        "Cannot connect to an opponent: no address was given.");
    row("Normal Mode heading", "two", Form1::NormalModeHeading, "....X....", two, "gf", "|", "");
    row("Network Mode heading", "wait", Form1::NetworkModeHeading, "....X....", wait, "gfp", waiting, "l");
}

void TestGame::commands()
{
    QFETCH(QString, start);
    QFETCH(Form1::GameItem, item);
    QFETCH(QString, after);
    QFETCH(Form1::GameItem, checked);
    QFETCH(QString, flagsAfter);
    QFETCH(QString, labels);
    QFETCH(QString, open);
    QFETCH(QString, told);
    FakeToolkit toolkit;
    FakeSocketApi sockets;
    Form1 form(toolkit, freePort, &sockets);
    toolkit.defaultAnswer = QStringLiteral("127.0.0.1");
    if (start == "one won") {
        for (int cell : {0, 1, 3}) // the computer wins along the rising diagonal
            form.Image1_Click(cell);
    } else {
        form.mnusubGame[start == "two" ? Form1::TwoPlayers
                        : start == "wait" ? Form1::WaitingForConnection
                                          : Form1::ConnectToOpponent]->trigger();
        if (start == "connect")
            QTRY_COMPARE(toolkit.messages.size(), 1); // refused
        setBoard(form, QStringLiteral("....X...."));
        form.XTurn = false;
    }
    if (told.startsWith("Cannot connect to an opponent"))
        toolkit.defaultAnswer.clear();
    toolkit.messages.clear();

    form.mnusubGame[item]->trigger();
    QCOMPARE(textFromBoard(form.board()), after);
    QCOMPARE(form.mode(), Form1::Mode(QList{Form1::OnePlayer, Form1::TwoPlayers, Form1::WaitingForConnection,
                                            Form1::ConnectToOpponent}.indexOf(checked)));
    QCOMPARE(flagsOf(form) + (form.ComPlay ? "p" : ""), flagsAfter);
    QCOMPARE(form.Label1->text() + '|' + form.Label2->text(), labels);
    QCOMPARE(QString(form.wsListen->state() == Winsock::State::Listening ? "l" : "")
                 + (form.wsClient->state() != Winsock::State::Closed ? "c" : ""),
             open);
    QCOMPARE(form.wsServer->state(), Winsock::State::Closed);
    QCoreApplication::processEvents(); // reports come from the event loop
    QCoreApplication::processEvents();
    QTRY_COMPARE(toolkit.texts(), told.isEmpty() ? QStringList() : QStringList{told});
    if (labels.startsWith("alpha Waiting"))
        QTRY_COMPARE(form.Label2->text(), QStringLiteral("IP Address 10.0.0.1"));
    if (!told.isEmpty()) // the status lines tell that nothing is connecting
        QCOMPARE(form.Label1->text(), QString());
    QCOMPARE(form.SendStr, QString());
    if (item == Form1::ConnectToOpponent)
        QCOMPARE(toolkit.prompts.last(), QStringLiteral("Input IP Address to Connect|0.0.0.0"));
    // Each start-up of the socket calls is released, a look-up left behind
    // once it answers.
    QTRY_COMPARE(sockets.startups, sockets.cleanups);
}

void TestGame::comMoveOpensTheGame()
{
    FakeToolkit toolkit;
    Form1 form(toolkit);
    form.mnuComMove->trigger();
    QCOMPARE(textFromBoard(form.board()), QStringLiteral("....O...."));
    QCOMPARE(flagsOf(form), QStringLiteral("gxc"));
    form.Image1_Click(0); // the person answers, and the computer that
    QCOMPARE(textFromBoard(form.board()), QStringLiteral("XO..O...."));
}

// Resolving the host's name may take the system seconds: the window goes on
// meanwhile, the address comes when it is found, and a look-up that the
// player left behind by choosing another mode tells nothing.
void TestGame::addressLookUpKeepsTheWindowAnswering()
{
    FakeToolkit toolkit;
    FakeSocketApi sockets;
    QSemaphore resolving;
    sockets.resolving = &resolving;
    Form1 form(toolkit, 0, &sockets);
    QElapsedTimer clock;
    clock.start();
    form.mnusubGame[Form1::WaitingForConnection]->trigger();
    QVERIFY(clock.elapsed() < 1000);
    QCOMPARE(form.Label1->text() + '|' + form.Label2->text(), QStringLiteral("alpha Waiting...|"));
    resolving.release();
    QTRY_COMPARE(form.Label2->text(), QStringLiteral("IP Address 10.0.0.1"));

    sockets.host.reset(); // would be "Windows Not Responting"
    form.mnusubGame[Form1::WaitingForConnection]->trigger();
    form.mnusubGame[Form1::OnePlayer]->trigger();
    resolving.release();
    QTRY_COMPARE(sockets.cleanups, sockets.startups);
    QCoreApplication::processEvents();
    QCOMPARE(form.Label2->text(), QString());
    QCOMPARE(toolkit.texts(), QStringList());
}

KELMO_TEST(TestGame)
#include "tst_game.moc"
