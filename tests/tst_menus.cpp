#include "boardtext.h"
#include "faketoolkit.h"
#include "fakesocketapi.h"
#include "formboard.h"
#include "game/boardcell.h"
#include "game/form1.h"
#include "net/winsock.h"
#include "testmain.h"

#include <QLabel>
#include <QTcpServer>
#include <QtTest>

using State = Winsock::State;
Q_DECLARE_METATYPE(Winsock::State)

class TestMenus : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void commands_data();
    void commands();
    void newInEachMode_data();
    void newInEachMode();
    void comMoveOpensAOnePlayerGame();
    void comMovePlaysBothSides();
    void cancelledAddressIsReported();
    void addressLookUpKeepsTheWindowAnswering();
    void about();

private:
    // A loopback port with nothing on it, for the network modes.
    quint16 freePort = 0;

    struct Fixture {
        FakeToolkit toolkit;
        FakeSocketApi sockets;
        std::unique_ptr<Form1> form;
    };
    void start(Fixture &fixture, const QString &state);
};

void TestMenus::initTestCase()
{
    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::Any));
    freePort = probe.serverPort();
}

// Brings a fresh window into one of a few starting states, each with marks
// on the board so that clearing it shows.
void TestMenus::start(Fixture &fixture, const QString &state)
{
    fixture.form = std::make_unique<Form1>(fixture.toolkit, freePort, &fixture.sockets);
    Form1 &form = *fixture.form;
    if (state == "one player, won") {
        for (int cell : {0, 1, 3}) // the computer wins along the rising diagonal
            form.Image1_Click(cell);
    } else if (state == "two players") {
        form.mnusubGame[Form1::TwoPlayers]->trigger();
        form.Image1_Click(4);
    } else if (state == "waiting") {
        form.mnusubGame[Form1::WaitingForConnection]->trigger();
        setBoard(form, QStringLiteral("....X...."));
    } else if (state == "connecting") {
        fixture.toolkit.inputAnswers.enqueue(QStringLiteral("127.0.0.1"));
        form.mnusubGame[Form1::ConnectToOpponent]->trigger();
        setBoard(form, QStringLiteral("....O...."));
    }
    fixture.toolkit.messages.clear();
}

void TestMenus::commands_data()
{
    QTest::addColumn<QString>("startState");
    QTest::addColumn<Form1::GameItem>("item");
    QTest::addColumn<bool>("cleared");
    QTest::addColumn<bool>("comMove");
    QTest::addColumn<Form1::GameItem>("checked");
    QTest::addColumn<bool>("comPlay");
    QTest::addColumn<QString>("label1");
    QTest::addColumn<QString>("label2");
    QTest::addColumn<State>("listen");
    QTest::addColumn<State>("client");

    const QString waiting = QStringLiteral("alpha Waiting...");
    const QString address = QStringLiteral("IP Address 10.0.0.1");
    const QString connecting = QStringLiteral("alpha Connecting");

    QTest::newRow("New after a One Player win") << "one player, won" << Form1::New << true << true << Form1::OnePlayer << false << "" << "" << State::Closed << State::Closed;
    QTest::newRow("New in Two Players") << "two players" << Form1::New << true << false << Form1::TwoPlayers << false << "" << "" << State::Closed << State::Closed;
    QTest::newRow("New while waiting") << "waiting" << Form1::New << true << false << Form1::WaitingForConnection << true << waiting << address << State::Listening << State::Closed;
    QTest::newRow("New while connecting") << "connecting" << Form1::New << true << false << Form1::ConnectToOpponent << true << connecting << "" << State::Closed << State::Connecting;
    QTest::newRow("One Player again") << "one player, won" << Form1::OnePlayer << true << true << Form1::OnePlayer << true << "" << "" << State::Closed << State::Closed;
    QTest::newRow("One Player from waiting") << "waiting" << Form1::OnePlayer << true << true << Form1::OnePlayer << true << "" << "" << State::Closed << State::Closed;
    QTest::newRow("One Player from connecting") << "connecting" << Form1::OnePlayer << true << true << Form1::OnePlayer << true << "" << "" << State::Closed << State::Closed;
    QTest::newRow("Two Players from One Player") << "one player, won" << Form1::TwoPlayers << true << false << Form1::TwoPlayers << false << "" << "" << State::Closed << State::Closed;
    QTest::newRow("Two Players from waiting") << "waiting" << Form1::TwoPlayers << true << false << Form1::TwoPlayers << false << "" << "" << State::Closed << State::Closed;
    QTest::newRow("Waiting from One Player") << "one player, won" << Form1::WaitingForConnection << true << false << Form1::WaitingForConnection << false << waiting << address << State::Listening << State::Closed;
    QTest::newRow("Waiting again keeps listening") << "waiting" << Form1::WaitingForConnection << true << false << Form1::WaitingForConnection << true << waiting << address << State::Listening << State::Closed;
    QTest::newRow("Waiting from connecting") << "connecting" << Form1::WaitingForConnection << true << false << Form1::WaitingForConnection << true << waiting << address << State::Listening << State::Closed;
    QTest::newRow("Connect from Two Players") << "two players" << Form1::ConnectToOpponent << true << false << Form1::ConnectToOpponent << false << connecting << "" << State::Closed << State::Connecting;
    QTest::newRow("Connect from waiting") << "waiting" << Form1::ConnectToOpponent << true << false << Form1::ConnectToOpponent << true << connecting << "" << State::Closed << State::Connecting;
    QTest::newRow("Connect again") << "connecting" << Form1::ConnectToOpponent << true << false << Form1::ConnectToOpponent << true << connecting << "" << State::Closed << State::Connecting;
    QTest::newRow("Normal Mode heading") << "two players" << Form1::NormalModeHeading << false << false << Form1::TwoPlayers << false << "" << "" << State::Closed << State::Closed;
    QTest::newRow("Network Mode heading") << "waiting" << Form1::NetworkModeHeading << false << false << Form1::WaitingForConnection << true << waiting << address << State::Listening << State::Closed;
}

