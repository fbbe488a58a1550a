#include "game/boardcell.h"
#include "net/peermessage.h"
#include "networkplayer.h"
#include "testmain.h"

class TestNetwork : public QObject
{
    Q_OBJECT

private slots:
    // What an arrival means, without sockets.
    void parseArrival_data();
    void parseArrival();
    // Two windows playing each other.
    void greetings();
    void waitingSideMovesFirst();
    void connectingSideMovesFirst();
    void wholeGameToAWin();
    void newFromEitherSide();
    void outOfTurnClickIsRefused();
    // A raw peer speaking the wire format.
    void exactBytesSent();
    void receivedMessages_data();
    void receivedMessages();
    void markupGreetingIsPlainText();
    void secondConnectionIsRefused();
    void opponentLeavingAndAnotherComing();
    void floodIsHandledInPieces();
    void newArrivingWhileAResultIsShown();
    void peerLeavingWhileTheInputBoxIsOpen();

private:
    // A waiting and a connected window, greetings exchanged.
    void connectPair(Player &waiting, std::unique_ptr<Player> &connecting);
};

void TestNetwork::connectPair(Player &waiting, std::unique_ptr<Player> &connecting)
{
    waiting.form->mnusubGame[Form1::WaitingForConnection]->trigger();
    QCOMPARE(waiting.form->wsListen->state(), Winsock::State::Listening);
    connecting = std::make_unique<Player>("beta", waiting.form->wsListen->listeningPort());
    connecting->toolkit.inputAnswers.enqueue(QStringLiteral("127.0.0.1"));
    connecting->form->mnusubGame[Form1::ConnectToOpponent]->trigger();
    QTRY_COMPARE(waiting.form->Label1->text(), QStringLiteral("alpha Connected beta"));
    QTRY_COMPARE(connecting->form->Label1->text(), QStringLiteral("beta Connected alpha"));
}

void TestNetwork::parseArrival_data()
{
    QTest::addColumn<QString>("received");
    QTest::addColumn<bool>("greetingDue");
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("greeting") << "beta" << true << QStringList{"greeting beta"};
    QTest::newRow("greeting of digits") << "host12" << true << QStringList{"greeting host12"};
    QTest::newRow("greeting with control characters") << "b\x01" "e\x1b" "t\u00ad" "a\u00e9" << true << QStringList{"greeting beta\u00e9"};
    QTest::newRow("overlong greeting") << QString(300, 'h') << true << QStringList{"greeting " + QString(255, 'h')};
    QTest::newRow("empty greeting") << "" << true << QStringList{"greeting "};
    QTest::newRow("move") << "0" << false << QStringList{"move 0"};
    QTest::newRow("new game") << "9" << false << QStringList{"new"};
    QTest::newRow("move and New together") << "49" << false << QStringList{"move 4", "new"};
    QTest::newRow("no message") << "x-" << false << QStringList{"ignored"};
    QTest::newRow("digits in text") << "x7" << false << QStringList{"ignored"};
    QTest::newRow("nothing") << "" << false << QStringList{};
}

void TestNetwork::parseArrival()
{
    QFETCH(QString, received);
    QFETCH(bool, greetingDue);
    QFETCH(QStringList, messages);

    QStringList read;
    for (const PeerMessage &message : ::parseArrival(received, greetingDue)) {
        switch (message.kind) {
        case PeerMessage::Kind::Greeting: read.append("greeting " + message.text); break;
        case PeerMessage::Kind::Move: read.append("move " + QString::number(message.cell)); break;
        case PeerMessage::Kind::NewGame: read.append("new"); break;
        case PeerMessage::Kind::Ignored: read.append("ignored"); break;
        }
    }
    QCOMPARE(read, messages);
}

void TestNetwork::greetings()
{
    Player waiting("alpha", 0);
    std::unique_ptr<Player> connecting;
    connectPair(waiting, connecting);
    QCOMPARE(waiting.form->Label2->text(), QStringLiteral("IP Address 10.0.0.1"));
    QCOMPARE(connecting->form->Label2->text(), QString());
    QVERIFY(waiting.toolkit.messages.isEmpty());
    QVERIFY(connecting->toolkit.messages.isEmpty());
}

