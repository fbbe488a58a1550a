// The player's clicks and the computer's moves.

#include "game/form1.h"

#include "computer/computerplayer.h"
#include "game/boardarea.h"
#include "game/dialogs.h"
#include "net/moveexchange.h"

#include <QAction>

#include <utility>

using kelmo::Mark;

void Form1::announce(const QString &text)
{
    m_dialogs->messageBox(text, Toolkit::Icon::None, {}, takeNews());
    mnuComMove->setEnabled(false);
}

void Form1::Image1_Click(int Index)
{
    if (Index < 0 || Index > 8)
        return;
    playerActed();

    switch (mode()) {
    case OnePlayer:
        if (GameOn && isEmpty(Index) && XTurn) {
            placeMark(Index, X);
            XTurn = false;
            if (YouWin()) {
                announce(tr("You Win"));
                return;
            }
            ComPlay = true;
            ComputerMove();
        }
        FirstMove = false;
        break;
    case TwoPlayers:
        if (!GameOn || !isEmpty(Index))
            return;
        if (XTurn) {
            placeMark(Index, X);
            XTurn = false;
            if (YouWin())
                announce(tr("X Win"));
        } else {
            placeMark(Index, O);
            XTurn = true;
            if (YouWin())
                announce(tr("O Win"));
        }
        break;
    case WaitingForConnection:
        networkClick(Index, Mark::X);
        break;
    case ConnectToOpponent:
        networkClick(Index, Mark::O);
        break;
    default:
        break;
    }
    tellNews();
}

// The waiting side plays X, the connecting side O. A side may place its
// mark on its own turn, or as the first move it makes in a game; the move
// goes to the opponent before the win check, so the opponent finds the win
// on its own board. Without an opponent nothing is placed: the boards of
// the two copies start together when one greets the other.
void Form1::networkClick(int Index, Mark own)
{
    if (!m_network->opponentPresent()) {
        m_dialogs->messageBox(tr("No opponent is connected yet."));
        return;
    }
    const bool ownTurn = XTurn == (own == Mark::X);
    if (GameOn && isEmpty(Index) && (ownTurn || FirstMove)) {
        placeMark(Index, holderOf(own));
        m_network->sendMove(Index);
        m_lastMover = Mover::Us;
        XTurn = own == Mark::O;
        if (YouWin())
            announce(tr("You Win"));
    }
    FirstMove = false;
}

// One pass of the computer: at most one mark for `mover`. True when a
// completed line now stands.
bool Form1::computerPass(Mark mover, int randomCell)
{
    if (const auto cell = kelmo::chooseCell(board(), mover, randomCell)) {
        placeMark(*cell, holderOf(mover));
    }
    XTurn = mover == Mark::O;
    return YouWin();
}

void Form1::ComputerMove()
{
    // Exactly one draw per call, before any flag is looked at.
    const int RandomCell = std::min(8, static_cast<int>(m_toolkit.rnd() * 9));

    if (XTurn && ComPlay && GameOn) {
        if (computerPass(Mark::X, RandomCell)) {
            announce(tr("You Win"));
            return;
        }
    }
    if (!XTurn && ComPlay && GameOn) {
        if (computerPass(Mark::O, RandomCell))
            announce(tr("You Lose"));
    }
    ComPlay = false;
    FirstMove = false;
}
