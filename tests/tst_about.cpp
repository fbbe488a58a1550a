#include "about/form2.h"
#include "testmain.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

class TestAbout : public QObject
{
    Q_OBJECT

private slots:
    void layout();
    void linesFitALargeFont();
    void colours_data();
    void colours();
    void closing_data();
    void closing();

private:
    static QColor colourOf(QLabel *label) { return label->palette().color(QPalette::WindowText); }
};

void TestAbout::layout()
{
    Form2 about;
    QCOMPARE(about.windowTitle(), QStringLiteral("About Kelmo"));
    QCOMPARE(about.size(), QSize(201, 169));
    QVERIFY(!(about.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(about.Label3->text(), QStringLiteral("Kelmo"));
    QVERIFY(about.Label1->text().startsWith("BY : "));
    QVERIFY(about.Label2->text().startsWith("E-MAIL : "));
    QVERIFY(about.Label13->text().startsWith("URL : "));
    QVERIFY(about.Label3->geometry().bottom() < about.Label1->geometry().top());
    QCOMPARE(about.Label13->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    QCOMPARE(about.Label2->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QCOMPARE(about.Command1->text(), QStringLiteral("OK"));
    QCOMPARE(about.Command1->geometry(), QRect(64, 136, 73, 25));
}

// Under a desktop font too large for the fixed window, every line is still
// shown whole.
void TestAbout::linesFitALargeFont()
{
    const QFont original = QApplication::font();
    QFont large = original;
    large.setPointSizeF(original.pointSizeF() * 1.6);
    QApplication::setFont(large);
    Form2 about;
    QApplication::setFont(original);
    for (QLabel *label : {about.Label3, about.Label1, about.Label2, about.Label13})
        QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width(),
                 qPrintable(label->text()));
    QCOMPARE(about.size(), QSize(201, 169));
}

// Pointer paths: each step names where the pointer moves; the expected
// colours of the two link lines after the whole path.
void TestAbout::colours_data()
{
    QTest::addColumn<QStringList>("path");
    QTest::addColumn<QColor>("label2");
    QTest::addColumn<QColor>("label13");

    const QColor blue(0, 0, 255), black(0, 0, 0);
    QTest::newRow("over the e-mail line") << QStringList{"Label2"} << blue << black;
    QTest::newRow("e-mail, then background") << QStringList{"Label2", "background"} << black << black;
    QTest::newRow("e-mail, background, web") << QStringList{"Label2", "background", "Label13"} << black << blue;
    QTest::newRow("web, then e-mail") << QStringList{"Label13", "Label2"} << blue << black;
    QTest::newRow("e-mail, then web") << QStringList{"Label2", "Label13"} << black << blue;
    QTest::newRow("e-mail, then the credit line") << QStringList{"Label2", "Label1"} << blue << black;
    QTest::newRow("web, then the name line") << QStringList{"Label13", "Label3"} << black << blue;
    QTest::newRow("web, then the button") << QStringList{"Label13", "Command1"} << black << blue;
}

void TestAbout::colours()
{
    QFETCH(QStringList, path);
    QFETCH(QColor, label2);
    QFETCH(QColor, label13);

    Form2 about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    const QHash<QString, QWidget *> places{{"Label1", about.Label1}, {"Label2", about.Label2},
                                           {"Label3", about.Label3}, {"Label13", about.Label13},
                                           {"Command1", about.Command1}, {"background", &about}};
    // Start from an inert place: a move to where the pointer already is
    // raises no event at all.
    QTest::mouseMove(about.Label3, QPoint(2, 2));
    for (const QString &place : path) {
        QWidget *widget = places[place];
        // The background: a point of the window that no control covers.
        const QPoint point = widget == &about ? QPoint(4, 130) : widget->rect().center();
        QTest::mouseMove(widget, point);
    }
    QCOMPARE(colourOf(about.Label2), label2);
    QCOMPARE(colourOf(about.Label13), label13);

    // Clicking a link line changes nothing but its colour.
    QTest::mouseClick(about.Label2, Qt::LeftButton);
    QVERIFY(about.isVisible());
}

void TestAbout::closing_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("mouse") << "mouse";
    QTest::newRow("Enter") << "enter";
    QTest::newRow("Space") << "space";
    QTest::newRow("close button") << "close";
}

void TestAbout::closing()
{
    QFETCH(QString, how);
    Form2 about;
    about.show();
    QVERIFY(QTest::qWaitForWindowActive(&about));
    QVERIFY(about.Command1->hasFocus());
    QSignalSpy finished(&about, &QDialog::finished);
    if (how == "mouse")
        QTest::mouseClick(about.Command1, Qt::LeftButton);
    else if (how == "enter")
        QTest::keyClick(&about, Qt::Key_Return);
    else if (how == "space")
        QTest::keyClick(about.Command1, Qt::Key_Space);
    else
        about.close();
    QCOMPARE(finished.size(), 1);
    QVERIFY(!about.isVisible());
}

KELMO_TEST(TestAbout)
#include "tst_about.moc"
