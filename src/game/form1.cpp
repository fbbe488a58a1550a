#include "game/form1.h"

#include "about/form2.h"
#include "computer/computerplayer.h"
#include "game/boardarea.h"
#include "game/boardcell.h"
#include "game/pictures.h"
#include "net/socketapi.h"
#include "net/winsock.h"
#include "rules/winrules.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

using kelmo::Mark;
using kelmo::Stroke;

namespace {

qreal screenPixelRatio()
{
    return qApp ? qApp->devicePixelRatio() : 1.0;
}

// Draws a mark when it is first shown, at the pixel ratio of the screen.
std::function<QPixmap()> drawMark(Mark mark, std::optional<Stroke> stroke)
{
    return [mark, stroke, ratio = screenPixelRatio()] { return pictures::mark(mark, stroke, ratio); };
}

QLabel *createStatusLabel(QWidget *area, const QRect &geometry)
{
    auto *label = new QLabel(area);
    // The text may come from the network: never interpret it as markup.
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setAutoFillBackground(true);
    label->setGeometry(geometry);
    return label;
}

} // namespace

Form1::Form1(Toolkit &toolkit, quint16 port, SocketApi *sockets, QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                              | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                              | Qt::WindowCloseButtonHint)
    , X(drawMark(Mark::X, std::nullopt), tr("X"))
    , O(drawMark(Mark::O, std::nullopt), tr("O"))
    , PicEmpty([ratio = screenPixelRatio()] { return pictures::empty(ratio); }, tr("empty"))
    , Xrtlb(drawMark(Mark::X, Stroke::Falling), tr("X, struck"))
    , Xctcb(drawMark(Mark::X, Stroke::Vertical), tr("X, struck"))
    , Xrblt(drawMark(Mark::X, Stroke::Rising), tr("X, struck"))
    , Xrmlm(drawMark(Mark::X, Stroke::Horizontal), tr("X, struck"))
    , Ortlb(drawMark(Mark::O, Stroke::Falling), tr("O, struck"))
    , Octcb(drawMark(Mark::O, Stroke::Vertical), tr("O, struck"))
    , Orblt(drawMark(Mark::O, Stroke::Rising), tr("O, struck"))
    , Ormlm(drawMark(Mark::O, Stroke::Horizontal), tr("O, struck"))
    , m_toolkit(toolkit)
    , m_port(port)
    , m_ownSockets(sockets ? nullptr : std::make_unique<SystemSocketApi>())
    , m_sockets(sockets ? *sockets : *m_ownSockets)
{
    setWindowTitle(kAppTitle);
    setWindowIcon(pictures::windowIcon());

    createMenus();

    auto *area = new BoardArea(this);
    createBoard(area);
    setCentralWidget(area);
    area->setFocus();
    connect(area, &BoardArea::cellChosen, this, &Form1::Image1_Click);

    wsServer = new Winsock(toolkit, this);
    wsListen = new Winsock(toolkit, this);
    wsClient = new Winsock(toolkit, this);
    connect(wsListen, &Winsock::ConnectionRequest, this, &Form1::wsListen_ConnectionRequest);
    connect(wsClient, &Winsock::Connected, this, &Form1::wsClient_Connect);
    connect(wsServer, &Winsock::DataArrival, this, &Form1::wsServer_DataArrival);
    connect(wsClient, &Winsock::DataArrival, this, &Form1::wsClient_DataArrival);

    // Wide enough for every menu-bar entry, so none hides behind an
    // overflow arrow; any extra width stays white on the right.
    const int width = std::max(BoardArea::kClientSize, menuBar()->sizeHint().width());
    area->setFixedSize(width, BoardArea::kClientSize);
    setFixedSize(width, menuBar()->sizeHint().height() + BoardArea::kClientSize);

    Form_Load();
}

Form1::~Form1() = default;

