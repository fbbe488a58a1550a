#include "boardtext.h"
#include "faketoolkit.h"
#include "formboard.h"
#include "game/boardcell.h"
#include "game/form1.h"
#include "net/winsock.h"
#include "testmain.h"

#include <QTcpSocket>
#include <QtTest>

class TestClicks : public QObject
{
    Q_OBJECT

private slots:
    void mouseClickRaisesCellClick();
    void onePlayerGameToAWin();
    void onePlayerGameToALoss();
    void onePlayerGameToAFullBoard();
    void onePlayerLastCellWithoutLine();
    void twoPlayers_data();
    void twoPlayers();
    void refusedClicks_data();
    void refusedClicks();
    void networkRules_data();
    void networkRules();
    void networkMovesReachThePeer();

private:
    static void checkMode(Form1 &form, Form1::GameItem item)
    {
        for (Form1::GameItem mode : {Form1::OnePlayer, Form1::TwoPlayers, Form1::WaitingForConnection, Form1::ConnectToOpponent})
            form.mnusubGame[mode]->setChecked(mode == item);
    }
    static void click(Form1 &form, int cell)
    {
        QTest::mouseClick(form.Image1[cell], Qt::LeftButton, {}, QPoint(21, 21));
    }
};

void TestClicks::mouseClickRaisesCellClick()
{
    FakeToolkit toolkit;
    Form1 form(toolkit);
    checkMode(form, Form1::TwoPlayers);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    // Press on one cell, release on another: no click.
    QTest::mousePress(form.Image1[0], Qt::LeftButton, {}, QPoint(21, 21));
    QTest::mouseRelease(form.Image1[0], Qt::LeftButton, {}, QPoint(21 + 80, 21));
    QCOMPARE(textFromBoard(form.board()), QStringLiteral("........."));

    // The right button is no click either.
    QTest::mouseClick(form.Image1[0], Qt::RightButton, {}, QPoint(21, 21));
    QCOMPARE(textFromBoard(form.board()), QStringLiteral("........."));

    // Clicks through the window, as the mouse delivers them: on the grid
    // line between cells 0 and 1 (it lets clicks through to a cell), then
    // beside the board, where nothing happens.
    const auto clickWindowAt = [&](QPoint inArea) {
        QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, form.centralWidget()->mapTo(&form, inArea));
    };
    clickWindowAt(QPoint(64, 45));
    QCOMPARE(textFromBoard(form.board()), QStringLiteral(".X......."));
    clickWindowAt(QPoint(160, 100));
    clickWindowAt(QPoint(84, 10));
    QCOMPARE(textFromBoard(form.board()), QStringLiteral(".X......."));
    clickWindowAt(QPoint(125, 125));
    QCOMPARE(textFromBoard(form.board()), QStringLiteral(".X......O"));
}

void TestClicks::onePlayerGameToAWin()
{
    FakeToolkit toolkit;
    Form1 form(toolkit);
    toolkit.draws << 0.0 << 0.25 << 0.0;

    click(form, 0); // O takes the centre
    QCOMPARE(textFromBoard(form.board()), QStringLiteral("X...O...."));
    QVERIFY(form.XTurn);
    QVERIFY(!form.FirstMove);
    QVERIFY(!form.ComPlay);

    click(form, 8); // nothing to complete or block, centre taken: the drawn cell 2
    QCOMPARE(textFromBoard(form.board()), QStringLiteral("X.O.O...X"));
    click(form, 6); // X blocks and forks; O blocks the threat first in line order, the bottom row
    QCOMPARE(textFromBoard(form.board()), QStringLiteral("X.O.O.XOX"));
    click(form, 3); // X completes the left column
    QCOMPARE(textFromBoard(form.board()), QStringLiteral("#.O#O.#OX"));
    QCOMPARE(form.Image1[3]->picture(), &form.Xctcb);
    QCOMPARE(toolkit.messages, (QList<FakeToolkit::Shown>{{"You Win", Toolkit::Icon::None, "Kelmo"}}));
    QVERIFY(!form.GameOn);
    QVERIFY(!form.mnuComMove->isEnabled());
    QCOMPARE(toolkit.drawCount, 3); // the winning click does not call the computer
}

