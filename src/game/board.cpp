// The board as its pictures: what a cell holds, placing a mark, the win
// check; and what the opponent's messages do to it.

#include "game/form1.h"

#include "game/boardcell.h"
#include "game/dialogs.h"
#include "net/hostlookup.h"
#include "net/moveexchange.h"

#include <algorithm>
#include <utility>

using kelmo::Mark;
using kelmo::Stroke;

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

// The opponent's greeting: a new opponent starts both boards empty; more of
// a greeting that came split only completes the name.
void Form1::greeted(const QString &name, bool first)
{
    if (first)
        ClearBoard();
    Label1->setSentence(tr("%1 Connected %2"), m_lookup->hostName(), name);
    tellNews();
}

// The moves and New of one arrival go to the handler of the present
// role's connection object: wsServer on the waiting side, wsClient on the
// connecting side.
void Form1::opponentSent(const QList<PeerMessage> &messages)
{
    if (m_network->role() == MoveExchange::Side::Waiting)
        wsServer_DataArrival(messages);
    else
        wsClient_DataArrival(messages);
}

void Form1::wsServer_DataArrival(const QList<PeerMessage> &messages)
{
    opponentMoved(messages, Mark::O);
}

void Form1::wsClient_DataArrival(const QList<PeerMessage> &messages)
{
    opponentMoved(messages, Mark::X);
}

// The opponent's moves and New, in order. A copy of the game moves only on
// its turn: a second move with none of ours in between, or one for a cell
// we have filled, means that moves crossed on the way and the boards
// differ. A game ends at most once per arrival: the rest of it is dropped,
// so that no burst of games can pile up results for the player.
void Form1::opponentMoved(const QList<PeerMessage> &messages, Mark opponent)
{
    for (const PeerMessage &message : messages) {
        if (message.kind == PeerMessage::Kind::NewGame) {
            ClearBoard();
            tellNews();
            continue;
        }
        if (message.kind != PeerMessage::Kind::Move)
            continue;
        const bool movedTwice = m_lastMover == Mover::Opponent;
        const bool cellTaken = !isEmpty(message.cell);
        const bool gameEnded = !cellTaken && placeOpponentMove(message.cell, opponent);
        if (!cellTaken)
            m_lastMover = Mover::Opponent;
        if (movedTwice || cellTaken)
            connectionReport(tr("The two boards are out of step. Choose New to start again on both."),
                             Report::OutOfStep);
        if (gameEnded)
            return;
    }
}

// Places the opponent's mark, which neither GameOn nor the turn stops:
// whose turn it is is the sender's to enforce. True when it completes a
// line.
//
// A copy of the game cannot complete two lines here without a move of this
// player's in between, so a second loss before the player has done
// anything comes from no real opponent: it is struck on the board, but not
// announced again.
bool Form1::placeOpponentMove(int cell, Mark opponent)
{
    placeMark(cell, holderOf(opponent));
    if (!YouWin()) {
        XTurn = opponent == Mark::O;
        tellNews();
        return false;
    }
    if (std::exchange(m_lossTold, true)) {
        m_news.append({-1, tr("You Lose")});
        tellNews();
    } else {
        m_dialogs->messageBox(tr("You Lose"), Toolkit::Icon::None, {}, takeNews());
    }
    return true;
}
