#pragma once

#include "game/toolkit.h"
#include "rules/winrules.h"

#include <QMainWindow>

#include <array>
#include <memory>

class BoardArea;
class BoardCell;
class QAction;
class QLabel;
class SocketApi;
class Winsock;

// The main window: the board, its picture holders, the two status lines,
// the menus, and the game state that every handler works on.
class Form1 : public QMainWindow
{
    Q_OBJECT

public:
    // The TCP port for network play: 1007 in the program; tests pass 0 so
    // that the system chooses a free one.
    static constexpr quint16 kGamePort = 1007;

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
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    // Indexed as the Game menu's items; index 1 does not exist.
    std::array<QAction *, 10> mnusubGame{};
    QAction *mnuComMove = nullptr;
    QAction *mnuAbout = nullptr;
    Winsock *wsServer = nullptr; // carries the accepted connection (waiting side)
    Winsock *wsListen = nullptr; // listens for the opponent (waiting side)
    Winsock *wsClient = nullptr; // connects to the opponent (connecting side)

    // --- Game state ---
    bool XTurn = false;     // the next mark to be placed is X
    bool GameOn = false;    // the game accepts moves
    bool ComPlay = false;   // the computer may play
    bool FirstMove = false; // no move yet handled on this side in this game
    qint32 ConnRequestID = 0;
    QString SendStr;
    QString RecvStr;
    QString ConnectIP;
    QString HostName;
    bool FirstData = false; // the next data to arrive is the opponent's greeting

    // Finds the first completed line, strikes it and ends the game.
    bool YouWin();

    // --- Local host name and address ---
    QString GetIPHostName();
    bool SocketsInitialize();
    void SocketsCeanup();
    static qint32 Hibyte(qint16 w);
    static qint32 Lobyte(qint16 w);
    QString GetIPAddress();

    // Empties the board; X to move in a fresh game.
    void ClearBoard();
    // Plays for the side whose turn it is; answers an X with an O.
    void ComputerMove();

    // --- Event handlers ---
    void Image1_Click(int Index);
    void mnusubGame_Click(int Index);
    void mnuComMove_Click();
    void mnuAbout_Click();
    void wsListen_ConnectionRequest(qint32 requestID);
    void wsClient_Connect();
    void wsServer_DataArrival(qint32 bytesTotal);
    void wsClient_DataArrival(qint32 bytesTotal);

    // The cell test: what a cell holds, judged by its picture's identity.
    bool holdsX(int cell) const;
    bool holdsO(int cell) const;
    bool isEmpty(int cell) const;
    kelmo::Board board() const;

private:
    void Form_Load();
    void createBoard(BoardArea *area);
    void createMenus();
    void placeMark(int cell, const Picture &picture);
    bool computerPass(kelmo::Mark mover, int randomCell);
    void announce(const QString &text);
    void send(Winsock &connection, const QString &text);
    void setModeChecks(int item);
    void startLocalMode(int item, bool withComputer);
    void closeConnections();
    bool readHostName(char (&buffer)[256]);
    void receive(Winsock &connection, kelmo::Mark opponentMark, bool xTurnAfterMove);
    void messageBox(const QString &text, Toolkit::Icon icon = Toolkit::Icon::None, const QString &title = {});
    QString inputBox(const QString &prompt, const QString &offered);
    void showModal(QDialog &dialog);
    void leaveModal();
    const Picture &strikeHolder(kelmo::Mark mark, kelmo::Stroke stroke) const;

    Toolkit &m_toolkit;
    quint16 m_port;
    std::unique_ptr<SocketApi> m_ownSockets;
    SocketApi &m_sockets;
    int m_modalDepth = 0;          // dialogs of this window now open
    bool m_receiveHeldBack = false; // data arrived while one was open
};
