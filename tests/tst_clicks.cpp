#include "formboard.h"
#include "networkplayer.h"
#include "testmain.h"

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
    QTest::addColumn<bool>("opponent"); // an opponent has greeted
    QTest::addColumn<QString>("board");
    QTest::addColumn<bool>("gameOn");
    QTest::addColumn<bool>("xTurn");
    QTest::addColumn<bool>("firstMove");
    QTest::addColumn<int>("cell");
    QTest::addColumn<QString>("after");
    QTest::addColumn<bool>("xTurnAfter");
    QTest::addColumn<QString>("told");

    const Form1::GameItem waiting = Form1::WaitingForConnection;
    const Form1::GameItem connecting = Form1::ConnectToOpponent;
    QTest::newRow("waiting side opens") << waiting << true << "........." << true << true << true << 4 << "....X...." << false << "";
    QTest::newRow("waiting side on its turn") << waiting << true << "X...O...." << true << true << false << 8 << "X...O...X" << false << "";
    QTest::newRow("waiting side: first move after the opponent's") << waiting << true << "....O...." << true << true << true << 0 << "X...O...." << false << "";
    QTest::newRow("waiting side: first move, O's turn") << waiting << true << "........." << true << false << true << 6 << "......X.." << false << "";
    QTest::newRow("waiting side wins") << waiting << true << "XX..OO..." << true << true << false << 2 << "###.OO..." << false << "You Win";
    QTest::newRow("waiting side: out of turn") << waiting << true << "X........" << true << false << false << 4 << "X........" << false << "";
    QTest::newRow("waiting side: occupied") << waiting << true << "X........" << true << true << true << 0 << "X........" << true << "";
    QTest::newRow("connecting side opens") << connecting << true << "........." << true << true << true << 2 << "..O......" << true << "";
    QTest::newRow("connecting side on its turn") << connecting << true << "X........" << true << false << false << 4 << "X...O...." << true << "";
    QTest::newRow("connecting side: out of turn") << connecting << true << "X...O...." << true << true << false << 1 << "X...O...." << true << "";
    QTest::newRow("connecting side: game over") << connecting << true << "###OO...." << false << false << true << 8 << "###OO...." << false << "";
    QTest::newRow("no opponent yet") << waiting << false << "........." << true << true << true << 4 << "........." << true << "No opponent is connected yet.";
}

void TestClicks::networkRules()
{
    QFETCH(Form1::GameItem, mode);
    QFETCH(bool, opponent);
    QFETCH(QString, board);
    QFETCH(bool, gameOn);
    QFETCH(bool, xTurn);
    QFETCH(bool, firstMove);
    QFETCH(int, cell);
    QFETCH(QString, after);
    QFETCH(bool, xTurnAfter);
    QFETCH(QString, told);

    QTcpServer host;
    QVERIFY(host.listen(QHostAddress::LocalHost));
    Player player("alpha", mode == Form1::ConnectToOpponent ? host.serverPort() : 0);
    Form1 &form = *player.form;
    QTcpSocket waitingPeer;
    std::unique_ptr<QTcpSocket> connectingPeer;
    QTcpSocket *peer = &waitingPeer;
    if (!opponent) {
        form.mnusubGame[mode]->trigger();
    } else if (mode == Form1::WaitingForConnection) {
        connectRawPeer(player, waitingPeer);
    } else {
        connectToRawPeer(player, host, connectingPeer);
        peer = connectingPeer.get();
    }
    QCOMPARE(form.opponentPresent(), opponent);
    setBoard(form, board);
    form.GameOn = gameOn;
    form.XTurn = xTurn;
    form.FirstMove = firstMove;

    // A move is sent before its result is shown.
    QByteArray sentBeforeTold;
    player.toolkit.onMessage = [&](const QString &) {
        if (opponent && peer->waitForReadyRead(2000))
            sentBeforeTold = peer->readAll();
    };
    click(form, cell);
    QCOMPARE(textFromBoard(form.board()), after);
    QCOMPARE(form.XTurn, xTurnAfter);
    QCOMPARE(form.FirstMove, !opponent);
    QCOMPARE(player.toolkit.texts(), told.isEmpty() ? QStringList() : QStringList{told});
    if (!opponent)
        return;
    const QByteArray sent = after == board ? QByteArray() : QByteArray::number(cell);
    if (told == "You Win")
        QCOMPARE(sentBeforeTold, sent);
    else
        QCOMPARE(readExactly(*peer, sent.size()), sent);
    QCoreApplication::processEvents();
    QCOMPARE(peer->bytesAvailable(), 0);
}

KELMO_TEST(TestClicks)
#include "tst_clicks.moc"
