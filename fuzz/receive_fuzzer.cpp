// Feeds arbitrary bytes, cut into arbitrary arrivals, to the receiving side
// of a network game, on either side, with clicks and News in between, and
// checks after every step that the window is still in a sound state.
//
// Input: byte 0 chooses the side (bit 0) and whether the next arrival is a
// greeting (bit 1); then a list of steps, each an opcode byte:
//   0, 1  arrival: the next byte gives the length (1 to 64), then the bytes
//   2     click: the next byte gives the cell
//   3     New

#include "game/boardcell.h"
#include "game/form1.h"
#include "fakesocketapi.h"
#include "faketoolkit.h"
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

        // Small writes go out at once, as the window's own do.
        for (QTcpSocket *peer : {waiting.peer, connecting.peer})
            peer->setSocketOption(QAbstractSocket::LowDelayOption, 1);
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    Harness &h = harness();
    Side &side = data[0] & 1 ? h.connecting : h.waiting;
    Form1 &form = *side.form;

    h.toolkit.messages.clear();
    // A fresh game on both boards; the peer drops what the window sent.
    form.mnusubGame_Click(Form1::New);
    form.FirstData = data[0] & 2;
    side.peer->readAll();
    qint64 expected = side.connection->totalBytesTaken();

    size_t at = 1;
    while (at < size) {
        const uint8_t op = data[at++] % 4;
        if (op <= 1) {
            const size_t length = at < size ? data[at++] % 64 + 1 : 1;
            const size_t take = std::min(length, size - at);
            if (take == 0)
                break;
            side.peer->write(reinterpret_cast<const char *>(data + at), static_cast<qint64>(take));
            side.peer->flush();
            at += take;
            expected += static_cast<qint64>(take);
            waitUntil([&] { return side.connection->totalBytesTaken() >= expected; }, "arrival handled");
        } else if (op == 2) {
            form.Image1_Click(at < size ? data[at++] % 9 : 0);
        } else {
            form.mnusubGame_Click(Form1::New);
        }
        side.peer->readAll();
        checkInvariants(form);
    }
    return 0;
}
