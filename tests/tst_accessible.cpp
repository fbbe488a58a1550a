// What a screen reader learns of the board, through Qt's accessibility
// interfaces and the events they send.

#include "boards.h"
#include "faketoolkit.h"
#include "game/boardarea.h"
#include "game/boardcell.h"
#include "game/form1.h"
#include "testmain.h"

#include <QAccessible>
#include <QtTest>

#ifdef KELMO_CAN_SWITCH_ON_ACCESSIBILITY
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#endif

namespace {

// The events sent since the test began: what happened, and to which object.
QList<std::pair<QAccessible::Event, QObject *>> events;

void recordEvent(QAccessibleEvent *event)
{
    events.append({event->type(), event->object()});
}

bool sent(QAccessible::Event type, QObject *object)
{
    return events.contains(std::pair{type, object});
}

} // namespace

class TestAccessible : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void boardIsATableOfCells();
    void framedCellIsTheFocus();
    void changedCellsAreAnnounced();
};

void TestAccessible::initTestCase()
{
    // As a screen reader would: events are sent only while it listens.
#ifdef KELMO_CAN_SWITCH_ON_ACCESSIBILITY
    if (QPlatformAccessibility *platform = QGuiApplicationPrivate::platformIntegration()->accessibility())
        platform->setActive(true);
#endif
    QAccessible::installUpdateHandler(recordEvent);
}

void TestAccessible::init()
{
    events.clear();
    const QByteArray test = QTest::currentTestFunction();
    if (test != "boardIsATableOfCells" && !QAccessible::isActive())
        QSKIP("accessibility cannot be switched on here (qt6-base-private-dev is missing)");
}

void TestAccessible::cleanupTestCase()
{
    QAccessible::installUpdateHandler(nullptr);
}

void TestAccessible::boardIsATableOfCells()
{
    FakeToolkit toolkit;
    Form1 form(toolkit);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    // The client area: the top status line, the board, the bottom one.
    QAccessibleInterface *area = QAccessible::queryAccessibleInterface(form.centralWidget());
    QCOMPARE(area->childCount(), 3);
    QCOMPARE(area->child(0)->object(), form.Label1);
    QCOMPARE(area->child(2)->object(), form.Label2);
    QAccessibleInterface *board = area->child(1);
    QCOMPARE(board->role(), QAccessible::Table);
    QCOMPARE(board->text(QAccessible::Name), QStringLiteral("Board"));
    QCOMPARE(board->parent(), area);
    QCOMPARE(area->indexOfChild(board), 1);

    QAccessibleTableInterface *table = board->tableInterface();
    QVERIFY(table);
    QCOMPARE(table->rowCount(), 3);
    QCOMPARE(table->columnCount(), 3);
    for (int i = 0; i < 9; ++i) {
        QAccessibleInterface *cell = table->cellAt(i / 3, i % 3);
        QCOMPARE(cell->object(), form.Image1[i]);
        QCOMPARE(cell, board->child(i));
        QCOMPARE(board->indexOfChild(cell), i);
        QCOMPARE(cell->role(), QAccessible::Cell);
        QCOMPARE(cell->parent(), board);
        QCOMPARE(cell->tableCellInterface()->rowIndex(), i / 3);
        QCOMPARE(cell->tableCellInterface()->columnIndex(), i % 3);
        QCOMPARE(cell->tableCellInterface()->table(), board);
        QVERIFY(cell->state().focusable);
        QVERIFY(board->rect().contains(cell->rect()));
        QCOMPARE(board->childAt(cell->rect().center().x(), cell->rect().center().y()), cell);
    }
    QCOMPARE(table->cellAt(1, 1)->text(QAccessible::Name), QStringLiteral("Centre: empty"));
}

void TestAccessible::framedCellIsTheFocus()
{
    FakeToolkit toolkit;
    Form1 form(toolkit);
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    auto *area = qobject_cast<BoardArea *>(form.centralWidget());
    QVERIFY(area->hasFocus());
    QAccessibleInterface *areaInterface = QAccessible::queryAccessibleInterface(area);
    const auto cellInterface = [](BoardCell *cell) { return QAccessible::queryAccessibleInterface(cell); };

    QCOMPARE(areaInterface->focusChild(), cellInterface(form.Image1[4]));
    QVERIFY(cellInterface(form.Image1[4])->state().focused);

    QTest::keyClick(area, Qt::Key_Right);
    QVERIFY(sent(QAccessible::Focus, form.Image1[5]));
    QVERIFY(cellInterface(form.Image1[5])->state().focused);
    QVERIFY(!cellInterface(form.Image1[4])->state().focused);
    QCOMPARE(areaInterface->focusChild(), cellInterface(form.Image1[5]));

    // At the edge the frame stays, and nothing is said again.
    events.clear();
    QTest::keyClick(area, Qt::Key_Right);
    QVERIFY(!sent(QAccessible::Focus, form.Image1[5]));

    QTest::keyClick(area, Qt::Key_7);
    QVERIFY(sent(QAccessible::Focus, form.Image1[6]));
}

void TestAccessible::changedCellsAreAnnounced()
{
    FakeToolkit toolkit;
    Form1 form(toolkit);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    // The player's X, and the computer's O in the centre, which the frame
    // is not on.
    events.clear();
    form.Image1_Click(0);
    QVERIFY(sent(QAccessible::NameChanged, form.Image1[0]));
    QVERIFY(sent(QAccessible::NameChanged, form.Image1[4]));
    QCOMPARE(QAccessible::queryAccessibleInterface(form.Image1[4])->text(QAccessible::Name),
             QStringLiteral("Centre: O"));
    QVERIFY(!sent(QAccessible::NameChanged, form.Image1[8]));
}

KELMO_TEST(TestAccessible)
#include "tst_accessible.moc"
