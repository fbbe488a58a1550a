#pragma once

#include "game/boardarea.h"
#include "game/statuslabel.h"
#include "net/moveexchange.h"
#include "rules/winrules.h"
#include "toolkit/picture.h"
#include "toolkit/toolkit.h"

#include <QMainWindow>

#include <array>

class BoardCell;
class QAction;

// The main window: the board, its picture holders, the two status lines,
// the menus, and the game state that every handler works on. The
// connection objects, the host look-up and the network state come from
// MoveExchange.
//
// The members are defined by concern: the window and board in form1.cpp,
// how marks reach the board (clicks, the computer, the opponent) in
// moves.cpp, the menus in menus.cpp, the dialogs in dialogs.cpp.
class Form1 : public QMainWindow, public MoveExchange
{
    Q_OBJECT

public:
    // The TCP port for network play: 1007 in the program; tests pass 0 so
    // that the system chooses a free one.
    static constexpr quint16 kGamePort = 1007;

    // The Game menu's items, by their index in mnusubGame. Index 1 does not
    // exist; 2 and 6 are separators.
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
    // The mode of play, which only the Game menu's checkmarks record.
    enum class Mode { OnePlayer, TwoPlayers, Waiting, Connecting, None };

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

    // The checked mode item, read in the order One Player, Two Players,
    // Waiting for Connection, Connect to Opponent.
    Mode mode() const;

    // The cell test: what a cell holds, judged by its picture's identity.
    bool holdsX(int cell) const;
    bool holdsO(int cell) const;
    bool isEmpty(int cell) const;
    kelmo::Board board() const;

protected:
    Outcome applyPeerMessage(const PeerMessage &message, Side side) override;
    bool arrivalsHeldBack() const override;
    void connectionReport(const QString &text, Report kind) override;
    void lookupMessage(const QString &text, Alert alert) override;

private:
    class DialogScope;

    // form1.cpp
    void Form_Load();
    void createBoard(BoardArea *area, int width);
    void placeMark(int cell, const Picture &picture);
    // What a screen reader is told once the player's action, or the
    // opponent's message, has been handled: the marks placed, in turn, and
    // a draw, which no box tells.
    void tellNews();
    // The news so far, taken to be told by a box.
    QString takeNews();
    const Picture &holderOf(kelmo::Mark mark) const;
    const Picture &strikeHolder(kelmo::Mark mark, kelmo::Stroke stroke) const;
    // moves.cpp
    void networkClick(int Index, Side side);
    bool computerPass(kelmo::Mark mover, int randomCell);
    void announce(const QString &text);
    // menus.cpp
    void createMenus();
    void setModeChecks(GameItem item);
    void startLocalMode(GameItem item, bool withComputer);
    void showWaiting();
    QString chooseOpponent();
    // dialogs.cpp
    void messageBox(const QString &text, Toolkit::Icon icon = Toolkit::Icon::None, const QString &title = {},
                    const QString &news = {});
    QString inputBox(const QString &prompt, const QString &offered, const InputChoices *choices = nullptr);
    void showModal(QDialog &dialog);
    void showReports();
    void playerActed();

    Toolkit &m_toolkit;
    quint16 m_port;
    BoardArea *m_area = nullptr;
    QList<BoardArea::News> m_news; // what the handling of an event has changed so far
    QString m_waitingHost;        // the host name shown while waiting for an opponent
    QAction *m_modeBefore = nullptr; // the mode item a choice has just unchecked
    int m_openDialogs = 0;        // dialogs of this window now open
    QStringList m_reports;        // connection reports not yet dismissed, the first one showing
    // What came from the network since the player last acted, and is not
    // told again until then.
    bool m_lossTold = false;      // "You Lose"
    bool m_departureTold = false; // an opponent's leaving
    bool m_outOfStepTold = false; // the boards out of step
};