void TestClicks::onePlayerGameToALoss()
{
    FakeToolkit toolkit;
    Form1 form(toolkit);
    toolkit.draws << 0.0 << 0.0 << 0.0;
    click(form, 1); // O centre
    click(form, 6); // O: the drawn cell 0
    QCOMPARE(textFromBoard(form.board()), QStringLiteral("OX..O.X.."));
    click(form, 3); // O completes the falling diagonal
    QCOMPARE(textFromBoard(form.board()), QStringLiteral("#X.X#.X.#"));
    QCOMPARE(form.Image1[4]->picture(), &form.Ortlb);
    QCOMPARE(toolkit.texts(), QStringList{"You Lose"});
    QVERIFY(!form.GameOn);
    QVERIFY(!form.mnuComMove->isEnabled());

    // Every later click is refused.
    click(form, 2);
    click(form, 4);
    QCOMPARE(textFromBoard(form.board()), QStringLiteral("#X.X#.X.#"));
    QCOMPARE(toolkit.messages.size(), 1);
}

void TestClicks::onePlayerGameToAFullBoard()
{
    FakeToolkit toolkit;
    Form1 form(toolkit);
    for (int cell : {0, 8, 7, 2, 3})
        click(form, cell);
    QCOMPARE(textFromBoard(form.board()), QStringLiteral("XOXXOOOXX"));
    QVERIFY(toolkit.messages.isEmpty());
    QVERIFY(form.GameOn);
    QVERIFY(form.mnuComMove->isEnabled());
    QCOMPARE(toolkit.drawCount, 5);
}

void TestClicks::onePlayerLastCellWithoutLine()
{
    FakeToolkit toolkit;
    Form1 form(toolkit);
    setBoard(form, "XOXXOOOX.");
    form.FirstMove = false;
    click(form, 8);
    QCOMPARE(textFromBoard(form.board()), QStringLiteral("XOXXOOOXX"));
    QVERIFY(toolkit.messages.isEmpty());
    QVERIFY(form.XTurn); // the computer's pass flips it back although it placed nothing
    QCOMPARE(toolkit.drawCount, 1);
}

void TestClicks::twoPlayers_data()
{
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QString>("board");
    QTest::addColumn<QString>("message");

    QTest::newRow("X wins the top row") << QList<int>{0, 3, 1, 4, 2} << "###OO...." << "X Win";
    QTest::newRow("O wins the middle column") << QList<int>{0, 1, 2, 4, 5, 7} << "X#X.#X.#." << "O Win";
    QTest::newRow("full board, no line") << QList<int>{0, 1, 2, 4, 3, 5, 7, 6, 8} << "XOXXOOOXX" << "";
    QTest::newRow("occupied cell keeps the turn") << QList<int>{4, 4, 0} << "O...X...." << "";
}

