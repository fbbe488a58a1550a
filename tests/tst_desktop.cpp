#include "boardtext.h"
#include "faketoolkit.h"
#include "game/boardarea.h"
#include "game/boardcell.h"
#include "game/form1.h"
#include "toolkit/pictures.h"
#include "testmain.h"

#include <QAccessible>
#include <QLabel>
#include <QProcess>
#include <QStandardPaths>
#include <QXmlStreamReader>
#include <QtTest>

#ifndef KELMO_SOURCE_DIR
#error "KELMO_SOURCE_DIR must name the source tree"
#endif

class TestDesktop : public QObject
{
    Q_OBJECT

private slots:
    void validators_data();
    void validators();
    void svgIconMatchesTheRaster();
    void keyboardPlay();
    void focusFrameShowsAfterKeyboardUse();
    void arrowKeysStopAtTheEdges_data();
    void arrowKeysStopAtTheEdges();
    void accessibleCells();
    void accessibleLabels();

private:
    static QString accessibleName(QObject *object)
    {
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(object);
        return iface ? iface->text(QAccessible::Name) : QString();
    }
};

void TestDesktop::validators_data()
{
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QStringList>("arguments");
    const QString data = QStringLiteral(KELMO_SOURCE_DIR "/data/");
    QTest::newRow("desktop entry") << "desktop-file-validate" << QStringList{data + "org.example.Kelmo.desktop"};
    QTest::newRow("metainfo") << "appstreamcli"
                              << QStringList{"validate", "--no-net", data + "org.example.Kelmo.metainfo.xml"};
}

void TestDesktop::validators()
{
    QFETCH(QString, tool);
    QFETCH(QStringList, arguments);
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        QSKIP(qPrintable(tool + " is not installed"));
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    QVERIFY(process.waitForFinished(60000));
    QVERIFY2(process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0,
             process.readAll().constData());
}

void TestDesktop::svgIconMatchesTheRaster()
{
    // The SVG is well-formed and draws the same four marks.
    QXmlStreamReader xml(pictures::iconSvg());
    int lines = 0, ellipses = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            lines += xml.name() == QLatin1String("line");
            ellipses += xml.name() == QLatin1String("ellipse");
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QCOMPARE(lines, 4);
    QCOMPARE(ellipses, 2);

    // The raster: X (black) top-left and bottom-right, O (red) elsewhere.
    const QImage icon = pictures::iconImage(48);
    QCOMPARE(icon.size(), QSize(48, 48));
    QCOMPARE(icon.pixelColor(12, 12), QColor(Qt::black)); // the crossing of an X
    QCOMPARE(icon.pixelColor(36, 36), QColor(Qt::black));
    QCOMPARE(icon.pixelColor(24, 24), QColor(Qt::white));
}

void TestDesktop::keyboardPlay()
{
    FakeToolkit toolkit;
    Form1 form(toolkit);
    form.mnusubGame_Click(Form1::TwoPlayers); // Two Players
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QWidget *board = form.centralWidget();
    QVERIFY(board->hasFocus());

    QTest::keyClick(board, Qt::Key_5);     // X in the centre
    QTest::keyClick(board, Qt::Key_Up);    // O top centre, by the arrows
    QTest::keyClick(board, Qt::Key_Space);
    QTest::keyClick(board, Qt::Key_Left);  // X top left, with Enter
    QTest::keyClick(board, Qt::Key_Return);
    QTest::keyClick(board, Qt::Key_Left);  // stays in the left column: occupied, refused
    QTest::keyClick(board, Qt::Key_Space);
    QTest::keyClick(board, Qt::Key_3);     // O top right
    QTest::keyClick(board, Qt::Key_9, Qt::KeypadModifier); // X bottom right wins
    QCOMPARE(textFromBoard(form.board()), QStringLiteral("#OO.#...#"));
    QCOMPARE(toolkit.texts(), QStringList{"X Win"});

    // F2 still starts a new game.
    QTest::keyClick(&form, Qt::Key_F2);
    QCOMPARE(textFromBoard(form.board()), QStringLiteral("........."));
}

