// Feeds arbitrary bytes, cut into arbitrary arrivals, to the receiving side
// of a network game, on either side, with clicks and News in between. After
// every step the window must agree with a small reference model of the
// exchange's rules (board, flags, status line, bytes sent, boxes shown), and
// be in a sound state.
//
// Input: byte 0 chooses the side (bit 0), whether the next arrival is a
// greeting (bit 1), and whether pieces that come after a greeting may
// continue it (bit 2: always, else never); then a list of steps, each an
// opcode byte, read modulo 4 but for 255:
//   0, 1  arrival: the next byte gives the length (1 to 64), then the bytes
//   2     click: the next byte gives the cell
//   3     New
//   255   the peer leaves: the next byte gives the length (0 to 8) of a
//         last arrival sent just before; then a new peer takes its place

#include "fakegamediscovery.h"
#include "fakesocketapi.h"
#include "faketoolkit.h"
#include "game/boardcell.h"
#include "game/form1.h"
#include "net/winsock.h"
#include "rules/board.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QLabel>
#include <QTcpServer>
#include <QTcpSocket>

#include <cctype>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

template<typename Condition>
void waitUntil(Condition condition, const char *what)
{
    QDeadlineTimer deadline(5000);
    while (!condition()) {
        if (deadline.hasExpired())
            fail(what);
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
    }
}

// What the receiving side must do, stated again on its own, apart from the
// program's code: the board as nine characters ('.' empty, '#' struck).
struct Model {
    bool waitingSide = true;
    std::string board = ".........";
    bool xTurn = true;
    bool gameOn = true;
    bool firstMove = true;
    bool firstData = false;
    QString hostName;
    QString label1;
    bool greeted = false;        // the peer on this connection has greeted
    bool continuing = false;     // pieces after a greeting may continue it
    bool greetingOpen = false;   // nothing but greeting has come since it
    QByteArray greeting;         // as received so far
    char lastMover = ' ';        // 'U'(s), 'O'(pponent) or nobody
    QByteArray sent;             // what the window must have sent the peer
    int boxes = 0;               // message boxes shown
    // A loss, an opponent leaving or the boards going out of step has been
    // told since the player last clicked or chose a command: the next one
    // is not.
    bool lossTold = false;
    bool departureTold = false;
    bool outOfStepTold = false;

    char own() const { return waitingSide ? 'X' : 'O'; }
    char opponent() const { return waitingSide ? 'O' : 'X'; }

    void clear()
    {
        board = ".........";
        xTurn = gameOn = firstMove = true;
    }

    // Strikes the first completed line, all X lines before any O line,
    // rows, then columns, then the two diagonals.
    bool strike()
    {
        static const char *const lines[] = {"012", "345", "678", "036", "147", "258", "048", "246"};
        for (char mark : {'X', 'O'}) {
            for (const char *line : lines) {
                const int a = line[0] - '0', b = line[1] - '0', c = line[2] - '0';
                if (board[a] == mark && board[b] == mark && board[c] == mark) {
                    board[a] = board[b] = board[c] = '#';
                    gameOn = false;
                    return true;
                }
            }
        }
        return false;
    }

    void playerActs() { lossTold = departureTold = outOfStepTold = false; }

    void outOfStep()
    {
        if (!outOfStepTold)
            ++boxes; // "The two boards are out of step. ..."
        outOfStepTold = true;
    }

    void showGreeting()
    {
        QString shown;
        for (char byte : greeting) {
            const QChar c = QChar::fromLatin1(byte);
            if (c.isPrint() && shown.size() < 255)
                shown += c;
        }
        label1 = hostName + QStringLiteral(" Connected ") + shown;
    }

    static bool hostNameText(const QByteArray &bytes)
    {
        for (char c : bytes) {
            if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-' && c != '.' && c != '_')
                return false;
        }
        return !bytes.isEmpty();
    }

