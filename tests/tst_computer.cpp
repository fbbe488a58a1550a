#include "boardtext.h"
#include "computer/computerplayer.h"
#include "faketoolkit.h"
#include "formboard.h"
#include "game/boardcell.h"
#include "game/form1.h"
#include "testmain.h"

#include <QtTest>

using kelmo::Mark;

class TestComputer : public QObject
{
    Q_OBJECT

private slots:
    void chooseCell_data();
    void chooseCell();
    void computerMove_data();
    void computerMove();
};

void TestComputer::chooseCell_data()
{
    QTest::addColumn<QString>("board");
    QTest::addColumn<QString>("mover");
    QTest::addColumn<int>("randomCell");
    QTest::addColumn<int>("expected"); // -1: no cell

    const auto row = [](const char *name, const char *board, const char *mover, int randomCell, int expected) {
        QTest::newRow(name) << QString::fromLatin1(board) << QString::fromLatin1(mover) << randomCell << expected;
    };

    // Complete an own line: one row per line, empty cell in each position.
    row("complete top row at 0", ".OOXX....", "O", 8, 0);
    row("complete middle row at 4", "XX.O.O...", "O", 8, 4);
    row("complete bottom row at 8", "X.X...OO.", "O", 0, 8);
    row("complete left column at 6", "X..X.....", "X", 8, 6);
    row("complete middle column at 1", "O..XOX.O.", "O", 8, 1);
    row("complete right column at 5", "..O.X...O", "O", 0, 5);
    row("complete falling diagonal at 8", "O..XO.X..", "O", 1, 8);
    row("complete rising diagonal at 6", "..O.O...X", "O", 1, 6);
    row("X completes too", "XX.OO....", "X", 8, 2);

    // Block the opponent.
    row("block top row", "XX..O....", "O", 8, 2);
    row("block left column", "X.OX.....", "O", 8, 6);
    row("block rising diagonal", "..X.X..O.", "O", 8, 6);
    row("X blocks O", "OO..X..X.", "X", 8, 2);

    // Precedence.
    row("first line in table order wins", "OO.OX...X", "O", 8, 2); // top row before left column
    row("complete before block", "XX.OO....", "O", 8, 5);
    row("earlier block of two threats", "XX....XX.", "O", 0, 2);
    row("own line beats earlier threat", "XX.....OO", "O", 2, 6);

    // Centre, random cell, fallback scan.
    row("empty board takes centre", ".........", "O", 0, 4);
    row("single corner X: centre", "X........", "O", 5, 4);
    row("single edge X: centre", ".X.......", "O", 5, 4);
    row("centre taken: random cell", "....X....", "O", 7, 7);
    row("random cell is the centre: first free", "....X....", "O", 4, 0);
    row("random cell taken: first free", "X...O....", "O", 0, 1);
    row("random cell struck: first free", "###.X....", "O", 1, 3);
    row("scan passes struck and marked cells", "###OXO...", "X", 4, 6);
    row("full board", "XOXXOOOXX", "O", 3, -1);
    row("only struck cells left", "###OXOXOX", "X", 0, -1);
}

void TestComputer::chooseCell()
{
    QFETCH(QString, board);
    QFETCH(QString, mover);
    QFETCH(int, randomCell);
    QFETCH(int, expected);

    const auto cell = kelmo::chooseCell(boardFromText(board), mover == "X" ? Mark::X : Mark::O, randomCell);
    QCOMPARE(cell.value_or(-1), expected);
}

void TestComputer::computerMove_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<bool>("xTurn");
    QTest::addColumn<bool>("gameOn");
    QTest::addColumn<bool>("comPlay");
    QTest::addColumn<double>("draw");
    QTest::addColumn<QString>("after");
    QTest::addColumn<bool>("xTurnAfter");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("flagsCleared"); // ComPlay and FirstMove end false

    // The ComMove opening: the caller has set XTurn false.
    QTest::newRow("opening O in the centre") << "........." << false << true << true << 0.0 << "....O...." << true << "" << true;
    // X then O in one call: X takes the centre, O the random cell 8 (8/9).
    QTest::newRow("X then O") << "........." << true << true << true << 0.95 << "....X...O" << true << "" << true;
    // The X pass took the random cell; the O pass of the same call falls back.
    QTest::newRow("O after X took random cell") << "....O...." << true << true << true << 0.0 << "XO..O...." << true << "" << true;
    QTest::newRow("X that wins") << "XX.OO...." << true << true << true << 0.0 << "###OO...." << false << "You Win" << false;
    QTest::newRow("O that wins") << "XX.OO.X.." << false << true << true << 0.0 << "XX.###X.." << true << "You Lose" << true;
    // X blocks the first of two threats; O completes the other.
    QTest::newRow("X then O wins") << "OO.XOX..." << true << true << true << 0.0 << "O#XX#X.#." << true << "You Lose" << true;
    QTest::newRow("full board") << "XOXXOOOXX" << true << true << true << 0.5 << "XOXXOOOXX" << true << "" << true;
    QTest::newRow("finished game") << "###OO...." << false << false << true << 0.5 << "###OO...." << false << "" << true;
    QTest::newRow("ComPlay false") << "X........" << false << true << false << 0.5 << "X........" << false << "" << true;
}

void TestComputer::computerMove()
{
    QFETCH(QString, before);
    QFETCH(bool, xTurn);
    QFETCH(bool, gameOn);
    QFETCH(bool, comPlay);
    QFETCH(double, draw);
    QFETCH(QString, after);
    QFETCH(bool, xTurnAfter);
    QFETCH(QString, message);
    QFETCH(bool, flagsCleared);

    FakeToolkit toolkit;
    Form1 form(toolkit);
    setBoard(form, before);
    form.XTurn = xTurn;
    form.GameOn = gameOn;
    form.ComPlay = comPlay;
    form.FirstMove = true;
    toolkit.draws.enqueue(draw);

    form.ComputerMove();

    QCOMPARE(toolkit.drawCount, 1);
    QCOMPARE(textFromBoard(form.board()), after);
    QCOMPARE(form.XTurn, xTurnAfter);
    QCOMPARE(toolkit.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    if (!message.isEmpty()) {
        QCOMPARE(toolkit.messages.first().title, QStringLiteral("Kelmo"));
        QCOMPARE(toolkit.messages.first().icon, Toolkit::Icon::None);
        QVERIFY(!form.GameOn);
    }
    QCOMPARE(form.mnuComMove->isEnabled(), message.isEmpty());
    QCOMPARE(!form.ComPlay && !form.FirstMove, flagsCleared);
    if (!flagsCleared) {
        QVERIFY(form.ComPlay);
        QVERIFY(form.FirstMove);
    }
}

KELMO_TEST(TestComputer)
#include "tst_computer.moc"
