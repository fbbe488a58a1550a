#include "boardtext.h"
#include "faketoolkit.h"
#include "formboard.h"
#include "game/boardcell.h"
#include "game/form1.h"
#include "testmain.h"

#include <QLabel>
#include <QMenuBar>
#include <QtTest>

class TestForm1 : public QObject
{
    Q_OBJECT

private slots:
    void startState();
    void menus();
    void layout();
    void clearBoardAfterWin();
    void struckCellIsNeitherEmptyNorMarked();
    void youWinStrikesWithHolderPictures_data();
    void youWinStrikesWithHolderPictures();
    void youWinIgnoresGameOn();
    void pictures();
    void labelsShowPlainText();

private:
    static QImage imageOf(const Picture &picture) { return picture.pixmap().toImage(); }
    static int countPixels(const QImage &image, const std::function<bool(QColor)> &test)
    {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += test(image.pixelColor(x, y)) ? 1 : 0;
        return count;
    }
};

void TestForm1::startState()
{
    FakeToolkit toolkit;
    Form1 form(toolkit);
    QCOMPARE(toolkit.randomizeCalls, 1);
    QCOMPARE(form.windowTitle(), QStringLiteral("Kelmo"));
    for (int i = 0; i < 9; ++i)
        QVERIFY(form.isEmpty(i));
    QVERIFY(form.XTurn);
    QVERIFY(form.GameOn);
    QVERIFY(form.FirstMove);
    QVERIFY(form.ComPlay);
    QVERIFY(!form.FirstData);
    QCOMPARE(form.Label1->text(), QString());
    QCOMPARE(form.Label2->text(), QString());
    QVERIFY(form.mnuComMove->isEnabled());
    QVERIFY(toolkit.messages.isEmpty());
}

void TestForm1::menus()
{
    FakeToolkit toolkit;
    Form1 form(toolkit);
    const QStringList captions{"&New", {}, {}, "Normal Mode", "  One Player", "  Two Players", {},
                               "Network Mode", "  Waiting for Connection", "  Connect to Opponent"};
    QVERIFY(form.mnusubGame[1] == nullptr);
    for (int i : {0, 3, 4, 5, 7, 8, 9}) {
        QCOMPARE(form.mnusubGame[i]->text(), captions[i]);
        QVERIFY(form.mnusubGame[i]->isEnabled());
        QCOMPARE(form.mnusubGame[i]->isChecked(), i == 4);
    }
    QVERIFY(form.mnusubGame[2]->isSeparator());
    QVERIFY(form.mnusubGame[6]->isSeparator());
    QCOMPARE(form.mnusubGame[Form1::New]->shortcut(), QKeySequence(Qt::Key_F2));

    const QList<QAction *> bar = form.menuBar()->actions();
    QCOMPARE(bar.size(), 3);
    QCOMPARE(bar[0]->text(), QStringLiteral("&Game"));
    QVERIFY(bar[0]->menu());
    QCOMPARE(bar[1], form.mnuComMove);
    QCOMPARE(bar[1]->text(), QStringLiteral("&ComMove"));
    QVERIFY(!bar[1]->menu());
    QCOMPARE(bar[2], form.mnuAbout);
    QCOMPARE(bar[2]->text(), QStringLiteral("&About"));
}

