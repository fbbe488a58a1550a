// Kelmo on a desktop: the About window, what a screen reader learns, the
// icon, the keyboard, dark themes, long host names and where dialogs open.

#include "about/form2.h"
#include "boards.h"
#include "faketoolkit.h"
#include "game/boardarea.h"
#include "testmain.h"
#include "toolkit/pictures.h"
#include "toolkit/placement.h"
#include "toolkit/qttoolkit.h"

#include <QAccessible>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextDocument>
#include <QToolTip>
#include <QtTest>

#ifdef KELMO_CAN_SWITCH_ON_ACCESSIBILITY
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#endif

namespace {

// The events sent since the test began: what happened, and to which object.
QList<std::pair<QAccessible::Event, QObject *>> events;

bool sent(QAccessible::Event type, QObject *object)
{
    return events.contains(std::pair{type, object});
}

QAccessibleInterface *interfaceOf(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

} // namespace

class TestDesktop : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // As a screen reader would: accessibility events are sent only while
        // it listens.
#ifdef KELMO_CAN_SWITCH_ON_ACCESSIBILITY
        if (QPlatformAccessibility *platform = QGuiApplicationPrivate::platformIntegration()->accessibility())
            platform->setActive(true);
#endif
        QAccessible::installUpdateHandler([](QAccessibleEvent *event) { events.append({event->type(), event->object()}); });
    }
    void init()
    {
        events.clear();
        if (QByteArray(QTest::currentTestFunction()).contains("Announced") && !QAccessible::isActive())
            QSKIP("accessibility cannot be switched on here (qt6-base-private-dev is missing)");
    }
    void cleanupTestCase() { QAccessible::installUpdateHandler(nullptr); }

    // Where the pointer moves, or drags ("pressed"), in turn; the link colours then.
    void colours_data()
    {
        QTest::addColumn<QStringList>("path");
        QTest::addColumn<QColor>("label2");
        QTest::addColumn<QColor>("label13");
        const QColor blue(0, 0, 255), black(0, 0, 0);
        QTest::newRow("over the e-mail line") << QStringList{"Label2"} << blue << black;
        QTest::newRow("e-mail, background, web") << QStringList{"Label2", "background", "Label13"} << black << blue;
        QTest::newRow("web, then background") << QStringList{"Label13", "background"} << black << black;
        QTest::newRow("web, then e-mail") << QStringList{"Label13", "Label2"} << blue << black;
        QTest::newRow("e-mail, then a drag on the credit line") << QStringList{"Label2", "Label1 pressed"} << blue << black;
    }

    void colours()
    {
        QFETCH(QStringList, path);
        Form2 about;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        const QHash<QString, QWidget *> places{{"Label1", about.Label1}, {"Label2", about.Label2},
                                               {"Label13", about.Label13}, {"Command1", about.Command1}};
        // Start on an inert line: a move to where the pointer is raises nothing.
        QTest::mouseMove(about.Label3, QPoint(2, 2));
        for (const QString &place : path) {
            // The background: a point of the window that no control covers.
            if (place == "background")
                QTest::mouseMove(&about, QPoint(4, 130));
            else if (QWidget *line = places.value(place.section(' ', 0, 0)); place.endsWith(" pressed")) {
                QTest::mousePress(line, Qt::LeftButton, {}, QPoint(2, 2));
                QTest::mouseMove(line, QPoint(6, 2)); // the button held: for the line alone
                QTest::mouseRelease(line, Qt::LeftButton, {}, QPoint(6, 2));
            } else
                QTest::mouseMove(places[place], places[place]->rect().center());
        }
        QTEST(about.Label2->palette().color(QPalette::WindowText), "label2");
        QTEST(about.Label13->palette().color(QPalette::WindowText), "label13");
        QTest::mouseClick(about.Label2, Qt::LeftButton); // changes nothing else
        QVERIFY(about.isVisible());
    }

    // The About window closes by its button, with the mouse or Enter.
    void closing()
    {
        for (bool mouse : {true, false}) {
            Form2 about;
            about.show();
            QVERIFY(QTest::qWaitForWindowActive(&about));
            QVERIFY(about.Command1->hasFocus());
            QSignalSpy finished(&about, &QDialog::finished);
            mouse ? QTest::mouseClick(about.Command1, Qt::LeftButton) : QTest::keyClick(about.Command1, Qt::Key_Return);
            QCOMPARE(finished.size(), 1);
            QVERIFY(!about.isVisible());
        }
    }

    // For a screen reader the board is a group of nine cells, in three rows
    // of three, between the two status lines. What a move changes is told
    // once, through the focused cell, without moving the focus; a result
    // through the box that shows it, the moves before it first; a draw,
    // which no box tells, with the moves.
    void boardChangesAreAnnounced()
    {
        FakeToolkit toolkit;
        Form1 form(toolkit);
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        // The client area: the top status line, the board, the bottom one.
        QAccessibleInterface *area = interfaceOf(form.centralWidget());
        QCOMPARE(area->text(QAccessible::Name), QStringLiteral("Game"));
        QCOMPARE(area->childCount(), 3);
        QCOMPARE(area->child(0)->object(), form.Label1);
        QCOMPARE(area->child(2)->object(), form.Label2);
        QAccessibleInterface *board = area->child(1);
        QCOMPARE(board->text(QAccessible::Name), QStringLiteral("Board"));
        QCOMPARE(board->tableInterface()->rowCount(), 3);
        QCOMPARE(board->tableInterface()->columnCount(), 3);
        for (int i = 0; i < 9; ++i) {
            QAccessibleInterface *cell = board->tableInterface()->cellAt(i / 3, i % 3);
            QCOMPARE(cell->object(), form.Image1[i]);
            QCOMPARE(board->indexOfChild(cell), i);
            QCOMPARE(QPoint(cell->tableCellInterface()->columnIndex(), cell->tableCellInterface()->rowIndex()), QPoint(i % 3, i / 3));
            QCOMPARE(board->childAt(cell->rect().center().x(), cell->rect().center().y()), cell);
        }
        const auto description = [&](int cell) { return interfaceOf(form.Image1[cell])->text(QAccessible::Description); };
        QCOMPARE(interfaceOf(form.Image1[4])->text(QAccessible::Name), QStringLiteral("Centre: empty"));
        QCOMPARE(description(8), QStringLiteral("Row 3, column 3. Press 9 to play here."));
        // A click on the centre, framed at start: the computer answers on the
        // drawn cell 0, and the focus stays where it was.
        events.clear();
        form.Image1_Click(4);
        QCOMPARE(interfaceOf(form.Image1[0])->text(QAccessible::Name), QStringLiteral("Top left: O"));
        QCOMPARE(description(4), QStringLiteral("X, Centre. O, Top left."));
        QCOMPARE(events.count({QAccessible::DescriptionChanged, form.Image1[4]}), 1); // the news alone
        // The same news in a new game is told again.
        form.mnusubGame[Form1::New]->trigger();
        form.Image1_Click(4);
        QCOMPARE(events.count({QAccessible::DescriptionChanged, form.Image1[4]}), 2);
        QVERIFY(!sent(QAccessible::Focus, form.Image1[0]));
        // Once the focus has left it, a filled cell says where it lies, and no
        // longer how to play there.
        QTest::keyClick(form.centralWidget(), Qt::Key_Right);
        QCOMPARE(description(4), QStringLiteral("Row 2, column 2."));
        // A digit key moves the focus to its cell, which a screen reader then
        // reads: the news leaves that cell's X out.
        QTest::keyClick(form.centralWidget(), Qt::Key_3);
        QCOMPARE(description(2), QStringLiteral("O, Bottom left."));
        // The computer's winning move comes with the box that tells the loss.
        form.mnusubGame[Form1::New]->trigger();
        for (int cell : {0, 1, 7})
            form.Image1_Click(cell);
        QCOMPARE(toolkit.texts(), QStringList{"You Lose"});
        QCOMPARE(toolkit.newsBefore, QStringList{"X, Bottom centre. O, Bottom left."});
        // A draw has no box: the focused cell tells it after the last move.
        form.mnusubGame[Form1::TwoPlayers]->trigger();
        for (int cell : {0, 1, 2, 4, 3, 5, 7, 6, 8})
            form.Image1_Click(cell);
        QCOMPARE(description(2), QStringLiteral("X, Bottom right. The board is full: a draw."));
        QCOMPARE(toolkit.texts(), QStringList{"You Lose"});
    }

    void keyboard_data()
    {
        // Keys pressed in Two Players from a fresh board, the frame starting on
        // the centre: arrows move it and stop at the edges, Space and Enter
        // play the framed cell, a digit plays its cell (1 top left, 9 bottom
        // right), Ctrl+N is New.
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<QString>("board");
        QTest::addColumn<int>("framed");

        const int l = Qt::Key_Left, r = Qt::Key_Right, u = Qt::Key_Up, d = Qt::Key_Down;
        QTest::newRow("left, then up, to the corner") << QList<int>{l, l, l, u, u, u} << "........." << 0;
        QTest::newRow("right, then down, to the corner") << QList<int>{r, r, r, d, d, d} << "........." << 8;
        QTest::newRow("a game to a win")
            << QList<int>{Qt::Key_5, Qt::Key_Up, Qt::Key_Space, Qt::Key_Left, Qt::Key_Return, Qt::Key_Left, Qt::Key_Space,
                          Qt::Key_3, Qt::Key_9}
            << "#OO.#...#" << 8;
        QTest::newRow("New") << QList<int>{Qt::Key_5, (Qt::CTRL | Qt::Key_N).toCombined()} << "........." << 4;
    }

    void keyboard()
    {
        QFETCH(QList<int>, keys);
        QFETCH(QString, board);
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
        QTEST(area->focusCell(), "framed");
        QVERIFY(area->focusFrameShown());
        // For a screen reader, the framed cell has the focus.
        QCOMPARE(interfaceOf(area)->focusChild(), interfaceOf(form.Image1[area->focusCell()]));
        QTRY_VERIFY(area->grab().toImage() != before);
        QCOMPARE(toolkit.texts(), board.contains('#') ? QStringList{"X Win"} : QStringList());
    }

    // The board and the About window stay white with black text and lines,
    // while the menus follow the desktop's dark theme.
    void whiteAreasUnderADarkPalette()
    {
        const QPalette original = QApplication::palette();
        QPalette dark = original;
        dark.setColor(QPalette::Window, QColor(36, 36, 36));
        dark.setColor(QPalette::WindowText, QColor(238, 238, 238));
        FakeToolkit toolkit;
        Form1 form(toolkit);
        Form2 about;
        QApplication::setPalette(dark); // switched while running
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QImage shot = form.centralWidget()->grab().toImage();
        const QPoint board = form.Image1[0]->pos() - QPoint(24, 24);
        const auto at = [&](int x, int y) { return shot.pixelColor((board + QPoint(x, y)) * shot.devicePixelRatio()); };
        QCOMPARE(at(64, 45), QColor(Qt::black)); // a grid line
        QVERIFY(at(150, 150) == QColor(Qt::white) && at(45, 45) == QColor(Qt::white));
        QCOMPARE(form.Label1->palette().color(QPalette::WindowText), QColor(Qt::black));
        QCOMPARE(about.Label1->palette().color(QPalette::WindowText), QColor(Qt::black));
        QCOMPARE(about.palette().color(QPalette::Window), QColor(Qt::white));
        QCOMPARE(form.menuBar()->palette().color(QPalette::Window), QColor(36, 36, 36));
        QApplication::setPalette(original);
        // The icon: X (black) top-left and bottom-right, on an opaque white
        // tile with round corners, shows on light and dark panels alike.
        const QImage icon = pictures::iconImage(64);
        QCOMPARE(icon.size(), QSize(64, 64));
        QCOMPARE(icon.pixelColor(17, 17), QColor(Qt::black)); // the crossing of an X
        QCOMPARE(icon.pixelColor(45, 45), QColor(Qt::black));
        QCOMPARE(icon.pixelColor(32, 32), QColor(Qt::white)); // between the marks
        QCOMPARE(icon.pixelColor(0, 0).alpha(), 0);           // beyond a round corner
        QVERIFY(pictures::iconSvg().contains(QStringLiteral("<rect ")));
    }

    // The status line shortens the names before they go into its sentence:
    // ours first, as the player knows it, then the opponent's.
    void longHostNamesKeepTheState_data()
    {
        QTest::addColumn<QString>("sentence");
        QTest::addColumn<QString>("ours");
        QTest::addColumn<QString>("theirs");
        QTest::addColumn<QStringList>("kept"); // what the line must still show
        QTest::addColumn<int>("cuts");
        const QString bob = QStringLiteral("bob-desktop-workstation");
        const QString alice = QStringLiteral("alice-laptop-workstation");
        QTest::newRow("short enough") << "%1 Connected %2" << "alpha" << "beta" << QStringList{"alpha Connected beta"} << 0;
        QTest::newRow("waiting") << "%1 Waiting..." << bob << "" << QStringList{"bob", " Waiting..."} << 1;
        QTest::newRow("ours shortened, the opponent's whole")
            << "%1 Connected %2" << "anna-laptop-at-home" << "ben-pc" << QStringList{" Connected ben-pc"} << 1;
        QTest::newRow("both long") << "%1 Connected %2" << bob << alice << QStringList{" Connected ", "alice"} << 2;
        QTest::newRow("the opponent's name first in the sentence")
            << "%2 verbunden mit %1" << bob << "carla-pc" << QStringList{"carla-pc verbunden mit "} << 1;
        QTest::newRow("a greeting with markup")
            << "%1 Connected %2" << "me" << "<b>x</b><img src=file:///etc/passwd> and more of it" << QStringList{" Connected <b>x"} << 2;
    }

    void longHostNamesKeepTheState()
    {
        QFETCH(QString, sentence);
        QFETCH(QString, ours);
        QFETCH(QString, theirs);
        QFETCH(QStringList, kept);
        QFETCH(int, cuts);
        FakeToolkit toolkit;
        Form1 form(toolkit);
        form.show();
        form.Label1->setSentence(sentence, ours, theirs);
        const QString text = form.Label1->text();
        const int width = form.Label1->contentsRect().width();
        const QString shown = StatusLabel::fitted(sentence, ours, theirs, form.Label1->fontMetrics(), width);
        QVERIFY2(form.Label1->fontMetrics().horizontalAdvance(shown) <= width, qPrintable(shown));
        QVERIFY2(shown.count(QChar(0x2026)) == cuts, qPrintable(shown));
        for (const QString &part : kept)
            QVERIFY2(shown.contains(part), qPrintable(shown + " lacks " + part));
        // A screen reader reads the whole line; a shortened one is whole in its
        // tooltip, markup and all, drawn as plain text.
        QCOMPARE(QAccessible::queryAccessibleInterface(form.Label1)->text(QAccessible::Name), text);
        QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), form.Label1->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(form.Label1, &help);
        QTextDocument tip;
        tip.setHtml(QToolTip::text());
        QCOMPARE(Qt::mightBeRichText(QToolTip::text()) ? tip.toPlainText() : QToolTip::text(), cuts ? text : QString());
    }

    void boxesOpenClearOfTheWindow_data()
    {
        QTest::addColumn<QRect>("window");
        QTest::addColumn<QPoint>("place");
        // A 300 x 120 box on a 1000 x 800 screen, 8 pixels away from the window.
        QTest::newRow("room below") << QRect(100, 100, 200, 250) << QPoint(49, 358);
        QTest::newRow("at the bottom: to the right") << QRect(100, 600, 200, 200) << QPoint(308, 600);
        QTest::newRow("bottom right: to the left") << QRect(750, 600, 250, 200) << QPoint(442, 600);
        QTest::newRow("bottom, no room beside: above") << QRect(0, 600, 1000, 200) << QPoint(349, 472);
        QTest::newRow("filling the screen: below, on the screen") << QRect(0, 0, 1000, 800) << QPoint(349, 680);
        QTest::newRow("wider than the screen: within its right edge") << QRect(250, 0, 1300, 800) << QPoint(700, 680);
    }

    void boxesOpenClearOfTheWindow()
    {
        QFETCH(QRect, window);
        QTEST(placeClearOf(window, QSize(300, 120), QRect(0, 0, 1000, 800)), "place");
    }

    // Dialogs open clear of a window in the screen's middle, where they would
    // open by default; a box shows its text as is, under the game's title.
    void realDialogs()
    {
        FakeToolkit fake;
        Form1 form(fake);
        form.move(form.screen()->availableGeometry().center() - form.rect().center());
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QList<QRect> places;
        QStringList seen;
        QtToolkit qt;
        Form2 about;
        for (bool message : {true, false}) {
            QTimer::singleShot(0, this, [&] {
                QWidget *shown = QApplication::activeModalWidget();
                QVERIFY(shown);
                places.append(shown->frameGeometry());
                if (auto *box = qobject_cast<QMessageBox *>(shown))
                    seen << box->windowTitle() << box->text() << QString::number(box->textFormat());
                shown->close();
            });
            message ? static_cast<Toolkit &>(qt).messageBox(QStringLiteral("<b>You Win</b>")) : qt.showModal(about);
        }
        QCOMPARE(seen, (QStringList{"Kelmo", "<b>You Win</b>", QString::number(Qt::PlainText)}));
        QTimer::singleShot(0, this, [] { QApplication::activeModalWidget()->close(); });
        QCOMPARE(static_cast<Toolkit &>(qt).inputBox("Input IP Address to Connect", "10.0.0.1", nullptr), QString()); // cancelled
        QCOMPARE(places.size(), 2);
        for (const QRect &place : places)
            QVERIFY2(!place.intersects(form.frameGeometry()), qPrintable(QStringLiteral("at %1,%2").arg(place.x()).arg(place.y())));
    }
};

KELMO_TEST(TestDesktop)
#include "tst_desktop.moc"
