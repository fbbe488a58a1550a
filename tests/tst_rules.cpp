// The pure rules: which line wins, and where the computer plays.

#include "boards.h"
#include "computer/computerplayer.h"
#include "rules/winrules.h"
#include "testmain.h"

#include <QtTest>

using kelmo::Mark;
using kelmo::Stroke;

Q_DECLARE_METATYPE(kelmo::Stroke)

class TestRules : public QObject
{
    Q_OBJECT

private slots:
    void findWin_data()
    {
        QTest::addColumn<QString>("board");
        QTest::addColumn<QString>("struck"); // the winning line as a board; empty: no line
        QTest::addColumn<Stroke>("stroke");

        const auto win = [](const char *name, const char *board, const char *struck, Stroke stroke) {
            QTest::newRow(name) << board << struck << stroke;
        };
        const auto none = [](const char *name, const char *board) { QTest::newRow(name) << board << "" << Stroke::Horizontal; };

        // Each X case, and O cases: O is looked at in the same order.
        win("X top row", "XXX.O.O..", "XXX......", Stroke::Horizontal);
        win("X middle row", "O..XXXO..", "...XXX...", Stroke::Horizontal);
        win("X bottom row", "OO....XXX", "......XXX", Stroke::Horizontal);
        win("X left column", "XO.XO.X..", "X..X..X..", Stroke::Vertical);
        win("X middle column", "OX..X.OX.", ".X..X..X.", Stroke::Vertical);
        win("X right column", "O.X.OX..X", "..X..X..X", Stroke::Vertical);
        win("X falling diagonal", "XO.OX...X", "X...X...X", Stroke::Falling);
        win("X rising diagonal", "OOX.X.X..", "..X.X.X..", Stroke::Rising);
        win("O top row", "OOOXX.X..", "OOO......", Stroke::Horizontal);
        win("O rising diagonal", "XXO.O.O..", "..O.O.O..", Stroke::Rising);
        // Two lines at once: the first in the fixed order is the one struck.
        win("top row before left column", "XXXX..X..", "XXX......", Stroke::Horizontal);
        win("falling before rising", "X.X.X.X.X", "X...X...X", Stroke::Falling);
        win("right column before rising", "..X.XXX.X", "..X..X..X", Stroke::Vertical);
        win("X line before O line", "OOO...XXX", "......XXX", Stroke::Horizontal);
        // Not lines: struck cells never count, so a second look after a win
        // finds nothing.
        none("empty board", ".........");
        none("full board without a line", "XOXXOOOXX");
        none("mixed line", "XXO......");
        none("struck cell breaks a line", "#XX......");
        none("after a win with two lines", "###X..X..");
    }

    void findWin()
    {
        QFETCH(QString, board);
        QFETCH(QString, struck);

        const auto win = kelmo::findWin(boardFromText(board));
        QCOMPARE(win.has_value(), !struck.isEmpty());
        if (!win)
            return;
        kelmo::Board line{};
        for (int cell : win->cells)
            line[cell] = win->mark;
        QCOMPARE(textFromBoard(line), struck);
        QTEST(win->stroke, "stroke");
    }

    void chooseCell_data()
    {
        QTest::addColumn<QString>("board");
        QTest::addColumn<QString>("mover");
        QTest::addColumn<int>("randomCell");
        QTest::addColumn<int>("expected"); // -1: no cell

        const auto row = [](const char *name, const char *board, const char *mover, int randomCell, int expected) {
            QTest::newRow(name) << board << mover << randomCell << expected;
        };
        // Complete an own line: each line, the empty cell in each position.
        row("complete top row at 0", ".OOXX....", "O", 8, 0);
        row("complete middle row at 4", "XX.O.O...", "O", 8, 4);
        row("complete bottom row at 8", "X.X...OO.", "O", 0, 8);
        row("complete left column at 6", "X..X.....", "X", 8, 6);
        row("complete falling diagonal at 8", "O..XO.X..", "O", 1, 8);
        row("complete rising diagonal at 6", "..O.O...X", "O", 1, 6);
        // Block the opponent.
        row("block top row", "XX..O....", "O", 8, 2);
        row("block left column", "X.OX.....", "O", 8, 6);
        row("X blocks O", "OO..X..X.", "X", 8, 2);
        // Precedence: the first line in the fixed order, completing first.
        row("top row before left column", "OO.OX...X", "O", 8, 2);
        row("top row before middle row", "OO.OO.X.X", "O", 8, 2);
        row("complete before block", "XX.OO....", "O", 8, 5);
        row("own line beats an earlier threat", "XX.....OO", "O", 2, 6);
        // Centre, random cell, fallback scan.
        row("empty board takes centre", ".........", "O", 0, 4);
        row("centre taken: random cell", "....X....", "O", 7, 7);
        row("random cell is the centre: first free", "....X....", "O", 4, 0);
        row("random cell taken: first free", "X...O....", "O", 0, 1);
        row("random cell struck: first free", "###.X....", "O", 1, 3);
        row("scan passes struck and marked cells", "###OXO...", "X", 4, 6);
        row("full board", "XOXXOOOXX", "O", 3, -1);
        row("only struck cells left", "###OXOXOX", "X", 0, -1);
    }

    void chooseCell()
    {
        QFETCH(QString, board);
        QFETCH(QString, mover);
        QFETCH(int, randomCell);
        QTEST(kelmo::chooseCell(boardFromText(board), mover == "X" ? Mark::X : Mark::O, randomCell).value_or(-1), "expected");
    }
};

KELMO_TEST(TestRules)
#include "tst_rules.moc"
