// The game's texts in the player's language. CTest runs this class under the
// C locale, English and German, where the program's start loads the
// catalogues of the system's locale.

#include "about/form2.h"
#include "app/translations.h"
#include "faketoolkit.h"
#include "game/boardcell.h"
#include "game/boardgeometry.h"
#include "game/form1.h"
#include "testmain.h"

#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

struct Message {
    QString context, source, translation;
};

// The messages of a catalogue as its file in translations/ lists them.
QList<Message> messagesOf(const QString &file)
{
    QList<Message> messages;
    QFile catalogue(QStringLiteral(KELMO_SOURCE_DIR "/translations/") + file);
    if (!catalogue.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&catalogue);
    QString context;
    while (!xml.atEnd()) {
        if (!xml.readNextStartElement())
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("source"))
            messages.append({context, xml.readElementText(), {}});
        else if (xml.name() == QLatin1String("translation") && !messages.isEmpty())
            messages.last().translation = xml.readElementText();
    }
    return messages;
}

// The blanks a text starts and ends with.
QString blanksAtTheEnds(const QString &text)
{
    static const QRegularExpression ends(QStringLiteral("^( *).*?( *)$"), QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = ends.match(text);
    return match.captured(1) + QLatin1Char('|') + match.captured(2);
}

// One row per catalogue in `folder`, named by its file.
void addCatalogueRows(const QString &folder, const char *pattern)
{
    QTest::addColumn<QString>("file");
    const QStringList files = QDir(folder).entryList({QString::fromLatin1(pattern)});
    QVERIFY(files.size() >= 10);
    for (const QString &file : files)
        QTest::newRow(qPrintable(file)) << file;
}

} // namespace

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
        const QList<Message> messages = messagesOf(QStringLiteral("kelmo_de.ts"));
        QVERIFY(!messages.isEmpty());
        for (const Message &message : messages)
            QTest::addRow("%s: %s", qPrintable(message.context), qPrintable(message.source)) << message.context << message.source;
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

    void catalogueTypography_data() { addCatalogueRows(QStringLiteral(KELMO_SOURCE_DIR "/translations"), "kelmo_*.ts"); }

    // In every catalogue a menu caption keeps its one '&', and the indented
    // menu items their blanks. No text is a fragment to be glued to another
    // (no blank at either end but the menu items' indent): a translator must
    // be able to put the words of a sentence in any order. A colon has no
    // blank before it, except in French, where a no-break space keeps it on
    // its word's line.
    void catalogueTypography()
    {
        QFETCH(QString, file);
        const bool french = file.startsWith(QLatin1String("kelmo_fr"));
        QStringList faults;
        const QList<Message> messages = messagesOf(file);
        QVERIFY(!messages.isEmpty());
        for (const Message &message : messages) {
            const QString text = QStringLiteral("\"%1\" as \"%2\": ").arg(message.source, message.translation);
            if (message.source.count(QLatin1Char('&')) == 1 && message.translation.count(QLatin1Char('&')) != 1)
                faults << text + QStringLiteral("not one '&'");
            if (message.context == QLatin1String("Form1") && blanksAtTheEnds(message.source) != blanksAtTheEnds(message.translation))
                faults << text + QStringLiteral("other blanks at the ends");
            const bool menuItem = message.context == QLatin1String("Form1") && message.source.startsWith(QLatin1String("  "));
            if (blanksAtTheEnds(message.source) != QLatin1String("|") && !menuItem)
                faults << text + QStringLiteral("a fragment meant to be glued to another");
            for (qsizetype at = message.translation.indexOf(QLatin1Char(':')); at > 0; at = message.translation.indexOf(QLatin1Char(':'), at + 1)) {
                const QChar before = message.translation.at(at - 1);
                if (french && before != QChar(0x00A0) && before != QChar(0x202F))
                    faults << text + QStringLiteral("no no-break space before a colon");
                else if (!french && before.isSpace())
                    faults << text + QStringLiteral("a blank before a colon");
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    // About makes room for every language: each line whole, in the window's
    // own font.
    void aboutMakesRoom_data() { addCatalogueRows(QStringLiteral(":/i18n"), "kelmo_*.qm"); }
    void aboutMakesRoom()
    {
        QFETCH(QString, file);
        QTranslator catalogue;
        QVERIFY(catalogue.load(QStringLiteral(":/i18n/") + file));
        QCoreApplication::installTranslator(&catalogue);
        Form2 about;
        QCoreApplication::removeTranslator(&catalogue);
        for (const QLabel *line : {about.Label3, about.Label1, about.Label2, about.Label13}) {
            QVERIFY2(line->font().pointSizeF() >= about.font().pointSizeF() - 1, qPrintable(line->text() + " is drawn smaller"));
            QVERIFY2(line->fontMetrics().horizontalAdvance(line->text()) <= line->contentsRect().width(),
                     qPrintable(line->text() + " does not fit"));
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