void TestMenus::commands()
{
    QFETCH(QString, startState);
    QFETCH(Form1::GameItem, item);
    QFETCH(bool, cleared);
    QFETCH(bool, comMove);
    QFETCH(Form1::GameItem, checked);
    QFETCH(bool, comPlay);
    QFETCH(QString, label1);
    QFETCH(QString, label2);
    QFETCH(State, listen);
    QFETCH(State, client);

    Fixture fixture;
    start(fixture, startState);
    Form1 &form = *fixture.form;
    const QString before = textFromBoard(form.board());
    QVERIFY(before != QStringLiteral("........."));
    form.XTurn = false;
    fixture.toolkit.inputAnswers.enqueue(QStringLiteral("127.0.0.1"));

    form.mnusubGame[item]->trigger();

    QCOMPARE(textFromBoard(form.board()), cleared ? QStringLiteral(".........") : before);
    if (cleared) {
        QVERIFY(form.XTurn);
        QVERIFY(form.GameOn);
        QVERIFY(form.FirstMove);
    }
    QCOMPARE(form.mnuComMove->isEnabled(), comMove);
    for (Form1::GameItem mode : {Form1::OnePlayer, Form1::TwoPlayers, Form1::WaitingForConnection, Form1::ConnectToOpponent})
        QCOMPARE(form.mnusubGame[mode]->isChecked(), mode == checked);
    for (Form1::GameItem other : {Form1::New, Form1::NormalModeHeading, Form1::NetworkModeHeading})
        QVERIFY(!form.mnusubGame[other]->isChecked());
    QCOMPARE(form.ComPlay, comPlay);
    QCOMPARE(form.Label1->text(), label1);
    QTRY_COMPARE(form.Label2->text(), label2); // the address comes when it is found
    QCOMPARE(form.wsListen->state(), listen);
    QCOMPARE(form.wsClient->state(), client);
    QCOMPARE(form.wsServer->state(), State::Closed);
    if (item == Form1::WaitingForConnection || item == Form1::ConnectToOpponent)
        QVERIFY(form.FirstData);
    if (item == Form1::ConnectToOpponent)
        QCOMPARE(fixture.toolkit.prompts.last(), QStringLiteral("Input IP Address to Connect|0.0.0.0"));
    if (item == Form1::ConnectToOpponent || (item == Form1::WaitingForConnection && startState == "waiting"))
        QVERIFY(form.wsListen->state() != State::Listening || form.wsListen->listeningPort() == freePort);
    // Waiting again while listening reports nothing.
    if (item == Form1::WaitingForConnection) {
        QCoreApplication::processEvents();
        QVERIFY(!fixture.toolkit.texts().join("").contains("Cannot wait"));
    }
    // Each start-up is released, a look-up left behind once it answers.
    QTRY_COMPARE(fixture.sockets.startups, fixture.sockets.cleanups);
}

void TestMenus::newInEachMode_data()
{
    QTest::addColumn<QString>("startState");
    QTest::addColumn<QString>("sent");    // SendStr afterwards
    QTest::addColumn<QStringList>("told"); // what the player is told
    QTest::newRow("one player") << "one player, won" << "" << QStringList{};
    QTest::newRow("two players") << "two players" << "" << QStringList{};
    QTest::newRow("waiting, nobody connected") << "waiting" << "" << QStringList{};
}