void TestClicks::twoPlayers()
{
    QFETCH(QList<int>, clicks);
    QFETCH(QString, board);
    QFETCH(QString, message);

    FakeToolkit toolkit;
    Form1 form(toolkit);
    checkMode(form, Form1::TwoPlayers);
    for (int cell : clicks)
        click(form, cell);
    QCOMPARE(textFromBoard(form.board()), board);
    QCOMPARE(toolkit.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(form.mnuComMove->isEnabled(), message.isEmpty());
    QVERIFY(form.FirstMove); // Two Players never touches it
    QCOMPARE(toolkit.drawCount, 0);
}

void TestClicks::refusedClicks_data()
{
    QTest::addColumn<Form1::GameItem>("mode");
    QTest::addColumn<QString>("board");
    QTest::addColumn<bool>("gameOn");
    QTest::addColumn<bool>("xTurn");
    QTest::addColumn<bool>("firstMove");
    QTest::addColumn<int>("cell");
    QTest::addColumn<bool>("firstMoveAfter");

    QTest::newRow("one player: occupied") << Form1::OnePlayer << "X...O...." << true << true << true << 0 << false;
    QTest::newRow("one player: struck") << Form1::OnePlayer << "###OO...." << true << true << true << 1 << false;
    QTest::newRow("one player: game over") << Form1::OnePlayer << "###OO...." << false << true << true << 5 << false;
    QTest::newRow("one player: O to move") << Form1::OnePlayer << "........." << true << false << true << 0 << false;
    QTest::newRow("two players: game over") << Form1::TwoPlayers << "###OO...." << false << true << true << 5 << true;
    QTest::newRow("two players: struck") << Form1::TwoPlayers << "###OO...." << true << true << true << 2 << true;
    QTest::newRow("waiting: out of turn") << Form1::WaitingForConnection << "X........" << true << false << false << 4 << false;
    QTest::newRow("waiting: occupied") << Form1::WaitingForConnection << "X........" << true << true << true << 0 << false;
    QTest::newRow("connecting: out of turn") << Form1::ConnectToOpponent << "X...O...." << true << true << false << 1 << false;
    QTest::newRow("connecting: game over") << Form1::ConnectToOpponent << "###OO...." << false << false << true << 8 << false;
}

void TestClicks::refusedClicks()
{
    QFETCH(Form1::GameItem, mode);
    QFETCH(QString, board);
    QFETCH(bool, gameOn);
    QFETCH(bool, xTurn);
    QFETCH(bool, firstMove);
    QFETCH(int, cell);
    QFETCH(bool, firstMoveAfter);

    FakeToolkit toolkit;
    Form1 form(toolkit);
    checkMode(form, mode);
    setBoard(form, board);
    form.GameOn = gameOn;
    form.XTurn = xTurn;
    form.FirstMove = firstMove;

    click(form, cell);
    QCOMPARE(textFromBoard(form.board()), board);
    QCOMPARE(form.XTurn, xTurn);
    QCOMPARE(form.GameOn, gameOn);
    QCOMPARE(form.FirstMove, firstMoveAfter);
    QCOMPARE(form.SendStr, QString());
    QCOMPARE(toolkit.drawCount, 0);
    QCoreApplication::processEvents();
    QVERIFY(toolkit.messages.isEmpty()); // refused clicks show nothing, send nothing
}

void TestClicks::networkRules_data()
{
    QTest::addColumn<Form1::GameItem>("mode");
    QTest::addColumn<QString>("board");
    QTest::addColumn<bool>("xTurn");
    QTest::addColumn<bool>("firstMove");
    QTest::addColumn<int>("cell");
    QTest::addColumn<QString>("after");
    QTest::addColumn<bool>("xTurnAfter");

    QTest::newRow("waiting side opens") << Form1::WaitingForConnection << "........." << true << true << 4 << "....X...." << false;
    QTest::newRow("waiting side on its turn") << Form1::WaitingForConnection << "X...O...." << true << false << 8 << "X...O...X" << false;
    QTest::newRow("waiting side: first move after the opponent's") << Form1::WaitingForConnection << "....O...." << true << true << 0 << "X...O...." << false;
    QTest::newRow("waiting side: first move, O's turn") << Form1::WaitingForConnection << "........." << false << true << 6 << "......X.." << false;
    QTest::newRow("connecting side opens") << Form1::ConnectToOpponent << "........." << true << true << 2 << "..O......" << true;
    QTest::newRow("connecting side on its turn") << Form1::ConnectToOpponent << "X........" << false << false << 4 << "X...O...." << true;
}

void TestClicks::networkRules()
{
    QFETCH(Form1::GameItem, mode);
    QFETCH(QString, board);
    QFETCH(bool, xTurn);
    QFETCH(bool, firstMove);
    QFETCH(int, cell);
    QFETCH(QString, after);
    QFETCH(bool, xTurnAfter);

    FakeToolkit toolkit;
    Form1 form(toolkit);
    checkMode(form, mode);
    setBoard(form, board);
    form.XTurn = xTurn;
    form.FirstMove = firstMove;

    click(form, cell);
    QCOMPARE(textFromBoard(form.board()), after);
    QCOMPARE(form.SendStr, QString::number(cell));
    QCOMPARE(form.XTurn, xTurnAfter);
    QVERIFY(!form.FirstMove);
    // Nobody is connected: the connection object says so, once.
    QTRY_COMPARE(toolkit.messages.size(), 1);
    QCOMPARE(toolkit.messages.first(),
             (FakeToolkit::Shown{"The move was not sent: no opponent is connected.", Toolkit::Icon::Exclamation, "Kelmo"}));
}

void TestClicks::networkMovesReachThePeer()
{
    FakeToolkit toolkit;
    Form1 form(toolkit, 0);
    checkMode(form, Form1::WaitingForConnection);
    form.wsListen->setLocalPort(0);
    form.wsListen->Listen();
    QVERIFY(form.wsListen->listeningPort() != 0);

    QTcpSocket peer;
    peer.connectToHost(QHostAddress::LocalHost, form.wsListen->listeningPort());
    QTRY_COMPARE(form.wsServer->state(), Winsock::State::Connected);

    // The winning move is sent before "You Win" is shown.
    QByteArray receivedBeforeAnnouncement;
    toolkit.onMessage = [&](const QString &) {
        peer.waitForReadyRead(2000);
        receivedBeforeAnnouncement = peer.readAll();
    };
    setBoard(form, "XX..OO...");
    form.FirstMove = false;
    click(form, 2);
    QCOMPARE(toolkit.texts(), QStringList{"You Win"});
    QCOMPARE(receivedBeforeAnnouncement, QByteArray("2"));
    QVERIFY(!form.mnuComMove->isEnabled());
}

KELMO_TEST(TestClicks)
#include "tst_clicks.moc"
