// Every way a mark reaches the board: the player's click, the computer's
// move, and the opponent's messages over the network.

#include "game/form1.h"

#include "computer/computerplayer.h"
#include "game/boardarea.h"

#include <QAction>

#include <utility>

using kelmo::Mark;

void Form1::announce(const QString &text)
{
    messageBox(text, Toolkit::Icon::None, {}, takeNews());
    mnuComMove->setEnabled(false);
}

void Form1::Image1_Click(int Index)
{
    if (Index < 0 || Index > 8)
        return;
    playerActed();

    switch (mode()) {
    case Mode::OnePlayer:
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
    case Mode::TwoPlayers:
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
    case Mode::Waiting:
        networkClick(Index, Side::Waiting);
        break;
    case Mode::Connecting:
        networkClick(Index, Side::Connecting);
        break;
    case Mode::None:
        break;
    }
    tellNews();
}

// The waiting side plays X, the connecting side O. A side may place its
// mark on its own turn, or as the first move it makes in a game; the move
// goes to the opponent before the win check, so the opponent finds the win
// on its own board. Without an opponent nothing is placed: the boards of
// the two copies start together when one greets the other.
void Form1::networkClick(int Index, Side side)
{
    if (!opponentPresent()) {
        messageBox(tr("No opponent is connected yet."));
        return;
    }
    const Mark own = side == Side::Waiting ? Mark::X : Mark::O;
    const bool ownTurn = XTurn == (own == Mark::X);
    if (GameOn && isEmpty(Index) && (ownTurn || FirstMove)) {
        placeMark(Index, holderOf(own));
        sendMove(Index);
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

// The opponent's greeting, move or New. The receiving side checks neither
// GameOn nor the turn: whose turn it is is the sender's to enforce.
//
// A copy of the game cannot complete two lines here without a move of this
// player's in between, so a second loss before the player has done
// anything comes from no real opponent: it is struck on the board, but not
// announced again.
MoveExchange::Outcome Form1::applyPeerMessage(const PeerMessage &message, Side side)
{
    switch (message.kind) {
    case PeerMessage::Kind::Greeting:
        // A new opponent: both boards start empty.
        ClearBoard();
        Label1->setSentence(tr("%1 Connected %2"), HostName, message.text);
        break;
    case PeerMessage::Kind::GreetingContinued:
        Label1->setSentence(tr("%1 Connected %2"), HostName, message.text);
        break;
    case PeerMessage::Kind::NewGame:
        ClearBoard();
        break;
    case PeerMessage::Kind::Move:
        if (!isEmpty(message.cell))
            return Outcome::CellTaken;
        placeMark(message.cell, side == Side::Waiting ? O : X);
        if (!YouWin()) {
            XTurn = side == Side::Waiting;
            break;
        }
        if (const bool toldBefore = std::exchange(m_lossTold, true); toldBefore) {
            m_news.append({-1, tr("You Lose")});
            tellNews();
        } else {
            messageBox(tr("You Lose"), Toolkit::Icon::None, {}, takeNews());
        }
        return Outcome::GameEnded;
    case PeerMessage::Kind::Ignored:
        break;
    }
    tellNews();
    return Outcome::Applied;
}