void Form1::createBoard(BoardArea *area)
{
    for (int i = 0; i < 9; ++i) {
        auto *cell = new BoardCell(i, area);
        cell->setGeometry(BoardArea::cellGeometry(i));
        Image1[i] = cell;
        connect(cell, &BoardCell::clicked, this, &Form1::Image1_Click);
    }
    area->setCells(Image1);

    Label1 = createStatusLabel(area, QRect(8, 0, 153, 17));
    Label2 = createStatusLabel(area, QRect(8, 152, 161, 17));
    Label1->setAccessibleDescription(tr("Status"));
    Label2->setAccessibleDescription(tr("Status"));
}

void Form1::createMenus()
{
    menuBar()->setNativeMenuBar(false); // the bar belongs in the window

    QMenu *mnuGame = menuBar()->addMenu(QStringLiteral("&Game"));
    mnusubGame[0] = mnuGame->addAction(QStringLiteral("&New"));
    mnusubGame[0]->setShortcut(Qt::Key_F2);
    mnusubGame[2] = mnuGame->addSeparator();
    mnusubGame[3] = mnuGame->addAction(QStringLiteral("Normal Mode"));
    mnusubGame[4] = mnuGame->addAction(QStringLiteral("  One Player"));
    mnusubGame[5] = mnuGame->addAction(QStringLiteral("  Two Players"));
    mnusubGame[6] = mnuGame->addSeparator();
    mnusubGame[7] = mnuGame->addAction(QStringLiteral("Network Mode"));
    mnusubGame[8] = mnuGame->addAction(QStringLiteral("  Waiting for Connection"));
    mnusubGame[9] = mnuGame->addAction(QStringLiteral("  Connect to Opponent"));
    for (int i : {4, 5, 8, 9})
        mnusubGame[i]->setCheckable(true);
    mnusubGame[4]->setChecked(true);

    for (int i = 0; i < 10; ++i) {
        if (mnusubGame[i] && !mnusubGame[i]->isSeparator())
            connect(mnusubGame[i], &QAction::triggered, this, [this, i] { mnusubGame_Click(i); });
    }

    mnuComMove = menuBar()->addAction(QStringLiteral("&ComMove"));
    connect(mnuComMove, &QAction::triggered, this, &Form1::mnuComMove_Click);
    mnuAbout = menuBar()->addAction(QStringLiteral("&About"));
    connect(mnuAbout, &QAction::triggered, this, &Form1::mnuAbout_Click);
}

void Form1::Form_Load()
{
    m_toolkit.randomize();
    ClearBoard();
    ComPlay = true;
}

void Form1::ClearBoard()
{
    for (BoardCell *cell : Image1)
        cell->setPicture(&PicEmpty);
    XTurn = true;
    GameOn = true;
    FirstMove = true;
}

bool Form1::holdsX(int cell) const
{
    return Image1[cell]->picture()->Handle() == X.Handle();
}

bool Form1::holdsO(int cell) const
{
    return Image1[cell]->picture()->Handle() == O.Handle();
}

bool Form1::isEmpty(int cell) const
{
    return Image1[cell]->picture()->Handle() == PicEmpty.Handle();
}

kelmo::Board Form1::board() const
{
    kelmo::Board value{};
    for (int i = 0; i < 9; ++i) {
        if (holdsX(i))
            value[i] = Mark::X;
        else if (holdsO(i))
            value[i] = Mark::O;
        else if (isEmpty(i))
            value[i] = Mark::Empty;
        else
            value[i] = Mark::Struck;
    }
    return value;
}

void Form1::placeMark(int cell, const Picture &picture)
{
    Image1[cell]->setPicture(&picture);
}

const Picture &Form1::strikeHolder(Mark mark, Stroke stroke) const
{
    const bool x = mark == Mark::X;
    switch (stroke) {
    case Stroke::Horizontal:
        return x ? Xrmlm : Ormlm;
    case Stroke::Vertical:
        return x ? Xctcb : Octcb;
    case Stroke::Falling:
        return x ? Xrtlb : Ortlb;
    case Stroke::Rising:
        break;
    }
    return x ? Xrblt : Orblt;
}