void TestMenus::newInEachMode()
{
    QFETCH(QString, startState);
    QFETCH(QString, sent);
    QFETCH(QStringList, told);

    Fixture fixture;
    start(fixture, startState);
    Form1 &form = *fixture.form;
    form.SendStr.clear();
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(&form, Qt::Key_F2);
    QCOMPARE(textFromBoard(form.board()), QStringLiteral("........."));
    QCOMPARE(form.SendStr, sent);
    QCoreApplication::processEvents();
    QCOMPARE(fixture.toolkit.texts(), told);
}

void TestMenus::comMoveOpensAOnePlayerGame()
{
    FakeToolkit toolkit;
    FakeSocketApi sockets;
    Form1 form(toolkit, 0, &sockets);
    form.mnuComMove->trigger();
    QCOMPARE(textFromBoard(form.board()), QStringLiteral("....O...."));
    QVERIFY(form.XTurn);
    QVERIFY(!form.FirstMove);
    QVERIFY(!form.ComPlay);
    QVERIFY(form.mnuComMove->isEnabled());

    // The person answers, and the computer answers that.
    form.Image1_Click(0);
    QCOMPARE(textFromBoard(form.board()), QStringLiteral("XO..O...."));
}

void TestMenus::comMovePlaysBothSides()
{
    FakeToolkit toolkit;
    FakeSocketApi sockets;
    Form1 form(toolkit, 0, &sockets);
    form.Image1_Click(0); // X at 0, O in the centre
    toolkit.draws.enqueue(0.99);
    form.mnuComMove->trigger(); // X to move: X for the person, then O
    const kelmo::Board board = form.board();
    QCOMPARE(std::count(board.begin(), board.end(), kelmo::Mark::X), 2);
    QCOMPARE(std::count(board.begin(), board.end(), kelmo::Mark::O), 2);
    QVERIFY(form.XTurn);
}

void TestMenus::cancelledAddressIsReported()
{
    FakeToolkit toolkit;
    FakeSocketApi sockets;
    Form1 form(toolkit, freePort, &sockets);
    form.mnusubGame[Form1::ConnectToOpponent]->trigger(); // the input box is cancelled
    QCOMPARE(form.ConnectIP, QString());
    QCOMPARE(form.Label1->text(), QStringLiteral("alpha Connecting"));
    QTRY_COMPARE(toolkit.texts(), QStringList{"Cannot connect to an opponent: no address was given."});
    QCOMPARE(form.wsClient->state(), State::Closed);
    QCOMPARE(form.Label1->text(), QString()); // no longer connecting
}

// Resolving the host's name may take the system seconds: the window goes on
// meanwhile, the address comes when it is found, and a look-up that the
// player left behind by choosing another mode tells nothing.
void TestMenus::addressLookUpKeepsTheWindowAnswering()
{
    FakeToolkit toolkit;
    FakeSocketApi sockets;
    QSemaphore resolving;
    sockets.resolving = &resolving;
    Form1 form(toolkit, freePort, &sockets);
    QElapsedTimer clock;
    clock.start();
    form.mnusubGame[Form1::WaitingForConnection]->trigger();
    QVERIFY(clock.elapsed() < 1000);
    QCOMPARE(form.Label1->text(), QStringLiteral("alpha Waiting..."));
    QCOMPARE(form.Label2->text(), QString());
    resolving.release();
    QTRY_COMPARE(form.Label2->text(), QStringLiteral("IP Address 10.0.0.1"));

    sockets.host.reset(); // would be "Windows Not Responting"
    form.mnusubGame[Form1::WaitingForConnection]->trigger();
    form.mnusubGame[Form1::OnePlayer]->trigger();
    resolving.release();
    QTRY_COMPARE(sockets.cleanups, sockets.startups);
    QCoreApplication::processEvents();
    QCOMPARE(form.Label2->text(), QString());
    QCOMPARE(toolkit.texts(), QStringList());
}

void TestMenus::about()
{
    FakeToolkit toolkit;
    FakeSocketApi sockets;
    Form1 form(toolkit, 0, &sockets);
    QStringList lines;
    toolkit.onModal = [&](QDialog &dialog) {
        for (QLabel *label : dialog.findChildren<QLabel *>())
            lines.append(label->text());
    };
    form.mnuAbout->trigger();
    form.mnuAbout->trigger();
    QCOMPARE(toolkit.modalTitles, (QStringList{"About Kelmo", "About Kelmo"}));
    QCOMPARE(lines.size(), 8);
    QVERIFY(lines.contains("Kelmo"));
}

KELMO_TEST(TestMenus)
#include "tst_menus.moc"
