// The game's texts in the player's language. CTest runs this class under the
// C locale, English and German, where the program's start loads the
// catalogues of the system's locale.

#include "app/translations.h"
#include "faketoolkit.h"
#include "game/boardcell.h"
#include "game/boardgeometry.h"
#include "game/form1.h"
#include "testmain.h"

#include <QDir>
#include <QMenuBar>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installTranslations(*QCoreApplication::instance()); }

    // Every text of the game, as the catalogues list them.
    void everyText_data()
    {
        QTest::addColumn<QString>("context");
        QTest::addColumn<QString>("source");
        QFile catalogue(QStringLiteral(KELMO_SOURCE_DIR "/translations/kelmo_de.ts"));
        QVERIFY(catalogue.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&catalogue);
        QString context;
        while (xml.readNextStartElement() || !xml.atEnd()) {
            if (xml.name() == QLatin1String("name"))
                context = xml.readElementText();
            else if (const QString source = xml.name() == QLatin1String("source") ? xml.readElementText() : QString(); !source.isEmpty())
                QTest::addRow("%s: %s", qPrintable(context), qPrintable(source)) << context << source;
        }
    }

    // Under C and English each is the game's own English, letter for
    // letter; every catalogue built in translates it.
    void everyText()
    {
        QFETCH(QString, context);
        QFETCH(QString, source);
        const QByteArray c = context.toUtf8(), s = source.toUtf8();
        if (QLocale().language() != QLocale::German)
            QCOMPARE(QCoreApplication::translate(c, s), source);
        const QStringList catalogues = QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("kelmo_*.qm")});
        QVERIFY(catalogues.size() >= 10);
        for (const QString &file : catalogues) {
            QTranslator catalogue;
            QVERIFY(catalogue.load(QStringLiteral(":/i18n/") + file));
            QVERIFY2(!catalogue.translate(c, s).isEmpty(), qPrintable(file));
        }
    }

    // Under German, the menus, a result and Qt's own buttons are German.
    void germanWindow()
    {
        if (QLocale().language() != QLocale::German)
            QSKIP("for a German locale only");
        FakeToolkit toolkit;
        Form1 form(toolkit);
        QCOMPARE(form.menuBar()->actions().first()->text(), QStringLiteral("&Spiel"));
        QCOMPARE(form.mnusubGame[Form1::TwoPlayers]->text(), QStringLiteral("  Zwei Spieler"));
        // The longer menu bar widens the window; the board, lines and all,
        // stays in the middle.
        const QImage shot = form.centralWidget()->grab().toImage();
        const int middle = form.centralWidget()->width() / 2;
        QVERIFY(middle > boardgeometry::kClientSize / 2 && qAbs(form.Image1[4]->geometry().center().x() - middle) <= 1);
        QCOMPARE(shot.pixelColor(QPoint(middle - 21, 45) * shot.devicePixelRatio()), QColor(Qt::black));
        form.mnusubGame[Form1::TwoPlayers]->trigger();
        for (int cell : {0, 3, 1, 4, 2})
            form.Image1_Click(cell);
        QCOMPARE(toolkit.texts(), QStringList{"X gewinnt"});
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
    }
};

KELMO_TEST(TestTranslations)
#include "tst_i18n.moc"