bool Form1::YouWin()
{
    const auto win = kelmo::findWin(board());
    if (!win)
        return false;
    const Picture &struck = strikeHolder(win->mark, win->stroke);
    for (int cell : win->cells)
        placeMark(cell, struck);
    GameOn = false;
    return true;
}

void Form1::announce(const QString &text)
{
    messageBox(text);
    mnuComMove->setEnabled(false);
}

// One pass of the computer: at most one mark for `mover`. True when a
// completed line now stands.
bool Form1::computerPass(Mark mover, int randomCell)
{
    if (const auto cell = kelmo::chooseCell(board(), mover, randomCell))
        placeMark(*cell, mover == Mark::X ? X : O);
    XTurn = mover == Mark::O;
    return YouWin();
}

void Form1::ComputerMove()
{
    // Exactly one draw per call, before any flag is looked at.
    const int RandomCell = std::min(8, static_cast<int>(m_toolkit.rnd() * 9));

    if (XTurn && ComPlay && GameOn) {
        if (computerPass(Mark::X, RandomCell)) {
            announce(QStringLiteral("You Win"));
            return;
        }
    }
    if (!XTurn && ComPlay && GameOn) {
        if (computerPass(Mark::O, RandomCell))
            announce(QStringLiteral("You Lose"));
    }
    ComPlay = false;
    FirstMove = false;
}

void Form1::send(Winsock &connection, const QString &text)
{
    SendStr = text;
    connection.SendData(SendStr);
}

void Form1::Image1_Click(int Index)
{
    if (Index < 0 || Index > 8)
        return;

    if (mnusubGame[4]->isChecked()) { // One Player
        if (GameOn && isEmpty(Index) && XTurn) {
            placeMark(Index, X);
            XTurn = false;
            if (YouWin()) {
                announce(QStringLiteral("You Win"));
                return;
            }
            ComPlay = true;
            ComputerMove();
        }
        FirstMove = false;
    } else if (mnusubGame[5]->isChecked()) { // Two Players
        if (!GameOn || !isEmpty(Index))
            return;
        if (XTurn) {
            placeMark(Index, X);
            XTurn = false;
            if (YouWin())
                announce(QStringLiteral("X Win"));
        } else {
            placeMark(Index, O);
            XTurn = true;
            if (YouWin())
                announce(QStringLiteral("O Win"));
        }
    } else if (mnusubGame[8]->isChecked()) { // waiting side, plays X
        if (GameOn && isEmpty(Index) && (XTurn || FirstMove)) {
            placeMark(Index, X);
            send(*wsServer, QString::number(Index));
            XTurn = false;
            if (YouWin())
                announce(QStringLiteral("You Win"));
        }
        FirstMove = false;
    } else if (mnusubGame[9]->isChecked()) { // connecting side, plays O
        if (GameOn && isEmpty(Index) && (!XTurn || FirstMove)) {
            placeMark(Index, O);
            send(*wsClient, QString::number(Index));
            XTurn = true;
            if (YouWin())
                announce(QStringLiteral("You Win"));
        }
        FirstMove = false;
    }
}

void Form1::setModeChecks(int item)
{
    for (int i : {4, 5, 8, 9})
        mnusubGame[i]->setChecked(i == item);
}

void Form1::closeConnections()
{
    wsServer->Close();
    wsListen->Close();
    wsClient->Close();
}

// One Player (with the computer) or Two Players: a fresh board, no
// connections, empty status lines.
void Form1::startLocalMode(int item, bool withComputer)
{
    ClearBoard();
    mnuComMove->setEnabled(withComputer);
    setModeChecks(item);
    ComPlay = withComputer;
    Label1->setText(QString());
    Label2->setText(QString());
    closeConnections();
}