void TestForm1::layout()
{
    FakeToolkit toolkit;
    Form1 form(toolkit);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    QWidget *area = form.centralWidget();
    QCOMPARE(area->height(), 171);
    QVERIFY(area->width() >= 171);
    QVERIFY(area->width() >= form.menuBar()->sizeHint().width());
    QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(form.windowFlags() & Qt::WindowMinimizeButtonHint);

    for (int i = 0; i < 9; ++i)
        QCOMPARE(form.Image1[i]->geometry(), QRect(24 + 40 * (i % 3), 24 + 40 * (i / 3), 42, 42));
    QCOMPARE(form.Label1->geometry(), QRect(8, 0, 153, 17));
    QCOMPARE(form.Label2->geometry(), QRect(8, 152, 161, 17));

    // The grid lines lie over the cells: black where the cells overlap,
    // white in the middle of each cell.
    const QImage shot = area->grab().toImage();
    const qreal ratio = shot.devicePixelRatio();
    const auto at = [&](int x, int y) { return shot.pixelColor(QPoint(x, y) * ratio); };
    for (int line : {64, 104}) {
        QCOMPARE(at(line, 45), QColor(Qt::black));
        QCOMPARE(at(45, line), QColor(Qt::black));
        QCOMPARE(at(line, 140), QColor(Qt::black));
    }
    QCOMPARE(at(45, 45), QColor(Qt::white));
    QCOMPARE(at(84, 126), QColor(Qt::white));
    QCOMPARE(at(150, 150), QColor(Qt::white)); // outside the board
    QCOMPARE(at(60, 30), QColor(Qt::white));
}

void TestForm1::clearBoardAfterWin()
{
    FakeToolkit toolkit;
    Form1 form(toolkit);
    setBoard(form, "XXXOO....");
    form.XTurn = false;
    form.FirstMove = false;
    form.Label1->setText("kept");
    QVERIFY(form.YouWin());
    QVERIFY(!form.GameOn);

    form.ClearBoard();
    for (int i = 0; i < 9; ++i)
        QCOMPARE(form.Image1[i]->picture(), &form.PicEmpty);
    QVERIFY(form.XTurn);
    QVERIFY(form.GameOn);
    QVERIFY(form.FirstMove);
    QCOMPARE(form.Label1->text(), QStringLiteral("kept"));
    QVERIFY(form.mnusubGame[Form1::OnePlayer]->isChecked());
}

void TestForm1::struckCellIsNeitherEmptyNorMarked()
{
    FakeToolkit toolkit;
    Form1 form(toolkit);
    for (const Picture *struck : {&form.Xrmlm, &form.Xctcb, &form.Xrtlb, &form.Xrblt, &form.Ormlm,
                                  &form.Octcb, &form.Ortlb, &form.Orblt}) {
        form.Image1[0]->setPicture(struck);
        QVERIFY(!form.isEmpty(0));
        QVERIFY(!form.holdsX(0));
        QVERIFY(!form.holdsO(0));
        QCOMPARE(form.board()[0], kelmo::Mark::Struck);
    }
}

void TestForm1::youWinStrikesWithHolderPictures_data()
{
    QTest::addColumn<QString>("board");
    QTest::addColumn<QString>("holder");
    QTest::addColumn<QList<int>>("cells");

    QTest::newRow("X row") << "XXXOO...." << "Xrmlm" << QList<int>{0, 1, 2};
    QTest::newRow("X column") << "XO.XO.X.." << "Xctcb" << QList<int>{0, 3, 6};
    QTest::newRow("X falling") << "XO.OX...X" << "Xrtlb" << QList<int>{0, 4, 8};
    QTest::newRow("X rising") << "OOX.X.X.." << "Xrblt" << QList<int>{2, 4, 6};
    QTest::newRow("O row") << "X.XOOOX.." << "Ormlm" << QList<int>{3, 4, 5};
    QTest::newRow("O column") << "XOX.O..O." << "Octcb" << QList<int>{1, 4, 7};
    QTest::newRow("O falling") << "OX.XO...O" << "Ortlb" << QList<int>{0, 4, 8};
    QTest::newRow("O rising") << "XXO.O.O.." << "Orblt" << QList<int>{2, 4, 6};
}

void TestForm1::youWinStrikesWithHolderPictures()
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

    QVERIFY(form.YouWin());
    QVERIFY(!form.GameOn);
    for (int i = 0; i < 9; ++i) {
        if (cells.contains(i))
            QCOMPARE(form.Image1[i]->picture(), holders[holder]);
        else
            QCOMPARE(form.board()[i], boardFromText(board)[i]);
    }
    // A second call finds nothing more and changes nothing.
    const kelmo::Board after = form.board();
    QVERIFY(!form.YouWin());
    QCOMPARE(form.board(), after);
    QVERIFY(toolkit.messages.isEmpty());
}