    void arrival(const QByteArray &bytes)
    {
        if (firstData) {
            clear(); // a new opponent: the board starts empty
            greeting = bytes;
            showGreeting();
            firstData = false;
            greeted = true;
            greetingOpen = true;
            lastMover = ' ';
            return;
        }
        greetingOpen = greetingOpen && continuing && hostNameText(bytes);
        if (greetingOpen) {
            greeting += bytes;
            showGreeting();
            return;
        }
        // Only digits make messages; anything else drops the whole arrival.
        for (char byte : bytes) {
            if (byte < '0' || byte > '9')
                return;
        }
        for (char byte : bytes) {
            if (byte == '9') {
                clear();
                lastMover = ' ';
                continue;
            }
            const bool movedTwice = lastMover == 'O';
            if (board[byte - '0'] != '.') {
                outOfStep();
                continue;
            }
            lastMover = 'O';
            board[byte - '0'] = opponent();
            const bool won = strike();
            if (won && !lossTold) {
                ++boxes; // "You Lose"
                lossTold = true;
            }
            if (movedTwice)
                outOfStep();
            if (won)
                return; // the rest of the arrival is dropped
            xTurn = waitingSide;
        }
    }

    void leave()
    {
        if (greeted) {
            if (!departureTold)
                ++boxes; // "The opponent has left the game."
            departureTold = true;
            label1 = waitingSide ? hostName + QStringLiteral(" Waiting...") : QString();
        } else if (!waitingSide) {
            ++boxes; // "... is busy with another game, or is not a Kelmo game."
            label1.clear();
        }
        greeted = false;
    }

    void click(int cell)
    {
        playerActs();
        if (!greeted) {
            ++boxes; // "No opponent is connected yet."
            return;
        }
        const bool ownTurn = waitingSide ? xTurn : !xTurn;
        if (gameOn && board[cell] == '.' && (ownTurn || firstMove)) {
            board[cell] = own();
            sent += char('0' + cell);
            lastMover = 'U';
            xTurn = !waitingSide;
            if (strike())
                ++boxes; // "You Win"
        }
        firstMove = false;
    }

    void newGame()
    {
        playerActs();
        clear();
        lastMover = ' ';
        if (greeted)
            sent += '9';
    }
};

// One side of a connected game, with the raw peer that plays the other side.
struct Side {
    std::unique_ptr<Form1> form;
    Winsock *connection = nullptr;
    std::unique_ptr<QTcpSocket> peer;
    // What the model keeps from one input to the next.
    bool greeted = false;      // the peer has greeted on this connection
    bool greetingOpen = false; // and sent nothing but greeting since
    QByteArray greeting;
};

struct Harness {
    FakeToolkit toolkit;
    FakeSocketApi sockets;
    FakeGameDiscovery discovery; // what the waiting side offers
    QTcpServer opponentServer; // what the connecting side connects to
    Side waiting;
    Side connecting;

    Harness()
    {
        toolkit.defaultAnswer = QStringLiteral("127.0.0.1");
        waiting.form = std::make_unique<Form1>(toolkit, 0, &sockets);
        waiting.form->setGameDiscovery(&discovery);
        waiting.form->mnusubGame_Click(Form1::WaitingForConnection);
        waiting.connection = waiting.form->wsServer;
        connectPeer(waiting);

        if (!opponentServer.listen(QHostAddress::LocalHost))
            fail("listen");
        connecting.form = std::make_unique<Form1>(toolkit, opponentServer.serverPort(), &sockets);
        connecting.connection = connecting.form->wsClient;
        connectPeer(connecting);
        // A peer that stays silent across many inputs is not to be dropped.
        for (Side *side : {&waiting, &connecting})
            side->form->setGreetingTimeout(24 * 3600 * 1000);
    }

