#pragma once

#include "game/boardarea.h"
#include "game/statuslabel.h"
#include "net/connection.h"
#include "rules/winrules.h"
#include "toolkit/picture.h"
#include "toolkit/toolkit.h"

#include <QMainWindow>

#include <array>

class BoardCell;
class Dialogs;
class GameDiscovery;
class HostLookup;
class MoveExchange;
class QAction;
class QActionGroup;
class SocketApi;

// The main window: the board, its picture holders, the two status lines,
// the menus, and the game state that every handler works on. It owns the
// network side of the game (MoveExchange), the local host look-up
// (HostLookup) and its way to dialogs (Dialogs), drives them and follows
// their signals.
//
// The members are defined by concern: the window and the network's reports
// in form1.cpp, the board and the opponent's messages in board.cpp, the
// player's and the computer's moves in moves.cpp, the menus in menus.cpp.
class Form1 : public QMainWindow
{
    Q_OBJECT

public:
    // The TCP port for network play: 1007 in the program; tests pass 0 so
    // that the system chooses a free one.
    static constexpr quint16 kGamePort = 1007;

    // The Game menu's items, by their index in mnusubGame. Index 1 does not
    // exist; 2 and 6 are separators. The four mode items are also the modes
    // of play.
    enum GameItem : int {
        New = 0,
        NormalModeHeading = 3,
        OnePlayer = 4,
        TwoPlayers = 5,
        NetworkModeHeading = 7,
        WaitingForConnection = 8,
        ConnectToOpponent = 9,
    };
    Q_ENUM(GameItem)

    // `sockets` serves the local host name and address; the system's own
    // when none is given.
    explicit Form1(Toolkit &toolkit, quint16 port = kGamePort, SocketApi *sockets = nullptr,
                   QWidget *parent = nullptr);
    ~Form1() override;

    // --- Picture holders: each picture exists once, and cells share it. ---
    const Picture X;
    const Picture O;
    const Picture PicEmpty;
    const Picture Xrtlb; // X struck along the falling diagonal
    const Picture Xctcb; // X struck vertically
    const Picture Xrblt; // X struck along the rising diagonal
    const Picture Xrmlm; // X struck horizontally
    const Picture Ortlb;
    const Picture Octcb;
    const Picture Orblt;
    const Picture Ormlm;

    // --- Controls ---
    std::array<BoardCell *, 9> Image1{};
    StatusLabel *Label1 = nullptr;
    StatusLabel *Label2 = nullptr;
    std::array<QAction *, 10> mnusubGame{}; // indexed by GameItem
    QAction *mnuComMove = nullptr;
    QAction *mnuAbout = nullptr;

    // --- Game state ---
    bool XTurn = false;     // the next mark to be placed is X
    bool GameOn = false;    // the game accepts moves
    bool ComPlay = false;   // the computer may play
    bool FirstMove = false; // no move yet handled on this side in this game

    // Finds the first completed line, strikes it and ends the game.
    bool YouWin();
    // Empties the board; X to move in a fresh game.
    void ClearBoard();
    // Plays for the side whose turn it is; answers an X with an O.
    void ComputerMove();

    // --- Event handlers ---
    void Image1_Click(int Index);
    void mnusubGame_Click(int Index);
    void mnuComMove_Click();
    void mnuAbout_Click();

    // The mode of play: the checked one of the four mode items.
    GameItem mode() const;

    // What the window is connected through.
    MoveExchange &network() const { return *m_network; }
    HostLookup &hostLookup() const { return *m_lookup; }
    void setGameDiscovery(GameDiscovery *discovery);

    // The cell test: what a cell holds, judged by its picture's identity.
    bool holdsX(int cell) const;
    bool holdsO(int cell) const;
    bool isEmpty(int cell) const;
    kelmo::Board board() const;

    // --- The network's events, where the connection objects' events are
    // handled ---
    // A peer asks to play: take it and greet it.
    void wsListen_ConnectionRequest(qint32 requestID);
    // The host called has answered: greet it.
    void wsClient_Connect();
    // The opponent's moves and New, on the waiting side (the opponent
    // plays O) and on the connecting side (X).
    void wsServer_DataArrival(const QList<PeerMessage> &messages);
    void wsClient_DataArrival(const QList<PeerMessage> &messages);

private:
    // What a report to the player is about.
    enum class Report {
        Failure,      // an operation of a connection object failed
        NotConnected, // the connecting side found no opponent
        OpponentLeft, // an opponent that had greeted us is gone
        OutOfStep,    // the two boards can no longer be the same
    };
    // Who made the last move of the game on this board.
    enum class Mover { Nobody, Us, Opponent };

    // form1.cpp
    void Form_Load();
    void createBoard(BoardArea *area, int width);
    void connectNetwork();
    // What a screen reader is told once the player's action, or the
    // opponent's message, has been handled: the marks placed, in turn, and
    // a draw, which no box tells.
    void tellNews();
    // The news so far, taken to be told by a box.
    QString takeNews();
    // board.cpp
    void placeMark(int cell, const Picture &picture);
    const Picture &holderOf(kelmo::Mark mark) const;
    const Picture &strikeHolder(kelmo::Mark mark, kelmo::Stroke stroke) const;
    void greeted(const QString &name, bool first);
    void opponentSent(const QList<PeerMessage> &messages);
    void opponentMoved(const QList<PeerMessage> &messages, kelmo::Mark opponent);
    bool placeOpponentMove(int cell, kelmo::Mark opponent);
    // moves.cpp
    void networkClick(int Index, kelmo::Mark own);
    bool computerPass(kelmo::Mark mover, int randomCell);
    void announce(const QString &text);
    // menus.cpp
    void createMenus();
    void startLocalMode(GameItem item, bool withComputer);
    void showWaiting();
    QString chooseOpponent();
    // form1.cpp: what the network side reports, told once until the player
    // next does something.
    void playerActed();
    void connectionReport(const QString &text, Report kind);

    Toolkit &m_toolkit;
    quint16 m_port;
    Dialogs *m_dialogs;
    HostLookup *m_lookup;
    MoveExchange *m_network;
    QActionGroup *m_modes = nullptr; // the four mode items, one checked
    QString ConnectIP;         // the opponent's address as typed
    qint32 ConnRequestID = 0;  // the last connection request taken
    Mover m_lastMover = Mover::Nobody;
    BoardArea *m_area = nullptr;
    QList<BoardArea::News> m_news; // what the handling of an event has changed so far
    QString m_waitingHost;        // the host name shown while waiting for an opponent
    QAction *m_modeBefore = nullptr; // the mode item a choice has just unchecked
    // What came from the network since the player last acted, and is not
    // told again until then.
    bool m_lossTold = false;      // "You Lose"
    bool m_departureTold = false; // an opponent's leaving
    bool m_outOfStepTold = false; // the boards out of step
};
