// Kelmo on a desktop: its files, its command line and icon, the keyboard,
// dark themes, long host names and where its dialogs open.

#include "about/form2.h"
#include "app/firstpaint.h"
#include "boards.h"
#include "faketoolkit.h"
#include "game/boardarea.h"
#include "testmain.h"
#include "toolkit/pictures.h"
#include "toolkit/placement.h"
#include "toolkit/qttoolkit.h"

#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
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
    void icon();
    void deferredWorkWaitsForTheFirstPaint();
    void keyboard_data();
    void keyboard();
    void whiteAreasUnderADarkPalette();
    void longHostNamesKeepTheState_data();
    void longHostNamesKeepTheState();
    void boxesOpenClearOfTheWindow_data();
    void boxesOpenClearOfTheWindow();
    void realDialogs();
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
    QVERIFY2(process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0, process.readAll().constData());
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
    QVERIFY2(kelmo.exitCode() == status && output.contains(said), qPrintable(output));
}

void TestDesktop::icon()
{
    // The SVG is well-formed and draws the same tile and four marks.
    QXmlStreamReader xml(pictures::iconSvg());
    QStringList elements;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement
            && QStringList{"ellipse", "line", "rect"}.contains(xml.name().toString()))
            elements.append(xml.name().toString());
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    elements.sort();
    QCOMPARE(elements, (QStringList{"ellipse", "ellipse", "line", "line", "line", "line", "rect"}));

    // The raster: X (black) top-left and bottom-right, on an opaque white
    // tile with round corners.
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

void TestDesktop::keyboard_data()
{
    // Keys pressed in Two Players from a fresh board, the frame starting on
    // the centre: arrows move it and stop at the edges, Space and Enter
    // play the framed cell, a digit plays its cell (1 top left, 9 bottom
    // right), Ctrl+N is New.
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("board");
    QTest::addColumn<int>("framed");

    QTest::newRow("left to the edge") << QList<int>{Qt::Key_Left, Qt::Key_Left, Qt::Key_Left} << "........." << 3;
    QTest::newRow("right to the edge") << QList<int>{Qt::Key_Right, Qt::Key_Right, Qt::Key_Right} << "........." << 5;
    QTest::newRow("up to the edge") << QList<int>{Qt::Key_Up, Qt::Key_Up, Qt::Key_Up} << "........." << 1;
    QTest::newRow("down to the edge") << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Down} << "........." << 7;
    QTest::newRow("a game to a win")
        << QList<int>{Qt::Key_5, Qt::Key_Up, Qt::Key_Space, Qt::Key_Left, Qt::Key_Return, Qt::Key_Left, Qt::Key_Space,
                      Qt::Key_3, Qt::Key_9}
        << "#OO.#...#" << 8;
    QTest::newRow("New") << QList<int>{Qt::Key_5, (Qt::CTRL | Qt::Key_N).toCombined()} << "........." << 4;
}

void TestDesktop::keyboard()
{
    QFETCH(QList<int>, keys);
    QFETCH(QString, board);
    QFETCH(int, framed);
    FakeToolkit toolkit;
    Form1 form(toolkit);
    form.mnusubGame[Form1::TwoPlayers]->trigger();
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    auto *area = qobject_cast<BoardArea *>(form.centralWidget());
    QVERIFY(area->hasFocus() && !area->focusFrameShown());
    const QImage before = area->grab().toImage();
    for (int key : keys)
        QTest::keyClick(area, Qt::Key(key & ~Qt::KeyboardModifierMask), Qt::KeyboardModifiers(key & Qt::KeyboardModifierMask));
    QCOMPARE(textFromBoard(form.board()), board);
    QCOMPARE(area->focusCell(), framed);
    QVERIFY(area->focusFrameShown());
    QTRY_VERIFY(area->grab().toImage() != before);
    QCOMPARE(toolkit.texts(), board.contains('#') ? QStringList{"X Win"} : QStringList());
}

// The board and the About window stay white with black text and lines; the
// menus and the button follow the desktop.
void TestDesktop::whiteAreasUnderADarkPalette()
{
    const QPalette original = QApplication::palette();
    QPalette dark = original;
    for (auto [role, colour] : {std::pair{QPalette::Window, QColor(36, 36, 36)}, {QPalette::WindowText, QColor(238, 238, 238)},
                                {QPalette::Button, QColor(48, 48, 48)}, {QPalette::ButtonText, QColor(238, 238, 238)}})
        dark.setColor(role, colour);
    FakeToolkit toolkit;
    Form1 form(toolkit);
    Form2 about;
    form.Label1->setText(QStringLiteral("alpha Waiting..."));
    QApplication::setPalette(dark); // switched while running
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    const QImage shot = form.centralWidget()->grab().toImage();
    const auto at = [&](int x, int y) { return shot.pixelColor(QPoint(x, y) * shot.devicePixelRatio()); };
    QCOMPARE(at(64, 45), QColor(Qt::black));   // a grid line
    QCOMPARE(at(150, 150), QColor(Qt::white)); // beside the board
    QCOMPARE(at(45, 45), QColor(Qt::white));   // inside a cell
    const QImage status = form.Label1->grab().toImage();
    int darkest = 255;
    for (int x = 0; x < status.width(); ++x)
        darkest = std::min(darkest, status.pixelColor(x, status.height() / 2).lightness());
    QVERIFY2(darkest < 100, "the status text is drawn dark on white");
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
    const int width = form.Label1->contentsRect().width();
    const QString shown = StatusLabel::fitted(text, form.Label1->fontMetrics(), width);
    QVERIFY2(form.Label1->fontMetrics().horizontalAdvance(shown) <= width, qPrintable(shown));
    QCOMPARE(shown.count(QChar(0x2026)), cuts);
    for (const QString &part : kept)
        QVERIFY2(shown.contains(part), qPrintable(shown + " lacks " + part));
    // A screen reader reads the whole line; a shortened one is whole in its
    // tooltip.
    QCOMPARE(QAccessible::queryAccessibleInterface(form.Label1)->text(QAccessible::Name), text);
    QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), form.Label1->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(form.Label1, &help);
    QCOMPARE(QToolTip::text(), cuts ? text : QString());
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

// The real toolkit's dialogs open where the board stays in sight; a box
// shows its text as it is, under the application's title.
void TestDesktop::realDialogs()
{
    FakeToolkit fake;
    Form1 form(fake);
    form.move(100, 100);
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QList<QRect> places;
    QStringList seen;
    const auto closeNextDialog = [&] {
        QTimer::singleShot(0, this, [&] {
            QWidget *shown = QApplication::activeModalWidget();
            QVERIFY(shown);
            places.append(shown->frameGeometry());
            if (auto *box = qobject_cast<QMessageBox *>(shown))
                seen << box->windowTitle() << box->text() << QString::number(box->textFormat());
            shown->close();
        });
    };
    QtToolkit qt;
    Toolkit &toolkit = qt;
    closeNextDialog();
    toolkit.messageBox(QStringLiteral("<b>You Win</b>"));
    closeNextDialog();
    Form2 about;
    toolkit.showModal(about);
    QCOMPARE(seen, (QStringList{"Kelmo", "<b>You Win</b>", QString::number(Qt::PlainText)}));
    QCOMPARE(places.size(), 2);
    for (const QRect &place : places)
        QVERIFY2(!place.intersects(form.frameGeometry()), qPrintable(QStringLiteral("at %1,%2").arg(place.x()).arg(place.y())));
}

KELMO_TEST(TestDesktop)
#include "tst_desktop.moc"
