#include "game/form1.h"

#include "game/boardarea.h"
#include "game/boardcell.h"
#include "game/boardgeometry.h"
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
    , MoveExchange(this, sockets)
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

    Form_Load();
}

Form1::~Form1() = default;

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
    Image1[cell]->setPicture(&picture, &picture == &PicEmpty);
    if (&picture == &X || &picture == &O)
        m_news.append({cell, tr("%1, %2.").arg(picture.description(), Image1[cell]->place())});
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

const Picture &Form1::holderOf(Mark mark) const
{
    return mark == Mark::X ? X : O;
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
    const kelmo::Board cells = board();
    const auto win = kelmo::findWin(cells);
    if (!win) {
        // A full board is no end of the game, but a screen reader hears it.
        const QString draw = tr("The board is full: a draw.");
        const bool told = std::any_of(m_news.begin(), m_news.end(), [&](const auto &item) { return item.text == draw; });
        if (GameOn && std::find(cells.begin(), cells.end(), Mark::Empty) == cells.end() && !told)
            m_news.append({-1, draw});
        return false;
    }
    const Picture &struck = strikeHolder(win->mark, win->stroke);
    for (int cell : win->cells)
        placeMark(cell, struck);
    GameOn = false;
    return true;
}
