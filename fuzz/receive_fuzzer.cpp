// Feeds arbitrary bytes, cut into arbitrary arrivals, from a raw peer to the
// network side of a waiting window, with clicks and News in between. After
// every step the window must agree with a small reference model of the
// exchange's rules: board, flags, status line, bytes sent, boxes shown.
//
// Input: byte 0 says whether a new peer takes the place of the one there,
// so that the next arrival is a greeting (bit 1), and whether pieces that
// come after a greeting may continue it (bit 2: always, else never); then a
// list of steps, each an opcode byte, read modulo 4 but for 255:
//   0, 1  arrival: the next byte gives the length (1 to 64), then the bytes
//   2     click: the next byte gives the cell
//   3     New
//   255   the peer leaves: the next byte gives the length (0 to 8) of a
//         last arrival sent just before; then a new peer takes its place

#include "boards.h"
#include "fakegamediscovery.h"
#include "fakesocketapi.h"
#include "faketoolkit.h"
#include "net/hostlookup.h"
#include "net/moveexchange.h"
#include "net/winsock.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QTcpSocket>

#include <cstdio>
#include <cstdlib>

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
    QString board = QStringLiteral(".........");
    bool xTurn = true, gameOn = true, firstMove = true;
    QString hostName, label1;
    bool continuing = false; // pieces after a greeting may continue it
    // What the connection has seen, kept from one input to the next.
    struct Peer {
        bool greeted = false;      // it has greeted
        bool greetingOpen = false; // nothing but greeting has come since
        QByteArray greeting;       // as received so far
    } peer;
    char lastMover = ' ';      // 'U'(s), 'O'(pponent) or nobody
    QByteArray sent;           // what the window must have sent the peer
    int boxes = 0;             // message boxes shown
    // A loss, an opponent leaving or the boards out of step told since the
    // player last clicked or chose a command: the next one is not.
    bool lossTold = false, departureTold = false, outOfStepTold = false;

    void clear()
    {
        board = QStringLiteral(".........");
        xTurn = gameOn = firstMove = true;
        lastMover = ' ';
    }
    void playerActs() { lossTold = departureTold = outOfStepTold = false; }
    void tell(bool &told)
    {
        boxes += !told;
        told = true;
    }

    // Strikes the first completed line, all X lines before any O line,
    // rows, then columns, then the two diagonals.
    bool strike()
    {
        for (QChar mark : {'X', 'O'}) {
            for (const char *line : {"012", "345", "678", "036", "147", "258", "048", "246"}) {
                if (board[line[0] - '0'] == mark && board[line[1] - '0'] == mark && board[line[2] - '0'] == mark) {
                    for (int k = 0; k < 3; ++k)
                        board[line[k] - '0'] = '#';
                    gameOn = false;
                    return true;
                }
            }
        }
        return false;
    }

    void showGreeting()
    {
        QString shown;
        for (char byte : peer.greeting) {
            if (QChar::fromLatin1(byte).isPrint() && shown.size() < 255)
                shown += QChar::fromLatin1(byte);
        }
        label1 = hostName + QStringLiteral(" Connected ") + shown;
    }

    void arrival(const QByteArray &bytes)
    {
        const auto all = [&](auto test) { return std::all_of(bytes.begin(), bytes.end(), test); };
        if (!peer.greeted) { // the first arrival is the greeting
            clear(); // a new opponent: the board starts empty
            peer.greeting = bytes;
            peer.greeted = peer.greetingOpen = true;
            return showGreeting();
        }
        peer.greetingOpen = peer.greetingOpen && continuing && !bytes.isEmpty()
            && all([](char c) { return std::isalnum(uchar(c)) || c == '-' || c == '.' || c == '_'; });
        if (peer.greetingOpen) {
            peer.greeting += bytes;
            return showGreeting();
        }
        // Only digits make messages; anything else drops the whole arrival.
        if (!all([](char c) { return c >= '0' && c <= '9'; }))
            return;
        for (char byte : bytes) {
            const int cell = byte - '0';
            if (cell == 9) {
                clear();
                continue;
            }
            const bool movedTwice = lastMover == 'O';
            if (board[cell] != '.') {
                tell(outOfStepTold);
                continue;
            }
            lastMover = 'O';
            board[cell] = 'O';
            const bool won = strike();
            if (won)
                tell(lossTold); // "You Lose"
            if (movedTwice)
                tell(outOfStepTold);
            if (won)
                return; // the rest of the arrival is dropped
            xTurn = true;
        }
    }

    void leave()
    {
        if (peer.greeted) {
            tell(departureTold);
            label1 = hostName + QStringLiteral(" Waiting...");
        }
        peer.greeted = peer.greetingOpen = false;
        lastMover = ' ';
    }

    void click(int cell)
    {
        playerActs();
        if (!peer.greeted) {
            ++boxes; // "No opponent is connected yet."
            return;
        }
        if (gameOn && board[cell] == '.' && (xTurn || firstMove)) {
            board[cell] = 'X';
            sent += char('0' + cell);
            lastMover = 'U';
            xTurn = false;
            boxes += strike(); // "You Win"
        }
        firstMove = false;
    }

    void newGame()
    {
        playerActs();
        clear();
        if (peer.greeted)
            sent += '9';
    }
};

// The waiting window, with the raw peer that plays against it, and what the
// model keeps of the peer from one input to the next.
struct Harness {
    FakeToolkit toolkit;
    FakeSocketApi sockets;
    FakeGameDiscovery discovery; // what the waiting side offers
    std::unique_ptr<Form1> form;
    std::unique_ptr<QTcpSocket> peer;
    Model::Peer kept;