void TestForm1::youWinIgnoresGameOn()
{
    FakeToolkit toolkit;
    Form1 form(toolkit);
    setBoard(form, "OOOXX.X..");
    form.GameOn = false;
    QVERIFY(form.YouWin());
    QCOMPARE(form.Image1[0]->picture(), &form.Ormlm);

    setBoard(form, "XOXXOOOXX");
    form.GameOn = true;
    QVERIFY(!form.YouWin());
    QVERIFY(form.GameOn);
}

void TestForm1::pictures()
{
    FakeToolkit toolkit;
    Form1 form(toolkit);
    const auto isRed = [](QColor c) { return c.red() > 200 && c.green() < 80 && c.blue() < 80; };
    const auto isBlack = [](QColor c) { return c.red() < 60 && c.green() < 60 && c.blue() < 60; };
    const auto isWhite = [](QColor c) { return c == QColor(Qt::white); };

    const QList<const Picture *> all{&form.X, &form.O, &form.PicEmpty, &form.Xrtlb, &form.Xctcb, &form.Xrblt,
                                     &form.Xrmlm, &form.Ortlb, &form.Octcb, &form.Orblt, &form.Ormlm};
    QSet<qint32> handles;
    for (const Picture *picture : all) {
        QCOMPARE(picture->pixmap().deviceIndependentSize(), QSizeF(42, 42));
        handles.insert(picture->Handle());
    }
    QCOMPARE(handles.size(), all.size());

    const QImage x = imageOf(form.X);
    const QImage o = imageOf(form.O);
    QVERIFY(countPixels(x, isBlack) > 50);
    QCOMPARE(countPixels(x, isRed), 0);
    QVERIFY(countPixels(o, isRed) > 50);
    QCOMPARE(countPixels(o, isBlack), 0);
    QCOMPARE(countPixels(imageOf(form.PicEmpty), isWhite), x.width() * x.height());

    // Each strike picture is its plain mark plus a stroke in the mark's colour
    // that reaches the picture's edges where the stroke should run.
    struct Probe {
        const Picture *struck;
        const Picture *plain;
        QPointF edgeA, edgeB; // logical points on the stroke, at the edges
    };
    const qreal last = 41.5;
    const QList<Probe> probes{
        {&form.Xrmlm, &form.X, {0.5, 21}, {last, 21}}, {&form.Xctcb, &form.X, {21, 0.5}, {21, last}},
        {&form.Xrtlb, &form.X, {0.5, 0.5}, {last, last}}, {&form.Xrblt, &form.X, {0.5, last}, {last, 0.5}},
        {&form.Ormlm, &form.O, {0.5, 21}, {last, 21}}, {&form.Octcb, &form.O, {21, 0.5}, {21, last}},
        {&form.Ortlb, &form.O, {0.5, 0.5}, {last, last}}, {&form.Orblt, &form.O, {0.5, last}, {last, 0.5}},
    };
    for (const Probe &probe : probes) {
        const QImage struck = imageOf(*probe.struck);
        const QImage plain = imageOf(*probe.plain);
        const qreal ratio = struck.devicePixelRatio();
        const auto colorOf = [&](const QImage &image, QPointF p) { return image.pixelColor(int(p.x() * ratio), int(p.y() * ratio)); };
        const auto inkColour = probe.plain == &form.X ? isBlack : isRed;
        for (QPointF p : {probe.edgeA, probe.edgeB}) {
            QVERIFY(isWhite(colorOf(plain, p)));
            QVERIFY2(inkColour(colorOf(struck, p)), qPrintable(QString("at %1,%2").arg(p.x()).arg(p.y())));
        }
        QVERIFY(struck != plain);
    }
}

void TestForm1::labelsShowPlainText()
{
    FakeToolkit toolkit;
    Form1 form(toolkit);
    QCOMPARE(form.Label1->textFormat(), Qt::PlainText);
    QCOMPARE(form.Label2->textFormat(), Qt::PlainText);
}

KELMO_TEST(TestForm1)
#include "tst_form1.moc"