void TestNetwork::waitingSideMovesFirst()
{
    Player waiting("alpha", 0);
    std::unique_ptr<Player> connecting;
    connectPair(waiting, connecting);

    waiting.form->Image1_Click(4);
    QTRY_COMPARE(connecting->board(), QStringLiteral("....X...."));
    QVERIFY(!connecting->form->XTurn);
    connecting->form->Image1_Click(0);
    QTRY_COMPARE(waiting.board(), QStringLiteral("O...X...."));
    QVERIFY(waiting.form->XTurn);
    // The connecting side cannot move twice in a row.
    connecting->form->Image1_Click(8);
    QCOMPARE(connecting->board(), QStringLiteral("O...X...."));
}

void TestNetwork::connectingSideMovesFirst()
{
    Player waiting("alpha", 0);
    std::unique_ptr<Player> connecting;
    connectPair(waiting, connecting);

    connecting->form->Image1_Click(2);
    QTRY_COMPARE(waiting.board(), QStringLiteral("..O......"));
    QVERIFY(waiting.form->XTurn);
    waiting.form->Image1_Click(6);
    QTRY_COMPARE(connecting->board(), QStringLiteral("..O...X.."));
    QVERIFY(!connecting->form->XTurn);
}

void TestNetwork::wholeGameToAWin()
{
    Player waiting("alpha", 0);
    std::unique_ptr<Player> connecting;
    connectPair(waiting, connecting);

    const QList<std::pair<bool, int>> moves{{true, 0}, {false, 3}, {true, 1}, {false, 4}, {true, 2}};
    QString expected(9, QLatin1Char('.'));
    for (auto [byWaiting, cell] : moves) {
        (byWaiting ? waiting : *connecting).form->Image1_Click(cell);
        expected[cell] = byWaiting ? QLatin1Char('X') : QLatin1Char('O');
        if (cell != 2) {
            QTRY_COMPARE(waiting.board(), expected);
            QTRY_COMPARE(connecting->board(), expected);
        }
    }
    QTRY_COMPARE(connecting->board(), QStringLiteral("###OO...."));
    QCOMPARE(waiting.board(), QStringLiteral("###OO...."));
    QCOMPARE(waiting.form->Image1[1]->picture(), &waiting.form->Xrmlm);
    QCOMPARE(connecting->form->Image1[1]->picture(), &connecting->form->Xrmlm);
    QCOMPARE(waiting.toolkit.texts(), QStringList{"You Win"});
    QCOMPARE(connecting->toolkit.texts(), QStringList{"You Lose"});
    QVERIFY(!waiting.form->GameOn);
    QVERIFY(!connecting->form->GameOn);

    // Neither board accepts a move now.
    waiting.form->Image1_Click(8);
    connecting->form->Image1_Click(8);
    QCOMPARE(waiting.board(), QStringLiteral("###OO...."));
    QCOMPARE(connecting->board(), QStringLiteral("###OO...."));
}

void TestNetwork::newFromEitherSide()
{
    Player waiting("alpha", 0);
    std::unique_ptr<Player> connecting;
    connectPair(waiting, connecting);

    for (Player *chooser : {&waiting, connecting.get()}) {
        waiting.form->Image1_Click(4);
        QTRY_COMPARE(connecting->board(), QStringLiteral("....X...."));
        connecting->form->Image1_Click(0);
        QTRY_COMPARE(waiting.board(), QStringLiteral("O...X...."));

        chooser->form->mnusubGame[Form1::New]->trigger();
        QTRY_COMPARE(waiting.board(), QStringLiteral("........."));
        QTRY_COMPARE(connecting->board(), QStringLiteral("........."));
        for (Player *side : {&waiting, connecting.get()}) {
            QVERIFY(side->form->XTurn);
            QVERIFY(side->form->GameOn);
            QVERIFY(side->form->FirstMove);
        }
    }
}

void TestNetwork::outOfTurnClickIsRefused()
{
    Player waiting("alpha", 0);
    std::unique_ptr<Player> connecting;
    connectPair(waiting, connecting);

    waiting.form->Image1_Click(4);
    waiting.form->Image1_Click(5); // O's turn now
    connecting->form->Image1_Click(8);
    QTRY_COMPARE(waiting.board(), QStringLiteral("....X...O"));
    QCOMPARE(connecting->board(), QStringLiteral("....X...O"));
}