    Harness()
    {
        form = std::make_unique<Form1>(toolkit, 0, &sockets);
        form->setGameDiscovery(&discovery);
        form->mnusubGame_Click(Form1::WaitingForConnection);
        // A peer silent across many inputs is not to be dropped.
        form->network().setGreetingTimeout(24 * 3600 * 1000);
        connectPeer();
    }

    // The connection object of the window's present connection, if any.
    Winsock *connection() const { return form->network().connection() ? &form->network().connection()->socket() : nullptr; }

    // A new peer that connects to the window. The window's greeting is no
    // part of any input.
    void connectPeer()
    {
        peer = std::make_unique<QTcpSocket>();
        peer->connectToHost(QHostAddress::LocalHost, form->network().listeningPort());
        waitUntil([&] { return connection() && connection()->state() == Winsock::State::Connected; }, "connected");
        peer->setSocketOption(QAbstractSocket::LowDelayOption, 1); // each write an arrival
        waitUntil([&] { return peer->bytesAvailable() >= sockets.hostName.size(); }, "greeting");
        peer->readAll();
        kept = {};
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

// The window must show what the model holds, and the peer must have
// received what the model sent.
void compare(Form1 &form, const Model &model, QTcpSocket &peer, QByteArray &received, FakeToolkit &toolkit)
{
    waitUntil([&] { return received.append(peer.readAll()).size() >= model.sent.size(); }, "bytes sent");
    if (received != model.sent)
        fail("the bytes sent differ from the model's");
    if (const QString board = textFromBoard(form.board()); board != model.board)
        fail(qPrintable(QStringLiteral("the board %1 differs from the model's %2").arg(board, model.board)));
    if (form.XTurn != model.xTurn || form.GameOn != model.gameOn || form.FirstMove != model.firstMove
        || (form.network().connection()->isOpen() && form.network().connection()->hasGreeted() != model.peer.greeted))
        fail("a game flag differs from the model's");
    if (form.Label1->text() != model.label1)
        fail("the status line differs from the model's");
    // Reports are shown from the event loop.
    waitUntil([&] { return toolkit.messages.size() >= model.boxes; }, "boxes shown");
    QCoreApplication::processEvents();
    if (toolkit.messages.size() != model.boxes)
        fail("the boxes shown differ from the model's");
}

QByteArray take(const uint8_t *data, size_t &at, size_t size, size_t length)
{
    const size_t taken = std::min(length, size - at);
    at += taken;
    return QByteArray(reinterpret_cast<const char *>(data + at - taken), qsizetype(taken));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    Harness &h = harness();
    Form1 &form = *h.form;
    form.network().setGreetingWindow(data[0] & 4 ? std::chrono::hours(24) : std::chrono::hours(0));

    // A fresh game on both boards; the peer drops the "9" the window sent.
    form.mnusubGame_Click(Form1::New);
    if (h.kept.greeted) {
        waitUntil([&] { return h.peer->bytesAvailable() >= 1; }, "New sent");
        if (h.peer->readAll() != "9")
            fail("New sent something other than 9");
    }
    if (data[0] & 2) {
        form.mnusubGame_Click(Form1::WaitingForConnection); // drops the peer without a word
        h.connectPeer();
    }
    h.toolkit.messages.clear();

    Model model;
    model.peer = h.kept;
    model.continuing = data[0] & 4;
    model.hostName = form.hostLookup().hostName();
    model.label1 = form.Label1->text();
    QByteArray received;
    qint64 expected = h.connection()->totalBytesTaken();
    QString boardWhenLeftTold;
    h.toolkit.onMessage = [&](const QString &text) {
        if (text == QStringLiteral("The opponent has left the game."))
            boardWhenLeftTold = textFromBoard(form.board());
    };

    size_t at = 1;
    while (at < size) {
        const uint8_t code = data[at++];
        if (code == 255) {
            // Whatever the peer sent before it left is applied before its
            // leaving is told, and nothing after.
            const QByteArray bytes = take(data, at, size, at < size ? data[at++] % 9 : 0);
            h.peer->write(bytes);
            h.peer->disconnectFromHost();
            waitUntil([&] { return h.connection()->state() == Winsock::State::Closed; }, "departure handled");
            if (!bytes.isEmpty())
                model.arrival(bytes);
            const bool toldLeaving = model.peer.greeted && !model.departureTold;
            model.leave();
            waitUntil([&] { return h.toolkit.messages.size() >= model.boxes; }, "departure told");
            if (toldLeaving && boardWhenLeftTold != model.board)
                fail("the departure was told before the last arrival was applied");
            compare(form, model, *h.peer, received, h.toolkit);
            h.connectPeer();
            received.clear();
            model.sent.clear();
            expected = h.connection()->totalBytesTaken();
        } else if (code % 4 <= 1) {
            const QByteArray bytes = take(data, at, size, at < size ? data[at++] % 64 + 1 : 1);
            if (bytes.isEmpty())
                break;
            h.peer->write(bytes);
            h.peer->flush();
            expected += bytes.size();
            waitUntil([&] { return h.connection()->totalBytesTaken() >= expected; }, "arrival handled");
            model.arrival(bytes);
        } else if (code % 4 == 2) {
            const int cell = at < size ? data[at++] % 9 : 0;
            form.Image1_Click(cell);
            model.click(cell);
        } else {
            form.mnusubGame_Click(Form1::New);
            model.newGame();
        }
        compare(form, model, *h.peer, received, h.toolkit);
        if (h.discovery.published.has_value() == form.network().opponentPresent())
            fail("the waiting game is offered while an opponent is there, or not offered while none is");
    }
    h.kept = model.peer;
    h.toolkit.onMessage = nullptr;
    return 0;
}
