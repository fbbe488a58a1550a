#include "game/form1.h"

#include "game/boardarea.h"
#include "game/boardcell.h"
#include "game/boardgeometry.h"
#include "game/dialogs.h"
#include "net/hostlookup.h"
#include "net/moveexchange.h"
#include "toolkit/pictures.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>

#include <utility>

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

StatusLabel *createStatusLabel(QWidget *area, const QRect &geometry)
{
    auto *label = new StatusLabel(area);
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
    , m_dialogs(new Dialogs(toolkit, this))
    , m_lookup(new HostLookup(sockets, this))
    , m_network(new MoveExchange(this))
{
    setWindowTitle(kAppTitle);

    createMenus();

    // Wide enough for every menu-bar entry, so none hides behind an
    // overflow arrow; the board stays in the middle of any extra width.
    const int width = std::max(boardgeometry::kClientSize, menuBar()->sizeHint().width());
    auto *area = m_area = new BoardArea(this);
    createBoard(area, width);
    setCentralWidget(area);
    area->setFocus();
    connect(area, &BoardArea::cellChosen, this, &Form1::Image1_Click);
    area->setFixedSize(width, boardgeometry::kClientSize);
    setFixedSize(width, menuBar()->sizeHint().height() + boardgeometry::kClientSize);

    connectNetwork();
    Form_Load();
}

Form1::~Form1()
{
    // Gone before the rest of the window, so that nothing of theirs can
    // reach a handler of a window half taken down.
    delete m_network;
    delete m_lookup;
}

void Form1::setGameDiscovery(GameDiscovery *discovery)
{
    m_network->setGameDiscovery(discovery);
}

void Form1::connectNetwork()
{
    connect(m_dialogs, &Dialogs::firstOpened, m_network, [this] { m_network->holdArrivals(true); });
    connect(m_dialogs, &Dialogs::allClosed, m_network, [this] { m_network->holdArrivals(false); });
    connect(m_lookup, &HostLookup::failed, this, [this](const QString &text, HostLookup::Alert alert) {
        if (alert == HostLookup::Alert::Error)
            m_dialogs->messageBox(text, Toolkit::Icon::Exclamation, tr("ERROR"));
        else
            m_dialogs->messageBox(text);
    });
    connect(m_network, &MoveExchange::ConnectionRequest, this, &Form1::wsListen_ConnectionRequest);
    connect(m_network, &MoveExchange::Connected, this, &Form1::wsClient_Connect);
    connect(m_network, &MoveExchange::opponentGreeted, this, [this](const QString &name) { greeted(name, true); });
    connect(m_network, &MoveExchange::greetingGrew, this, [this](const QString &name) { greeted(name, false); });
    connect(m_network, &MoveExchange::messagesArrived, this, &Form1::opponentSent);
    connect(m_network, &MoveExchange::opponentLeft, this,
            [this](const QString &text) { connectionReport(text, Report::OpponentLeft); });
    connect(m_network, &MoveExchange::notConnected, this,
            [this](const QString &text) { connectionReport(text, Report::NotConnected); });
    connect(m_network, &MoveExchange::failed, this,
            [this](const QString &text) { connectionReport(text, Report::Failure); });
}

void Form1::wsListen_ConnectionRequest(qint32 requestID)
{
    ConnRequestID = requestID;
    m_network->accept(ConnRequestID, m_lookup->hostName());
}

void Form1::wsClient_Connect()
{
    m_network->greet(m_lookup->hostName());
}

void Form1::createBoard(BoardArea *area, int width)
{
    const int margin = (width - boardgeometry::kClientSize) / 2;
    for (int i = 0; i < 9; ++i) {
        auto *cell = new BoardCell(i, area);
        cell->setGeometry(boardgeometry::cellGeometry(i).translated(margin, 0));
        Image1[i] = cell;
        connect(cell, &BoardCell::clicked, this, &Form1::Image1_Click);
    }
    area->setCells(Image1);

    const int extra = width - boardgeometry::kClientSize;
    Label1 = createStatusLabel(area, QRect(8, 0, 153 + extra, 17));
    Label2 = createStatusLabel(area, QRect(8, 152, 161 + extra, 17));
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
        cell->setPicture(&PicEmpty, true);
    m_news.clear();
    XTurn = true;
    GameOn = true;
    FirstMove = true;
    m_lastMover = Mover::Nobody;
}

void Form1::tellNews()
{
    m_area->tell(std::exchange(m_news, {}));
}

QString Form1::takeNews()
{
    QStringList news;
    for (const BoardArea::News &item : std::exchange(m_news, {}))
        news.append(item.text);
    return news.join(QLatin1Char(' '));
}

// The player did something: what the network reports may be told again.
void Form1::playerActed()
{
    m_lossTold = false;
    m_departureTold = false;
    m_outOfStepTold = false;
}

void Form1::connectionReport(const QString &text, Report kind)
{
    switch (kind) {
    case Report::OpponentLeft:
        // The status lines tell at once what is left: the waiting side
        // still waits, the connecting side has no connection.
        if (m_network->role() == MoveExchange::Side::Waiting) {
            showWaiting();
        } else {
            Label1->setText(QString());
            Label2->setText(QString());
        }
        // Told once until the player does something, so that peers coming
        // and going cannot keep the window behind boxes.
        if (std::exchange(m_departureTold, true))
            return;
        break;
    case Report::NotConnected:
        Label1->setText(QString());
        Label2->setText(QString());
        break;
    case Report::OutOfStep:
        if (std::exchange(m_outOfStepTold, true))
            return;
        break;
    case Report::Failure:
        break;
    }
    m_dialogs->report(text);
}
