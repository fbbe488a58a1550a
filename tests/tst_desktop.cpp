#include "about/form2.h"
#include "app/firstpaint.h"
#include "boardtext.h"
#include "fakesocketapi.h"
#include "faketoolkit.h"
#include "game/boardarea.h"
#include "game/boardcell.h"
#include "game/form1.h"
#include "testmain.h"
#include "toolkit/pictures.h"
#include "toolkit/placement.h"
#include "toolkit/qttoolkit.h"

#include <QAccessible>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QProcess>
#include <QStandardPaths>
#include <QToolTip>
#include <QXmlStreamReader>
#include <QtTest>

#if !defined(KELMO_SOURCE_DIR) || !defined(KELMO_PROGRAM) || !defined(KELMO_VERSION)
#error "KELMO_SOURCE_DIR, KELMO_PROGRAM and KELMO_VERSION must be defined"
#endif

class TestDesktop : public QObject
{
    Q_OBJECT

private slots:
    void validators_data();
    void validators();
    void commandLine_data();
    void commandLine();
    void svgIconMatchesTheRaster();
    void deferredWorkWaitsForTheFirstPaint();
    void keyboardPlay();
    void focusFrameShowsAfterKeyboardUse();
    void arrowKeysStopAtTheEdges_data();
    void arrowKeysStopAtTheEdges();
    void accessibleCells();
    void accessibleLabels();
    void whiteAreasUnderADarkPalette_data();
    void whiteAreasUnderADarkPalette();
    void longHostNamesKeepTheState_data();
    void longHostNamesKeepTheState();
    void boxesOpenClearOfTheWindow_data();
    void boxesOpenClearOfTheWindow();
    void resultBoxLeavesTheBoardInSight();
    void desktopShortcuts();

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

void TestDesktop::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("said");
    QTest::newRow("help") << QStringList{"--help"} << 0 << "-v, --version";
    QTest::newRow("version") << QStringList{"-v"} << 0 << "kelmo " KELMO_VERSION "\n";
    QTest::newRow("after a Qt option") << QStringList{"-platform", "xcb", "--version"} << 0 << "kelmo " KELMO_VERSION;
    QTest::newRow("unknown option") << QStringList{"--colour"} << 2 << "Unknown option 'colour'";
    QTest::newRow("an argument") << QStringList{"game.txt"} << 2 << "Unexpected argument 'game.txt'";
}

// Answered before any window: with no platform Qt could load, making the
// application object would end the program otherwise.
void TestDesktop::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, said);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("no-such-platform"));
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    QProcess kelmo;
    kelmo.setProcessEnvironment(environment);
    kelmo.start(QStringLiteral(KELMO_PROGRAM), arguments);
    QVERIFY(kelmo.waitForFinished(30000));
    const QString output = QString::fromLocal8Bit(kelmo.readAllStandardOutput() + kelmo.readAllStandardError());
    QCOMPARE(kelmo.exitStatus(), QProcess::NormalExit);
    QVERIFY2(kelmo.exitCode() == status, qPrintable(output));
    QVERIFY2(output.contains(said), qPrintable(output));
}

void TestDesktop::svgIconMatchesTheRaster()
{
    // The SVG is well-formed and draws the same tile and four marks.
    QXmlStreamReader xml(pictures::iconSvg());
    int tiles = 0, lines = 0, ellipses = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            tiles += xml.name() == QLatin1String("rect") && xml.attributes().value("fill") == QLatin1String("#ffffff");
            lines += xml.name() == QLatin1String("line");
            ellipses += xml.name() == QLatin1String("ellipse");
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QCOMPARE(tiles, 1);
    QCOMPARE(lines, 4);
    QCOMPARE(ellipses, 2);

    // The raster: X (black) top-left and bottom-right, O (red) elsewhere,
    // on an opaque white tile with round corners.
    const QImage icon = pictures::iconImage(64);
    QCOMPARE(icon.size(), QSize(64, 64));
    QCOMPARE(icon.pixelColor(17, 17), QColor(Qt::black)); // the crossing of an X
    QCOMPARE(icon.pixelColor(45, 45), QColor(Qt::black));
    QCOMPARE(icon.pixelColor(32, 32), QColor(Qt::white)); // between the marks
    QCOMPARE(icon.pixelColor(0, 0).alpha(), 0);           // beyond a round corner
}