void TestNetwork::exactBytesSent()
{
    Player waiting("alpha", 0);
    QTcpSocket peer;
    connectRawPeer(waiting, peer);
    QCOMPARE(waiting.form->Label1->text(), QStringLiteral("alpha Connected beta"));

    for (int cell : {0, 8}) {
        waiting.form->XTurn = true;
        waiting.form->Image1_Click(cell);
    }
    waiting.form->mnusubGame[Form1::New]->trigger(); // New
    waiting.form->Image1_Click(4);
    QCOMPARE(readExactly(peer, 4), QByteArray("0894"));
    // Refused clicks send nothing: the next bytes are those of the next New.
    waiting.form->Image1_Click(4);
    waiting.form->Image1_Click(5);
    waiting.form->mnusubGame[Form1::New]->trigger();
    QCOMPARE(readExactly(peer, 1), QByteArray("9"));
    QCOMPARE(peer.bytesAvailable(), 0);
}

void TestNetwork::receivedMessages_data()
{
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<QString>("board");
    QTest::addColumn<bool>("xTurn");

    QTest::newRow("one move") << QByteArray("3") << "...O....." << true;
    QTest::newRow("two moves at once") << QByteArray("05") << "O....O..." << true;
    QTest::newRow("a move and New") << QByteArray("49") << "........." << true;
    QTest::newRow("New and a move") << QByteArray("94") << "....O...." << true;
    QTest::newRow("text around a move is no move") << QByteArray("x-\n7 ?") << "........." << false;
    QTest::newRow("numbers that are no cell") << QByteArray("\xff:/") << "........." << false;
    QTest::newRow("occupied cell") << QByteArray("1") << ".X......." << false;
    QTest::newRow("a winning line") << QByteArray("678") << ".X....###" << true;
}

void TestNetwork::receivedMessages()
{
    QFETCH(QByteArray, sent);
    QFETCH(QString, board);
    QFETCH(bool, xTurn);

    Player waiting("alpha", 0);
    QTcpSocket peer;
    connectRawPeer(waiting, peer);
    waiting.form->Image1_Click(1); // X at 1, O to move
    QCOMPARE(readExactly(peer, 1), QByteArray("1"));
    if (sent.contains('9'))
        board.replace(1, 1, QLatin1Char('.'));
    else if (board.at(1) == QLatin1Char('.'))
        board[1] = QLatin1Char('X');

    peer.write(sent);
    QTRY_COMPARE(waiting.board(), board);
    QCOMPARE(waiting.form->XTurn, xTurn);
    if (board.contains('#')) {
        QCOMPARE(waiting.toolkit.texts(), QStringList{"You Lose"});
        QVERIFY(waiting.form->mnuComMove->isEnabled() == false); // it was off in this mode anyway
    } else {
        QVERIFY(waiting.toolkit.messages.isEmpty());
    }
}

void TestNetwork::markupGreetingIsPlainText()
{
    Player waiting("alpha", 0);
    QTcpSocket peer;
    const QByteArray greeting = "<a href='x'>evil</a>\x01\x1b[2J\x7f\x9b\xad" + QByteArray(300, 'h');
    connectRawPeer(waiting, peer, greeting);
    const QString shown = waiting.form->Label1->text();
    QVERIFY(shown.startsWith(QStringLiteral("alpha Connected <a href='x'>evil</a>[2J")));
    QCOMPARE(shown.size(), QStringLiteral("alpha Connected ").size() + 255);
    QCOMPARE(waiting.form->Label1->textFormat(), Qt::PlainText);
    for (QChar c : shown)
        QVERIFY(c.isPrint());
    QCOMPARE(waiting.board(), QStringLiteral("........."));
}

void TestNetwork::secondConnectionIsRefused()
{
    Player waiting("alpha", 0);
    QTcpSocket peer;
    connectRawPeer(waiting, peer);
    waiting.form->Image1_Click(4);
    QCOMPARE(readExactly(peer, 1), QByteArray("4"));

    QTcpSocket intruder;
    QSignalSpy refused(&intruder, &QTcpSocket::disconnected);
    intruder.connectToHost(QHostAddress::LocalHost, waiting.form->wsListen->listeningPort());
    QTRY_COMPARE(refused.size(), 1);
    QCOMPARE(intruder.readAll(), QByteArray());

    // The game goes on with the first opponent.
    peer.write("0");
    QTRY_COMPARE(waiting.board(), QStringLiteral("O...X...."));
    waiting.form->Image1_Click(8);
    QCOMPARE(readExactly(peer, 1), QByteArray("8"));
    QCOMPARE(waiting.form->Label1->text(), QStringLiteral("alpha Connected beta"));
    QVERIFY(waiting.toolkit.messages.isEmpty());
}

