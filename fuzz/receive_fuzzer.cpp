// Feeds arbitrary bytes, cut into arbitrary arrivals, to the receiving side
// of a network game, on either side, with clicks and News in between. After
// every step the window must agree with a small reference model of the
// exchange's rules (board, flags, status line, bytes sent, boxes shown), and
// be in a sound state.
//
// Input: byte 0 chooses the side (bit 0) and whether the next arrival is a
// greeting (bit 1); then a list of steps, each an opcode byte:
//   0, 1  arrival: the next byte gives the length (1 to 64), then the bytes
//   2     click: the next byte gives the cell
//   3     New

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
    QByteArray sent; // what the window must have sent the peer
    int boxes = 0;   // message boxes shown

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

    void arrival(const QByteArray &bytes)
    {
        if (firstData) {
            QString shown;
            for (char byte : bytes) {
                const QChar c = QChar::fromLatin1(byte);
                if (c.isPrint() && shown.size() < 255)
                    shown += c;
            }
            label1 = hostName + QStringLiteral(" Connected ") + shown;
            firstData = false;
            return;
        }
        for (char byte : bytes) {
            if (byte == '9') {
                clear();
            } else if (byte >= '0' && byte <= '8' && board[byte - '0'] == '.') {
                board[byte - '0'] = opponent();
                if (strike())
                    ++boxes; // "You Lose"
                else
                    xTurn = waitingSide;
            }
        }
    }

    void click(int cell)
    {
        const bool ownTurn = waitingSide ? xTurn : !xTurn;
        if (gameOn && board[cell] == '.' && (ownTurn || firstMove)) {
            board[cell] = own();
            sent += char('0' + cell);
            xTurn = !waitingSide;
            if (strike())
                ++boxes; // "You Win"
        }
        firstMove = false;
    }

    void newGame()
    {
        clear();
        sent += '9';
    }
};

// One side of a connected game, with the raw peer that plays the other side.
struct Side {
    std::unique_ptr<Form1> form;
    Winsock *connection = nullptr;
    QTcpSocket *peer = nullptr;
};

struct Harness {
    FakeToolkit toolkit;
    FakeSocketApi sockets;
    QTcpServer opponentServer; // what the connecting side connects to
    QTcpSocket waitingPeer;
    Side waiting;
    Side connecting;

    Harness()
    {
        toolkit.defaultAnswer = QStringLiteral("127.0.0.1");
        waiting.form = std::make_unique<Form1>(toolkit, 0, &sockets);
        waiting.form->mnusubGame_Click(Form1::WaitingForConnection);
        waitingPeer.connectToHost(QHostAddress::LocalHost, waiting.form->wsListen->listeningPort());
        waiting.connection = waiting.form->wsServer;
        waiting.peer = &waitingPeer;
        waitUntil([&] { return waiting.connection->state() == Winsock::State::Connected; }, "accept");

        if (!opponentServer.listen(QHostAddress::LocalHost))
            fail("listen");
        connecting.form = std::make_unique<Form1>(toolkit, opponentServer.serverPort(), &sockets);
        connecting.form->mnusubGame_Click(Form1::ConnectToOpponent);
        connecting.connection = connecting.form->wsClient;
        waitUntil([&] { return opponentServer.hasPendingConnections(); }, "connect");
        connecting.peer = opponentServer.nextPendingConnection();
        waitUntil([&] { return connecting.connection->state() == Winsock::State::Connected; }, "connected");

        // Small writes go out at once, as the window's own do. The windows'
        // greetings are no part of any input.
        for (QTcpSocket *peer : {waiting.peer, connecting.peer}) {
            peer->setSocketOption(QAbstractSocket::LowDelayOption, 1);
            waitUntil([&] { return peer->bytesAvailable() >= sockets.hostName.size(); }, "greeting");
            peer->readAll();
        }
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

// The window must show what the model holds; the peer must have received
// what the model sent.
void compare(Form1 &form, const Model &model, QTcpSocket &peer, QByteArray &received)
{
    waitUntil([&] { return received.append(peer.readAll()).size() >= model.sent.size(); }, "bytes sent");
    if (received != model.sent)
        fail("the bytes sent differ from the model's");

    std::string board;
    for (kelmo::Mark mark : form.board()) {
        board += mark == kelmo::Mark::X   ? 'X'
                 : mark == kelmo::Mark::O ? 'O'
                 : mark == kelmo::Mark::Empty ? '.'
                                              : '#';
    }
    if (board != model.board)
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
    QTcpSocket &peer = *side.peer;

    // A fresh game on both boards; the peer drops the "9" the window sent.
    form.mnusubGame_Click(Form1::New);
    form.FirstData = data[0] & 2;
    waitUntil([&] { return peer.bytesAvailable() >= 1; }, "New sent");
    if (peer.readAll() != "9")
        fail("New sent something other than 9");
    h.toolkit.messages.clear();

    Model model;
    model.waitingSide = &side == &h.waiting;
    model.firstData = form.FirstData;
    model.hostName = form.HostName;
    model.label1 = form.Label1->text();
    QByteArray received;
    qint64 expected = side.connection->totalBytesTaken();

    size_t at = 1;
    while (at < size) {
        const uint8_t op = data[at++] % 4;
        if (op <= 1) {
            const size_t length = at < size ? data[at++] % 64 + 1 : 1;
            const size_t take = std::min(length, size - at);
            if (take == 0)
                break;
            const QByteArray bytes(reinterpret_cast<const char *>(data + at), static_cast<qsizetype>(take));
            peer.write(bytes);
            peer.flush();
            at += take;
            expected += static_cast<qint64>(take);
            waitUntil([&] { return side.connection->totalBytesTaken() >= expected; }, "arrival handled");
            model.arrival(bytes);
        } else if (op == 2) {
            const int cell = at < size ? data[at++] % 9 : 0;
            form.Image1_Click(cell);
            model.click(cell);
        } else {
            form.mnusubGame_Click(Form1::New);
            model.newGame();
        }
        compare(form, model, peer, received);
        if (h.toolkit.messages.size() != model.boxes)
            fail("the boxes shown differ from the model's");
        checkInvariants(form);
    }
    return 0;
}
