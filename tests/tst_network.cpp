#include "game/boardcell.h"
#include "linkproxy.h"
#include "net/peermessage.h"
#include "networkplayer.h"
#include "testmain.h"

namespace {

const QString kOutOfStep = QStringLiteral("The two boards are out of step. Choose New to start again on both.");

} // namespace

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
    void opponentLeaving_data();
    void opponentLeaving();
    void floodIsHandledInPieces();
    void newArrivingWhileAResultIsShown();
    void peerLeavingWhileTheInputBoxIsOpen();
    void busyHostIsReported();
    // Two windows over a link that holds, splits or merges what it carries.
    void slowLink_data();
    void slowLink();

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
        case PeerMessage::Kind::Greeting:
        case PeerMessage::Kind::GreetingContinued: read.append("greeting " + message.text); break;
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
    QTRY_COMPARE(waiting.form->Label2->text(), QStringLiteral("IP Address 10.0.0.1"));
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
    QTest::addColumn<QStringList>("told");

    QTest::newRow("one move") << QByteArray("3") << "...O....." << true << QStringList();
    QTest::newRow("a move and New") << QByteArray("49") << "........." << true << QStringList();
    QTest::newRow("New and a move") << QByteArray("94") << "....O...." << true << QStringList();
    QTest::newRow("text around a move is no move") << QByteArray("x-\n7 ?") << "........." << false << QStringList();
    QTest::newRow("numbers that are no cell") << QByteArray("\xff:/") << "........." << false << QStringList();
    QTest::newRow("two moves at once") << QByteArray("05") << "O....O..." << true << QStringList{kOutOfStep};
    QTest::newRow("occupied cell") << QByteArray("1") << ".X......." << false << QStringList{kOutOfStep};
    QTest::newRow("a winning line") << QByteArray("678") << ".X....###" << true << QStringList{"You Lose", kOutOfStep};
}