// What start-up leaves for later runs once the window is on screen, and
// only then.
void TestDesktop::deferredWorkWaitsForTheFirstPaint()
{
    QWidget window;
    bool done = false;
    afterFirstPaint(window, [&] { done = true; });
    QCoreApplication::processEvents();
    QVERIFY(!done);
    window.show();
    QTRY_VERIFY(done);
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

void TestDesktop::whiteAreasUnderADarkPalette_data()
{
    QTest::addColumn<bool>("changedWhileRunning");
    QTest::newRow("dark from the start") << false;
    QTest::newRow("switched to dark while running") << true;
}

// The board and the About window stay white with black text and lines; the
// menus and the button follow the desktop.
void TestDesktop::whiteAreasUnderADarkPalette()
{
    QFETCH(bool, changedWhileRunning);
    const QPalette original = QApplication::palette();
    QPalette dark = original;
    for (auto [role, colour] : {std::pair{QPalette::Window, QColor(36, 36, 36)}, {QPalette::WindowText, QColor(238, 238, 238)},
                                {QPalette::Button, QColor(48, 48, 48)}, {QPalette::ButtonText, QColor(238, 238, 238)}})
        dark.setColor(role, colour);
    if (!changedWhileRunning)
        QApplication::setPalette(dark);

    FakeToolkit toolkit;
    Form1 form(toolkit);
    Form2 about;
    form.Label1->setText(QStringLiteral("alpha Waiting..."));
    if (changedWhileRunning)
        QApplication::setPalette(dark);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    const QImage shot = form.centralWidget()->grab().toImage();
    const auto at = [&](int x, int y) { return shot.pixelColor(QPoint(x, y) * shot.devicePixelRatio()); };
    QCOMPARE(at(64, 45), QColor(Qt::black));  // a grid line
    QCOMPARE(at(150, 150), QColor(Qt::white)); // the area beside the board
    QImage status = form.Label1->grab().toImage();
    int darkest = 255;
    for (int x = 0; x < status.width(); ++x)
        darkest = std::min(darkest, status.pixelColor(x, status.height() / 2).lightness());
    QVERIFY2(darkest < 100, "the status text is drawn dark on white");
    QCOMPARE(status.pixelColor(status.width() - 1, 0), QColor(Qt::white));

    for (QLabel *label : about.findChildren<QLabel *>())
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::black));
    QCOMPARE(about.palette().color(QPalette::Window), QColor(Qt::white));
    QCOMPARE(about.Command1->palette().color(QPalette::ButtonText), QColor(238, 238, 238));
    QCOMPARE(form.menuBar()->palette().color(QPalette::Window), QColor(36, 36, 36));
    QApplication::setPalette(original);
}

void TestDesktop::longHostNamesKeepTheState_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("kept"); // what the line must still show
    QTest::addColumn<int>("cuts");

    const QString bob = QStringLiteral("bob-desktop-workstation");
    const QString alice = QStringLiteral("alice-laptop-workstation");
    QTest::newRow("short enough") << "alpha Connected beta" << QStringList{"alpha Connected beta"} << 0;
    QTest::newRow("waiting") << bob + " Waiting..." << QStringList{"bob", " Waiting..."} << 1;
    QTest::newRow("connecting") << bob + " Connecting" << QStringList{"bob", " Connecting"} << 1;
    QTest::newRow("connected, both long") << bob + " Connected " + alice << QStringList{" Connected "} << 2;
    QTest::newRow("connected, only the opponent long") << "me Connected " + alice << QStringList{"me Connected "} << 1;
}

void TestDesktop::longHostNamesKeepTheState()
{
    QFETCH(QString, text);
    QFETCH(QStringList, kept);
    QFETCH(int, cuts);

    FakeToolkit toolkit;
    Form1 form(toolkit);
    form.show();
    form.Label1->setText(text);
    QCOMPARE(accessibleName(form.Label1), text);
    // The whole line is the tooltip of a shortened one.
    QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), form.Label1->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(form.Label1, &help);
    QCOMPARE(QToolTip::text(), cuts ? text : QString());

    const int width = form.Label1->contentsRect().width();
    const QString shown = StatusLabel::fitted(text, form.Label1->fontMetrics(), width);
    QVERIFY2(form.Label1->fontMetrics().horizontalAdvance(shown) <= width, qPrintable(shown));
    QCOMPARE(shown.count(QChar(0x2026)), cuts);
    for (const QString &part : kept)
        QVERIFY2(shown.contains(part), qPrintable(shown + " lacks " + part));
}

void TestDesktop::boxesOpenClearOfTheWindow_data()
{
    QTest::addColumn<QRect>("window");
    QTest::addColumn<QPoint>("place");
    // A 300 x 120 box on a 1000 x 800 screen, 8 pixels away from the window.
    QTest::newRow("room below") << QRect(100, 100, 200, 250) << QPoint(49, 358);
    QTest::newRow("at the bottom: to the right") << QRect(100, 600, 200, 200) << QPoint(308, 600);
    QTest::newRow("bottom right: to the left") << QRect(750, 600, 250, 200) << QPoint(442, 600);
    QTest::newRow("bottom, no room beside: above") << QRect(0, 600, 1000, 200) << QPoint(349, 472);
    QTest::newRow("filling the screen: below, on the screen") << QRect(0, 0, 1000, 800) << QPoint(349, 680);
}

void TestDesktop::boxesOpenClearOfTheWindow()
{
    QFETCH(QRect, window);
    QFETCH(QPoint, place);
    QCOMPARE(placeClearOf(window, QSize(300, 120), QRect(0, 0, 1000, 800)), place);
}

// The real toolkit opens a result box where the board stays in sight.
void TestDesktop::resultBoxLeavesTheBoardInSight()
{
    FakeToolkit fake;
    Form1 form(fake);
    form.move(100, 100);
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));

    QRect box;
    QTimer::singleShot(0, this, [&] {
        if (QWidget *shown = QApplication::activeModalWidget()) {
            box = shown->frameGeometry();
            shown->close();
        }
    });
    QtToolkit qt;
    Toolkit &toolkit = qt;
    toolkit.messageBox(QStringLiteral("You Win"));
    QVERIFY(box.isValid());
    QVERIFY2(!box.intersects(form.frameGeometry()), qPrintable(QStringLiteral("box at %1,%2").arg(box.x()).arg(box.y())));
}

void TestDesktop::desktopShortcuts()
{
    FakeToolkit toolkit;
    Form1 form(toolkit);
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.Image1_Click(0);
    QVERIFY(form.board() != boardFromText(QStringLiteral(".........")));
    QTest::keyClick(&form, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(textFromBoard(form.board()), QStringLiteral("........."));
    QTest::keyClick(&form, Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(!form.isVisible());
}

KELMO_TEST(TestDesktop)
#include "tst_desktop.moc"