    // A new peer for the side: one that connects to the waiting window, or
    // the one the connecting window connects to when told to. The window's
    // greeting is no part of any input.
    void connectPeer(Side &side)
    {
        if (&side == &waiting) {
            side.peer = std::make_unique<QTcpSocket>();
            side.peer->connectToHost(QHostAddress::LocalHost, side.form->wsListen->listeningPort());
        } else {
            side.form->mnusubGame_Click(Form1::ConnectToOpponent);
            waitUntil([&] { return opponentServer.hasPendingConnections(); }, "connect");
            side.peer.reset(opponentServer.nextPendingConnection());
            side.peer->setParent(nullptr);
        }
        waitUntil([&] { return side.connection->state() == Winsock::State::Connected; }, "connected");
        // Small writes go out at once, as the window's own do.
        side.peer->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        waitUntil([&] { return side.peer->bytesAvailable() >= sockets.hostName.size(); }, "greeting");
        side.peer->readAll();
        side.greeted = false;
    }
};

Harness &harness()
{
    static Harness *instance = [] {
        static int argc = 1;
        static char name[] = "kelmo-fuzz";
        static char *argv[] = {name, nullptr};
        qputenv("QT_QPA_PLATFORM", "offscreen");
        new QApplication(argc, argv);
        return new Harness;
    }();
    return *instance;
}

bool isPrintable(const QString &text)
{
    for (QChar c : text) {
        if (!c.isPrint())
            return false;
    }
    return text.size() <= 600;
}

void checkInvariants(Form1 &form)
{
    const Picture *holders[] = {&form.X,     &form.O,     &form.PicEmpty, &form.Xrtlb, &form.Xctcb, &form.Xrblt,
                                &form.Xrmlm, &form.Ortlb, &form.Octcb,    &form.Orblt, &form.Ormlm};
    for (BoardCell *cell : form.Image1) {
        if (std::find(std::begin(holders), std::end(holders), cell->picture()) == std::end(holders))
            fail("a cell shows a picture that is none of the eleven");
    }

    // The struck cells are exactly a union of disjoint lines of three.
    const kelmo::Board board = form.board();
    unsigned struck = 0;
    for (int i = 0; i < 9; ++i)
        struck |= board[i] == kelmo::Mark::Struck ? 1u << i : 0u;
    bool whole = struck == 0;
    for (unsigned set = 1; set < 256 && !whole; ++set) {
        unsigned covered = 0;
        bool disjoint = true;
        for (int line = 0; line < 8; ++line) {
            if (!(set & (1u << line)))
                continue;
            unsigned bits = 0;
            for (int cell : kelmo::kLines[line])
                bits |= 1u << cell;
            disjoint = disjoint && !(covered & bits);
            covered |= bits;
        }
        whole = disjoint && covered == struck;
    }
    if (!whole)
        fail("struck cells do not form whole lines");
    if (struck && form.GameOn)
        fail("the game goes on although a struck line stands");
    if (!isPrintable(form.Label1->text()) || !isPrintable(form.Label2->text()))
        fail("a status line holds unprintable or overlong text");
}

QString textOf(const kelmo::Board &board)
{
    QString text;
    for (kelmo::Mark mark : board) {
        text += mark == kelmo::Mark::X       ? QLatin1Char('X')
                : mark == kelmo::Mark::O     ? QLatin1Char('O')
                : mark == kelmo::Mark::Empty ? QLatin1Char('.')
                                             : QLatin1Char('#');
    }
    return text;
}

