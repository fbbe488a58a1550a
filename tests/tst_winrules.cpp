#include "boardtext.h"
#include "rules/winrules.h"
#include "testmain.h"

#include <QtTest>

using kelmo::Mark;
using kelmo::Stroke;

Q_DECLARE_METATYPE(kelmo::Stroke)

class TestWinRules : public QObject
{
    Q_OBJECT

private slots:
    void findWin_data();
    void findWin();
};

void TestWinRules::findWin_data()
{
    QTest::addColumn<QString>("board");
    QTest::addColumn<bool>("found");
    // The struck cells as a board: 'X' / 'O' where the stroke goes.
    QTest::addColumn<QString>("struck");
    QTest::addColumn<Stroke>("stroke");

    const auto win = [](const char *name, const char *board, const char *struck, Stroke stroke) {
        QTest::newRow(name) << QString::fromLatin1(board) << true << QString::fromLatin1(struck) << stroke;
    };
    const auto none = [](const char *name, const char *board) {
        QTest::newRow(name) << QString::fromLatin1(board) << false << QString() << Stroke::Horizontal;
    };

    // The sixteen cases, one at a time.
    win("X top row", "XXX.O.O..", "XXX......", Stroke::Horizontal);
    win("X middle row", "O..XXXO..", "...XXX...", Stroke::Horizontal);
    win("X bottom row", "OO....XXX", "......XXX", Stroke::Horizontal);
    win("X left column", "XO.XO.X..", "X..X..X..", Stroke::Vertical);
    win("X middle column", "OX..X.OX.", ".X..X..X.", Stroke::Vertical);
    win("X right column", "O.X.OX..X", "..X..X..X", Stroke::Vertical);
    win("X falling diagonal", "XO.OX...X", "X...X...X", Stroke::Falling);
    win("X rising diagonal", "OOX.X.X..", "..X.X.X..", Stroke::Rising);
    win("O top row", "OOOXX.X..", "OOO......", Stroke::Horizontal);
    win("O middle row", "X.XOOOX..", "...OOO...", Stroke::Horizontal);
    win("O bottom row", "XX.X..OOO", "......OOO", Stroke::Horizontal);
    win("O left column", "OX.OX.O.X", "O..O..O..", Stroke::Vertical);
    win("O middle column", "XOX.O..O.", ".O..O..O.", Stroke::Vertical);
    win("O right column", "X.OX.O..O", "..O..O..O", Stroke::Vertical);
    win("O falling diagonal", "OX.XO...O", "O...O...O", Stroke::Falling);
    win("O rising diagonal", "XXO.O.O..", "..O.O.O..", Stroke::Rising);

    // Two lines at once: the first in the fixed order is the one struck.
    win("top row before left column", "XXXX..X..", "XXX......", Stroke::Horizontal);
    win("falling before rising", "X.X.X.X.X", "X...X...X", Stroke::Falling);
    win("right column before rising", "..X.XXX.X", "..X..X..X", Stroke::Vertical);
    win("X line before O line", "OOO...XXX", "......XXX", Stroke::Horizontal);
    win("O line on a board without an X line", "XX.OOOX..", "...OOO...", Stroke::Horizontal);

    // Not lines.
    none("empty board", ".........");
    none("full board without a line", "XOXXOOOXX");
    none("mixed line", "XXO......");
    none("two marks and an empty cell", "XX.......");
    none("struck cells never count", "###......");
    none("struck cell breaks a line", "#XX......");
    // What a second call sees right after a win: the line is struck, and the
    // other line through a shared cell has lost that cell.
    none("after a win with two lines", "###X..X..");
    none("after a win", "###OO....");
}

void TestWinRules::findWin()
{
    QFETCH(QString, board);
    QFETCH(bool, found);
    QFETCH(QString, struck);
    QFETCH(Stroke, stroke);

    const auto result = kelmo::findWin(boardFromText(board));
    QCOMPARE(result.has_value(), found);
    if (!found)
        return;

    kelmo::Board line{};
    line.fill(Mark::Empty);
    for (int cell : result->cells)
        line[cell] = result->mark;
    QCOMPARE(textFromBoard(line), struck);
    QCOMPARE(result->stroke, stroke);
}

KELMO_TEST(TestWinRules)
#include "tst_winrules.moc"