void Form1::mnusubGame_Click(int Index)
{
    switch (Index) {
    case 0: // New
        ClearBoard();
        if (mnusubGame[4]->isChecked()) {
            mnuComMove->setEnabled(true);
        } else if (mnusubGame[8]->isChecked()) {
            send(*wsServer, QStringLiteral("9"));
        } else if (mnusubGame[9]->isChecked()) {
            send(*wsClient, QStringLiteral("9"));
        }
        break;
    case 4: // One Player
        startLocalMode(4, true);
        break;
    case 5: // Two Players
        startLocalMode(5, false);
        break;
    case 8: // Waiting for Connection: this side plays X
        ClearBoard();
        mnuComMove->setEnabled(false);
        setModeChecks(8);
        Label1->setText(GetIPHostName() + QStringLiteral(" Waiting..."));
        Label2->setText(QStringLiteral("IP Address ") + GetIPAddress());
        wsListen->setLocalPort(m_port);
        wsListen->Listen(); // already listening: goes on listening
        FirstData = true;
        break;
    case 9: // Connect to Opponent: this side plays O
        ClearBoard();
        mnuComMove->setEnabled(false);
        setModeChecks(9);
        ConnectIP = inputBox(QStringLiteral("Input IP Address to Connect"), QStringLiteral("0.0.0.0"));
        FirstData = true;
        wsClient->Connect(ConnectIP, m_port); // drops any earlier connection first
        Label1->setText(GetIPHostName() + QStringLiteral(" Connecting"));
        Label2->setText(QString());
        break;
    default: // the separators and the two headings
        break;
    }
}

void Form1::mnuComMove_Click()
{
    if (FirstMove)
        XTurn = false; // the computer opens the game with O
    ComPlay = true;
    ComputerMove();
}

void Form1::mnuAbout_Click()
{
    Form2 about;
    showModal(about);
}

bool Form1::SocketsInitialize()
{
    WSAData data;
    if (m_sockets.WSAStartup(0x0101, data) != 0) {
        messageBox(QStringLiteral("Winsock Not Responting"), Toolkit::Icon::Exclamation,
                             QStringLiteral("ERROR"));
        return false;
    }
    constexpr qint16 minSockets = 1;
    if (data.iMaxSockets < minSockets) {
        messageBox(QStringLiteral("Want Winsock at less = ") + QString::number(minSockets));
        SocketsCeanup(); // the start-up succeeded: release it
        return false;
    }
    const qint32 major = Lobyte(static_cast<qint16>(data.wVersion));
    const qint32 minor = Hibyte(static_cast<qint16>(data.wVersion));
    if (major >= 1 && (major != 1 || minor >= 1))
        return true;
    messageBox(QStringLiteral("Version Sockets = %1.%2Too Lo").arg(major).arg(minor));
    SocketsCeanup(); // the start-up succeeded: release it
    return false;
}

void Form1::SocketsCeanup()
{
    if (m_sockets.WSACleanup() != 0) {
        messageBox(QStringLiteral("Winsock Not Responting"), Toolkit::Icon::Exclamation,
                             QStringLiteral("ERROR"));
    }
}

qint32 Form1::Hibyte(qint16 w)
{
    return (w / 256) & 255; // division truncates toward zero
}

qint32 Form1::Lobyte(qint16 w)
{
    return w & 255;
}

// Fills `buffer` with the zero-terminated host name; tells the player and
// gives false when the system cannot.
bool Form1::readHostName(char (&buffer)[256])
{
    std::fill(std::begin(buffer), std::end(buffer), '\0');
    if (m_sockets.gethostname(buffer, sizeof buffer) == -1) {
        const qint32 code = m_sockets.WSAGetLastError();
        // The number with a blank where a minus sign would stand.
        const QString number = (code >= 0 ? QStringLiteral(" ") : QString()) + QString::number(code);
        messageBox(QStringLiteral("Windows Sockets Error : ") + number);
        return false;
    }
    // A name that fills the whole buffer is cut rather than read past its end.
    buffer[sizeof buffer - 1] = '\0';
    return true;
}

QString Form1::GetIPHostName()
{
    if (!SocketsInitialize())
        return {};
    char buffer[256];
    QString result;
    if (readHostName(buffer)) {
        result = QString::fromLatin1(buffer);
        HostName = result;
    }
    SocketsCeanup();
    return result;
}