void TestNetwork::receivedMessages()
{
    QFETCH(QByteArray, sent);
    QFETCH(QString, board);
    QFETCH(bool, xTurn);
    QFETCH(QStringList, told);

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
    QTRY_COMPARE(waiting.toolkit.texts(), told);
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

void TestNetwork::opponentLeaving_data()
{
    QTest::addColumn<bool>("waitingSide");
    QTest::addColumn<QString>("label");
    QTest::newRow("the waiting side waits again") << true << "alpha Waiting...";
    QTest::newRow("the connecting side is no longer connected") << false << "";
}

void TestNetwork::opponentLeaving()
{
    QFETCH(bool, waitingSide);
    QFETCH(QString, label);
    QTcpServer host;
    QVERIFY(host.listen(QHostAddress::LocalHost));
    Player player("alpha", waitingSide ? 0 : host.serverPort());
    QTcpSocket waitingPeer;
    std::unique_ptr<QTcpSocket> connectingPeer;
    QTcpSocket *peer = &waitingPeer;
    if (waitingSide) {
        connectRawPeer(player, waitingPeer);
    } else {
        connectToRawPeer(player, host, connectingPeer);
        peer = connectingPeer.get();
    }
    player.form->Image1_Click(4);
    peer->disconnectFromHost();
    QTRY_COMPARE(player.toolkit.texts(), QStringList{"The opponent has left the game."});
    QCOMPARE(player.form->Label1->text(), label);
    const QString board = waitingSide ? "....X...." : "....O....";
    QCOMPARE(player.board(), board);
    if (!waitingSide)
        return;

    // A new opponent is accepted and greeted, and both boards start
    // empty; its host name is a greeting, not moves, though it holds digits.
    QTcpSocket next;
    next.connectToHost(QHostAddress::LocalHost, player.form->wsListen->listeningPort());
    QCOMPARE(readExactly(next, 5), QByteArray("alpha"));
    next.write("host12");
    QTRY_COMPARE(player.form->Label1->text(), QStringLiteral("alpha Connected host12"));
    QCOMPARE(player.board(), QStringLiteral("........."));
    QCOMPARE(player.toolkit.messages.size(), 1);
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
    for (auto [cell, reply] : {std::pair{0, "3"}, {1, "4"}}) {
        waiting.form->Image1_Click(cell);
        QCOMPARE(readExactly(peer, 1), QByteArray::number(cell));
        peer.write(reply);
        QTRY_VERIFY(waiting.form->XTurn);
    }
    QCOMPARE(waiting.board(), QStringLiteral("XX.OO...."));

    // While "You Win" is shown, the opponent chooses New. The board the
    // player sees behind the box stays as it was until the box is closed.
    bool struckWhileShown = false;
    waiting.toolkit.onMessage = [&](const QString &) {
        peer.write("9");
        QTRY_VERIFY(waiting.form->wsServer->BytesReceived() == 1);
        struckWhileShown = waiting.board() == QStringLiteral("###OO....");
    };
    waiting.form->Image1_Click(2);
    QCOMPARE(waiting.toolkit.texts(), QStringList{"You Win"});
    QVERIFY(struckWhileShown);

    // Then the New applies, and the fresh game keeps its first-move allowance.
    QTRY_COMPARE(waiting.board(), QStringLiteral("........."));
    QVERIFY(waiting.form->FirstMove);
    QVERIFY(waiting.form->GameOn);
    QCOMPARE(readExactly(peer, 1), QByteArray("2"));
}

void TestNetwork::peerLeavingWhileTheInputBoxIsOpen()
{
    Player waiting("alpha", 0);
    QTcpSocket peer;
    connectRawPeer(waiting, peer);
    waiting.toolkit.onInput = [&] {
        peer.write("5");
        peer.disconnectFromHost();
        QTRY_COMPARE(peer.state(), QAbstractSocket::UnconnectedState);
    };
    waiting.form->mnusubGame[Form1::ConnectToOpponent]->trigger(); // answered with the empty text
    // The waiting role's opponent was dropped when the mode was chosen:
    // what it sent is no greeting of the new role, and its leaving is no
    // news.
    QTRY_COMPARE(waiting.toolkit.texts(), QStringList{"Cannot connect to an opponent: no address was given."});
    QCoreApplication::processEvents();
    QCOMPARE(waiting.toolkit.texts().size(), 1);
    QCOMPARE(waiting.form->Label1->text(), QString());
    QCOMPARE(waiting.board(), QStringLiteral("........."));
    QVERIFY(waiting.form->mnusubGame[Form1::ConnectToOpponent]->isChecked());
}

// A copy that reaches one busy with another game is told so at once.
void TestNetwork::busyHostIsReported()
{
    Player waiting("alpha", 0);
    QTcpSocket opponent;
    connectRawPeer(waiting, opponent);
    Player late("gamma", waiting.form->wsListen->listeningPort());
    late.toolkit.inputAnswers.enqueue(QStringLiteral("127.0.0.1"));
    late.form->mnusubGame[Form1::ConnectToOpponent]->trigger();
    QTRY_COMPARE(late.toolkit.texts(), QStringList{"127.0.0.1 is busy with another game, or is not a Kelmo game."});
    QCOMPARE(late.form->Label1->text(), QString());
    late.form->Image1_Click(4);
    QCOMPARE(late.board(), QStringLiteral("........."));
    QCOMPARE(late.toolkit.texts().last(), QStringLiteral("No opponent is connected yet."));
    // The game under way goes on.
    QCOMPARE(waiting.form->Label1->text(), QStringLiteral("alpha Connected beta"));
    QVERIFY(waiting.toolkit.messages.isEmpty());
}

void TestNetwork::slowLink_data()
{
    // "W n"/"C n": the waiting or connecting player clicks cell n, or New;
    // "hold", "release", "split" up (connecting to waiting), down or both;
    // "held up t": the link holds t; "slow": the waiting side takes pieces
    // as greeting as a real copy does.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("waitingBoard");
    QTest::addColumn<QString>("connectingBoard");
    QTest::addColumn<QStringList>("waitingTold");
    QTest::addColumn<QStringList>("connectingTold");
    QTest::addColumn<QString>("waitingLabel");

    const QStringList none;
    const QStringList outOfStep{kOutOfStep};
    const QString greeted = QStringLiteral("alpha Connected pc42");
    QTest::newRow("same cell at once")
        << QStringList{"connect", "hold both", "W 4", "C 4", "held up 4", "held down 4", "release both"}
        << "....X...." << "....O...." << outOfStep << outOfStep << greeted;
    QTest::newRow("different cells at once")
        << QStringList{"connect", "hold both", "W 4", "C 0", "held up 0", "held down 4", "release both", "W 8"}
        << "O...X...X" << "O...X...X" << none << outOfStep << greeted;
    QTest::newRow("a move crossing a New")
        << QStringList{"connect", "hold both", "W 4", "C new", "held up 9", "held down 4", "release both", "W 0"}
        << "X........" << "X...X...." << none << outOfStep << greeted;
    QTest::newRow("a greeting merged with a move")
        << QStringList{"hold up", "connect", "C 4", "held up pc424", "release up", "W 4"}
        << "....X...." << "....O...." << none << outOfStep << "alpha Connected pc424";
    QTest::newRow("a greeting split into bytes")
        << QStringList{"slow", "hold up", "connect", "held up pc42", "split up"}
        << "........." << "........." << none << none << greeted;
}

void TestNetwork::slowLink()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, waitingBoard);
    QFETCH(QString, connectingBoard);
    QFETCH(QStringList, waitingTold);
    QFETCH(QStringList, connectingTold);
    QFETCH(QString, waitingLabel);

    Player waiting("alpha", 0);
    waiting.form->mnusubGame[Form1::WaitingForConnection]->trigger();
    LinkProxy link(waiting.form->wsListen->listeningPort());
    Player connecting("pc42", link.port());
    connecting.toolkit.inputAnswers.enqueue(QStringLiteral("127.0.0.1"));
    const auto directions = [](const QString &which) {
        return which == "both" ? QList{LinkProxy::Up, LinkProxy::Down}
                               : QList{which == "up" ? LinkProxy::Up : LinkProxy::Down};
    };
    for (const QString &step : steps) {
        const QStringList words = step.split(' ');
        if (words[0] == "connect") {
            connecting.form->mnusubGame[Form1::ConnectToOpponent]->trigger();
            QTRY_VERIFY(link.holds(LinkProxy::Down) || connecting.form->opponentPresent());
            QTRY_VERIFY(link.holds(LinkProxy::Up) || waiting.form->opponentPresent());
        } else if (words[0] == "slow") {
            waiting.form->setGreetingWindow(MoveExchange::kGreetingWindow);
        } else if (words[0] == "hold" || words[0] == "release" || words[0] == "split") {
            for (LinkProxy::Direction d : directions(words[1])) {
                if (words[0] == "hold")
                    link.hold(d);
                else
                    link.release(d, words[0] == "split" ? 1 : 0, 10);
            }
            // Everything let through has been handled on the other side.
            QTRY_VERIFY(link.idle() && waiting.form->wsServer->totalBytesTaken() == link.passed(LinkProxy::Up)
                        && connecting.form->wsClient->totalBytesTaken() == link.passed(LinkProxy::Down));
        } else if (words[0] == "held") {
            QTRY_COMPARE(link.held(directions(words[1]).first()), words[2].toLatin1());
        } else {
            Form1 &form = *(words[0] == "W" ? waiting : connecting).form;
            if (words[1] == "new")
                form.mnusubGame[Form1::New]->trigger();
            else
                form.Image1_Click(words[1].toInt());
        }
    }
    QTRY_COMPARE(waiting.board(), waitingBoard);
    QTRY_COMPARE(connecting.board(), connectingBoard);
    QTRY_COMPARE(waiting.toolkit.texts(), waitingTold);
    QTRY_COMPARE(connecting.toolkit.texts(), connectingTold);
    QTRY_COMPARE(waiting.form->Label1->text(), waitingLabel);
}

KELMO_TEST(TestNetwork)
#include "tst_network.moc"