void TestDesktop::focusFrameShowsAfterKeyboardUse()
{
    FakeToolkit toolkit;
    Form1 form(toolkit);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    auto *board = qobject_cast<BoardArea *>(form.centralWidget());
    QVERIFY(board);
    QVERIFY(!board->focusFrameShown());
    const QImage before = board->grab().toImage();
    QTest::keyClick(board, Qt::Key_Down);
    QVERIFY(board->focusFrameShown());
    QCOMPARE(board->focusCell(), 7);
    QTest::keyClick(board, Qt::Key_Down); // the edge holds it
    QCOMPARE(board->focusCell(), 7);
    QTRY_VERIFY(board->grab().toImage() != before);
}

// From the centre, each arrow key pressed three times: the frame goes to
// the edge of the board and stays there, in the same row or column.
void TestDesktop::arrowKeysStopAtTheEdges_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("cell");
    QTest::newRow("left") << int(Qt::Key_Left) << 3;
    QTest::newRow("right") << int(Qt::Key_Right) << 5;
    QTest::newRow("up") << int(Qt::Key_Up) << 1;
    QTest::newRow("down") << int(Qt::Key_Down) << 7;
}

void TestDesktop::arrowKeysStopAtTheEdges()
{
    QFETCH(int, key);
    QFETCH(int, cell);
    FakeToolkit toolkit;
    Form1 form(toolkit);
    auto *board = qobject_cast<BoardArea *>(form.centralWidget());
    QCOMPARE(board->focusCell(), 4);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(board, Qt::Key(key));
    QCOMPARE(board->focusCell(), cell);
    QCOMPARE(textFromBoard(form.board()), QStringLiteral("........."));
}

void TestDesktop::accessibleCells()
{
    FakeToolkit toolkit;
    Form1 form(toolkit);
    form.mnusubGame_Click(Form1::TwoPlayers);
    form.show();
    QCOMPARE(accessibleName(form.Image1[0]), QStringLiteral("Top left: empty"));
    QCOMPARE(accessibleName(form.Image1[4]), QStringLiteral("Centre: empty"));
    for (int cell : {3, 0, 4, 1, 5})
        form.Image1_Click(cell);
    QCOMPARE(accessibleName(form.Image1[0]), QStringLiteral("Top left: O"));
    QCOMPARE(accessibleName(form.Image1[4]), QStringLiteral("Centre: X, struck"));
    QCOMPARE(accessibleName(form.Image1[5]), QStringLiteral("Middle right: X, struck"));
    QCOMPARE(accessibleName(form.Image1[8]), QStringLiteral("Bottom right: empty"));
    QAccessibleInterface *cell = QAccessible::queryAccessibleInterface(form.Image1[8]);
    QVERIFY(cell->text(QAccessible::Description).contains(QStringLiteral("9")));
}

void TestDesktop::accessibleLabels()
{
    FakeToolkit toolkit;
    Form1 form(toolkit);
    form.show();
    form.Label1->setText(QStringLiteral("alpha Connected beta"));
    QCOMPARE(accessibleName(form.Label1), QStringLiteral("alpha Connected beta"));
    toolkit.onModal = [&](QDialog &about) {
        QStringList names;
        for (QLabel *label : about.findChildren<QLabel *>())
            names.append(accessibleName(label));
        QVERIFY(names.contains(QStringLiteral("Kelmo")));
        QVERIFY(std::any_of(names.begin(), names.end(), [](const QString &n) { return n.startsWith("URL : "); }));
    };
    form.mnuAbout_Click();
    QCOMPARE(toolkit.modalTitles.size(), 1);
}

KELMO_TEST(TestDesktop)
#include "tst_desktop.moc"