QString Form1::GetIPAddress()
{
    if (!SocketsInitialize())
        return {};
    char buffer[256];
    if (!readHostName(buffer)) {
        SocketsCeanup();
        return {};
    }
    const std::optional<HostEntry> host = m_sockets.gethostbyname(buffer);
    if (!host) {
        messageBox(QStringLiteral("Windows Not Responting"), Toolkit::Icon::Exclamation,
                             QStringLiteral("ERROR"));
        SocketsCeanup();
        return {};
    }

    // The first address only, byte by byte in decimal, joined by dots.
    QStringList bytes;
    if (!host->h_addr_list.isEmpty()) {
        const QByteArray &address = host->h_addr_list.first();
        const qsizetype length = std::min<qsizetype>(host->h_length, address.size());
        for (qsizetype i = 0; i < length; ++i)
            bytes.append(QString::number(static_cast<uchar>(address[i])));
    }
    SocketsCeanup();
    return bytes.join(QLatin1Char('.'));
}

// --- Dialogs ---
//
// A dialog runs an event loop of its own, so network data could arrive
// while a handler waits for the player. Such data is held back until the
// last dialog has closed, so that every handler runs to its end on the
// board it started with.

void Form1::messageBox(const QString &text, Toolkit::Icon icon, const QString &title)
{
    ++m_modalDepth;
    m_toolkit.messageBox(text, icon, title);
    leaveModal();
}

QString Form1::inputBox(const QString &prompt, const QString &offered)
{
    ++m_modalDepth;
    const QString text = m_toolkit.inputBox(prompt, offered);
    leaveModal();
    return text;
}

void Form1::showModal(QDialog &dialog)
{
    ++m_modalDepth;
    m_toolkit.showModal(dialog);
    leaveModal();
}

void Form1::leaveModal()
{
    if (--m_modalDepth > 0 || !m_receiveHeldBack)
        return;
    m_receiveHeldBack = false;
    // From the event loop, once the handler that showed the dialog is done.
    wsServer->redeliver();
    wsClient->redeliver();
}

// --- The move exchange ---

void Form1::wsListen_ConnectionRequest(qint32 requestID)
{
    // One opponent at a time: a request that is not accepted is refused.
    if (wsServer->state() == Winsock::State::Connected)
        return;
    ConnRequestID = requestID;
    wsServer->Accept(ConnRequestID);
    FirstData = true; // every connection begins with the opponent's greeting
    wsServer->SendData(HostName);
}

void Form1::wsClient_Connect()
{
    FirstData = true;
    wsClient->SendData(HostName);
}

void Form1::wsServer_DataArrival(qint32)
{
    receive(*wsServer, Mark::O, true);
}

void Form1::wsClient_DataArrival(qint32)
{
    receive(*wsClient, Mark::X, false);
}

namespace {

// The opponent's host name as the status line may show it: printable
// characters only (no control or invisible format characters), at most 255.
QString printableGreeting(const QString &text)
{
    QString result;
    for (QChar c : text) {
        if (c.isPrint())
            result.append(c);
    }
    return result.left(255);
}

} // namespace

void Form1::receive(Winsock &connection, Mark opponentMark, bool xTurnAfterMove)
{
    if (m_modalDepth > 0) {
        m_receiveHeldBack = true;
        return;
    }
    RecvStr = connection.GetData();
    if (FirstData) {
        Label1->setText(HostName + QStringLiteral(" Connected ") + printableGreeting(RecvStr));
        FirstData = false;
        return;
    }
    // After the greeting every message is one character; several may
    // arrive together, and each is handled in turn.
    const QString received = RecvStr;
    for (QChar message : received) {
        if (message == QLatin1Char('9')) {
            ClearBoard();
        } else if (message >= QLatin1Char('0') && message <= QLatin1Char('8')) {
            const int n = message.digitValue();
            if (!isEmpty(n))
                continue; // a move for an occupied cell is dropped
            placeMark(n, opponentMark == Mark::O ? O : X);
            if (YouWin())
                messageBox(QStringLiteral("You Lose"));
            else
                XTurn = xTurnAfterMove;
        }
        // Anything else is no message of the exchange and is ignored.
    }
}