// The window must show what the model holds; the peer must have received
// what the model sent.
void compare(Form1 &form, const Model &model, QTcpSocket &peer, QByteArray &received)
{
    waitUntil([&] { return received.append(peer.readAll()).size() >= model.sent.size(); }, "bytes sent");
    if (received != model.sent)
        fail("the bytes sent differ from the model's");

    if (textOf(form.board()) != QString::fromStdString(model.board))
        fail("the board differs from the model's");
    if (form.XTurn != model.xTurn || form.GameOn != model.gameOn || form.FirstMove != model.firstMove
        || form.FirstData != model.firstData)
        fail("a game flag differs from the model's");
    if (form.Label1->text() != model.label1)
        fail("the status line differs from the model's");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    Harness &h = harness();
    Side &side = data[0] & 1 ? h.connecting : h.waiting;
    Form1 &form = *side.form;
    using std::chrono::hours;
    using std::chrono::milliseconds;
    form.setGreetingWindow(data[0] & 4 ? milliseconds(hours(24)) : milliseconds(0));

    // A fresh game on both boards; the peer drops the "9" the window sent.
    form.mnusubGame_Click(Form1::New);
    form.FirstData = data[0] & 2;
    if (side.greeted) {
        waitUntil([&] { return side.peer->bytesAvailable() >= 1; }, "New sent");
        if (side.peer->readAll() != "9")
            fail("New sent something other than 9");
    }
    h.toolkit.messages.clear();

    Model model;
    model.waitingSide = &side == &h.waiting;
    model.firstData = form.FirstData;
    model.greeted = side.greeted;
    model.continuing = data[0] & 4;
    model.greetingOpen = side.greetingOpen;
    model.greeting = side.greeting;
    model.hostName = form.HostName;
    model.label1 = form.Label1->text();
    QByteArray received;
    qint64 expected = side.connection->totalBytesTaken();
    QString boardWhenLeftTold;
    h.toolkit.onMessage = [&](const QString &text) {
        if (text == QStringLiteral("The opponent has left the game."))
            boardWhenLeftTold = textOf(form.board());
    };

    size_t at = 1;
    while (at < size) {
        const uint8_t code = data[at++];
        if (code == 255) {
            // Whatever the peer sent before it left is applied before its
            // leaving is told, and nothing after.
            const size_t length = at < size ? data[at++] % 9 : 0;
            const size_t take = std::min(length, size - at);
            const QByteArray bytes(reinterpret_cast<const char *>(data + at), static_cast<qsizetype>(take));
            at += take;
            side.peer->write(bytes);
            side.peer->disconnectFromHost();
            waitUntil([&] { return side.connection->state() == Winsock::State::Closed; }, "departure handled");
            if (!bytes.isEmpty())
                model.arrival(bytes);
            const bool toldLeaving = model.greeted && !model.departureTold;
            model.leave();
            waitUntil([&] { return h.toolkit.messages.size() >= model.boxes; }, "departure told");
            if (toldLeaving && boardWhenLeftTold != QString::fromStdString(model.board))
                fail("the departure was told before the last arrival was applied");
            compare(form, model, *side.peer, received);
            // A new peer, and a fresh game for the model to follow.
            h.connectPeer(side);
            received.clear();
            model.sent.clear();
            expected = side.connection->totalBytesTaken();
            model.firstData = true;
            model.greeted = false;
            model.greetingOpen = false;
            model.lastMover = ' ';
            if (!model.waitingSide) {
                model.playerActs();
                model.clear();
                model.label1 = model.hostName + QStringLiteral(" Connecting");
            }
        } else if (code % 4 <= 1) {
            const size_t length = at < size ? data[at++] % 64 + 1 : 1;
            const size_t take = std::min(length, size - at);
            if (take == 0)
                break;
            const QByteArray bytes(reinterpret_cast<const char *>(data + at), static_cast<qsizetype>(take));
            side.peer->write(bytes);
            side.peer->flush();
            at += take;
            expected += static_cast<qint64>(take);
            waitUntil([&] { return side.connection->totalBytesTaken() >= expected; }, "arrival handled");
            model.arrival(bytes);
        } else if (code % 4 == 2) {
            const int cell = at < size ? data[at++] % 9 : 0;
            form.Image1_Click(cell);
            model.click(cell);
        } else {
            form.mnusubGame_Click(Form1::New);
            model.newGame();
        }
        compare(form, model, *side.peer, received);
        // Reports are shown from the event loop.
        waitUntil([&] { return h.toolkit.messages.size() >= model.boxes; }, "boxes shown");
        QCoreApplication::processEvents();
        if (h.toolkit.messages.size() != model.boxes)
            fail("the boxes shown differ from the model's");
        checkInvariants(form);
        if (h.discovery.published.has_value() == h.waiting.form->opponentPresent())
            fail("the waiting game is offered while an opponent is there, or not offered while none is");
    }
    side.greeted = model.greeted;
    side.greetingOpen = model.greetingOpen;
    side.greeting = model.greeting;
    h.toolkit.onMessage = nullptr;
    return 0;
}