void TestNetwork::opponentLeavingAndAnotherComing()
{
    Player waiting("alpha", 0);
    QTcpSocket peer;
    connectRawPeer(waiting, peer);
    waiting.form->Image1_Click(4);
    peer.disconnectFromHost();
    QTRY_COMPARE(waiting.toolkit.texts(), QStringList{"The opponent has left the game."});
    QCOMPARE(waiting.board(), QStringLiteral("....X...."));

    // A new opponent is accepted and greeted; its host name is a greeting,
    // not moves, though it holds digits.
    QTcpSocket next;
    next.connectToHost(QHostAddress::LocalHost, waiting.form->wsListen->listeningPort());
    QCOMPARE(readExactly(next, 5), QByteArray("alpha"));
    next.write("host12");
    QTRY_COMPARE(waiting.form->Label1->text(), QStringLiteral("alpha Connected host12"));
    QCOMPARE(waiting.board(), QStringLiteral("....X...."));
    QCOMPARE(waiting.toolkit.messages.size(), 1);
}

void TestNetwork::floodIsHandledInPieces()
{
    Player waiting("alpha", 0);
    QTcpSocket peer;
    connectRawPeer(waiting, peer);

    // A timer keeps ticking while the flood is handled: the window is not
    // held up, and never more than one piece waits in the program's buffer.
    int ticks = 0;
    qint64 largestBuffer = 0;
    QTimer probe;
    connect(&probe, &QTimer::timeout, this, [&] {
        ++ticks;
        largestBuffer = std::max(largestBuffer, waiting.form->wsServer->BytesReceived());
    });
    probe.start(0);

    const QByteArray flood = QByteArray(4 * 1024 * 1024, 'z');
    peer.write(flood);
    QTRY_COMPARE_WITH_TIMEOUT(waiting.form->wsServer->totalBytesTaken(), qint64(4 + flood.size()), 20000);
    // The flood was no message; the next move is.
    peer.write("3");
    QTRY_COMPARE(waiting.board(), QStringLiteral("...O....."));
    QVERIFY(ticks > 10);
    QVERIFY(largestBuffer <= Winsock::kReadChunk);
    QVERIFY(waiting.toolkit.messages.isEmpty());
}

void TestNetwork::newArrivingWhileAResultIsShown()
{
    Player waiting("alpha", 0);
    QTcpSocket peer;
    connectRawPeer(waiting, peer);
    peer.write("34");
    QTRY_COMPARE(waiting.board(), QStringLiteral("...OO...."));

    // While "You Win" is shown, the opponent chooses New. The board the
    // player sees behind the box stays as it was until the box is closed.
    bool struckWhileShown = false;
    waiting.toolkit.onMessage = [&](const QString &) {
        peer.write("9");
        QTRY_VERIFY(waiting.form->wsServer->BytesReceived() == 1);
        struckWhileShown = waiting.board() == QStringLiteral("###OO....");
    };
    waiting.form->XTurn = true;
    waiting.form->Image1_Click(0);
    waiting.form->XTurn = true;
    waiting.form->Image1_Click(1);
    waiting.form->XTurn = true;
    waiting.form->Image1_Click(2);
    QCOMPARE(waiting.toolkit.texts(), QStringList{"You Win"});
    QVERIFY(struckWhileShown);

    // Then the New applies, and the fresh game keeps its first-move allowance.
    QTRY_COMPARE(waiting.board(), QStringLiteral("........."));
    QVERIFY(waiting.form->FirstMove);
    QVERIFY(waiting.form->GameOn);
    QCOMPARE(readExactly(peer, 3), QByteArray("012"));
}

void TestNetwork::peerLeavingWhileTheInputBoxIsOpen()
{
    Player waiting("alpha", 0);
    QTcpSocket peer;
    connectRawPeer(waiting, peer);
    waiting.toolkit.onInput = [&] {
        peer.write("5");
        peer.disconnectFromHost();
        QTRY_VERIFY(waiting.form->wsServer->state() != Winsock::State::Connected);
    };
    waiting.form->mnusubGame[Form1::ConnectToOpponent]->trigger(); // answered with the empty text
    // What the peer sent before it left is handled first: the new role
    // takes it as the greeting. Only then is its leaving told.
    QTRY_COMPARE(waiting.toolkit.texts(),
                 (QStringList{"Cannot connect to an opponent: no address was given.", "The opponent has left the game."}));
    QCOMPARE(waiting.form->Label1->text(), QStringLiteral("alpha Connected 5"));
    QCOMPARE(waiting.board(), QStringLiteral("........."));
    QVERIFY(waiting.form->mnusubGame[Form1::ConnectToOpponent]->isChecked());
}

KELMO_TEST(TestNetwork)
#include "tst_network.moc"
