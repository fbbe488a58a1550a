// The Game menu, ComMove and About.

#include "game/form1.h"

#include "about/form2.h"
#include "game/dialogs.h"
#include "net/gamediscovery.h"
#include "net/hostlookup.h"
#include "net/moveexchange.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include <utility>

void Form1::createMenus()
{
    menuBar()->setNativeMenuBar(false); // the bar belongs in the window

    QMenu *mnuGame = menuBar()->addMenu(tr("&Game"));
    mnusubGame[New] = mnuGame->addAction(tr("&New"));
    // F2 as ever, and the desktop's usual Ctrl+N as well.
    mnusubGame[New]->setShortcuts({QKeySequence(Qt::Key_F2), QKeySequence(Qt::CTRL | Qt::Key_N)});
    mnusubGame[2] = mnuGame->addSeparator();
    mnusubGame[NormalModeHeading] = mnuGame->addAction(tr("Normal Mode"));
    // The leading blanks indent the modes under their headings.
    mnusubGame[OnePlayer] = mnuGame->addAction(tr("  One Player"));
    mnusubGame[TwoPlayers] = mnuGame->addAction(tr("  Two Players"));
    mnusubGame[6] = mnuGame->addSeparator();
    mnusubGame[NetworkModeHeading] = mnuGame->addAction(tr("Network Mode"));
    mnusubGame[WaitingForConnection] = mnuGame->addAction(tr("  Waiting for Connection"));
    mnusubGame[ConnectToOpponent] = mnuGame->addAction(tr("  Connect to Opponent"));
    // Exactly one mode is checked at any time. An item checks itself as it
    // is chosen, before its handler runs; the one it took the check from is
    // remembered, to get it back when the mode cannot start.
    m_modes = new QActionGroup(this);
    for (GameItem item : {OnePlayer, TwoPlayers, WaitingForConnection, ConnectToOpponent}) {
        QAction *action = mnusubGame[item];
        action->setCheckable(true);
        action->setData(item);
        m_modes->addAction(action);
        connect(action, &QAction::toggled, this, [this, action](bool checked) {
            if (!checked)
                m_modeBefore = action;
        });
    }
    mnusubGame[OnePlayer]->setChecked(true);

    for (int i = 0; i < 10; ++i) {
        if (mnusubGame[i] && !mnusubGame[i]->isSeparator())
            connect(mnusubGame[i], &QAction::triggered, this, [this, i] { mnusubGame_Click(i); });
    }

    mnuComMove = menuBar()->addAction(tr("&ComMove"));
    connect(mnuComMove, &QAction::triggered, this, &Form1::mnuComMove_Click);
    mnuAbout = menuBar()->addAction(tr("&About"));
    connect(mnuAbout, &QAction::triggered, this, &Form1::mnuAbout_Click);

    // The desktop's usual Ctrl+Q quits; it belongs to the window, not to a
    // menu.
    auto *quit = new QAction(this);
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    quit->setShortcutContext(Qt::WindowShortcut);
    connect(quit, &QAction::triggered, this, &QWidget::close);
    addAction(quit);
}

Form1::GameItem Form1::mode() const
{
    return static_cast<GameItem>(m_modes->checkedAction()->data().toInt());
}

// One Player (with the computer) or Two Players: a fresh board, no
// connections, empty status lines.
void Form1::startLocalMode(GameItem item, bool withComputer)
{
    ClearBoard();
    mnuComMove->setEnabled(withComputer);
    mnusubGame[item]->setChecked(true); // the group unchecks the others
    ComPlay = withComputer;
    Label1->setText(QString());
    Label2->setText(QString());
    m_lookup->cancelAddressLookup();
    m_network->stopNetwork();
}

// The top line while waiting for an opponent.
void Form1::showWaiting()
{
    Label1->setSentence(tr("%1 Waiting..."), m_waitingHost);
}

void Form1::mnusubGame_Click(int Index)
{
    playerActed();
    QAction *const modeBefore = std::exchange(m_modeBefore, nullptr);
    switch (Index) {
    case New:
        ClearBoard();
        if (mode() == OnePlayer)
            mnuComMove->setEnabled(true);
        else
            m_network->sendNewGame(); // nobody to tell outside network play
        break;
    case OnePlayer:
        startLocalMode(OnePlayer, true);
        break;
    case TwoPlayers:
        startLocalMode(TwoPlayers, false);
        break;
    case WaitingForConnection: { // this side plays X
        // When nothing can listen (the network says why), the mode stays as
        // it was, with its game and its opponent.
        if (!m_network->startWaiting(m_port)) {
            if (modeBefore)
                modeBefore->setChecked(true);
            break;
        }
        ClearBoard();
        mnuComMove->setEnabled(false);
        mnusubGame[WaitingForConnection]->setChecked(true);
        const QString hostName = m_lookup->GetIPHostName();
        m_waitingHost = hostName;
        showWaiting();
        Label2->setText(QString());
        m_network->announceWaitingGame(hostName);
        m_lookup->GetIPAddress([this](const QString &address) { Label2->setText(tr("IP Address %1").arg(address)); });
        break;
    }
    case ConnectToOpponent: { // this side plays O
        // Whatever the earlier mode had open goes now, before the player is
        // asked for an address.
        m_lookup->cancelAddressLookup();
        m_network->stopNetwork();
        ClearBoard();
        mnuComMove->setEnabled(false);
        mnusubGame[ConnectToOpponent]->setChecked(true);
        Label1->setText(QString());
        Label2->setText(QString());
        ConnectIP = chooseOpponent();
        if (ConnectIP.trimmed().isEmpty()) {
            // Cancelled: back, without a word, to the mode chosen before,
            // started afresh; from Connect to Opponent itself, to the mode
            // at start.
            m_modeBefore = nullptr;
            (modeBefore ? modeBefore : mnusubGame[OnePlayer])->trigger();
            return;
        }
        // The greeting is this host's name: known before the connection can
        // complete.
        const QString host = m_lookup->GetIPHostName();
        m_network->startConnecting(ConnectIP, m_port);
        Label1->setSentence(tr("%1 Connecting"), host);
        break;
    }
    default: // the separators and the two headings
        break;
    }
    m_modeBefore = nullptr;
}

// Asks for the opponent's address. While the box is open, the games found
// on the local network are listed in it, each by its name and address;
// with exactly one found, its address is the text offered.
QString Form1::chooseOpponent()
{
    const QString prompt = tr("Input IP Address to Connect");
    const QString nothingFound = QStringLiteral("0.0.0.0");
    GameDiscovery *discovery = m_network->gameDiscovery();
    if (!discovery)
        return m_dialogs->inputBox(prompt, nothingFound);
    InputChoices choices;
    choices.listName = tr("Games found on the local network");
    choices.nameHeading = tr("Game");
    choices.textHeading = tr("Address");
    const auto offer = [&] {
        QList<InputEntry> entries;
        for (const FoundGame &game : discovery->games())
            entries.append({game.name, game.address});
        choices.set(entries, entries.size() == 1 ? entries.first().text : nothingFound);
    };
    QObject::connect(discovery, &GameDiscovery::gamesChanged, &choices, offer);
    discovery->startBrowsing();
    offer();
    const QString answer = m_dialogs->inputBox(prompt, choices.offered(), &choices);
    discovery->stopBrowsing();
    return answer;
}

void Form1::mnuComMove_Click()
{
    playerActed();
    if (FirstMove)
        XTurn = false; // the computer opens the game with O
    ComPlay = true;
    ComputerMove();
    tellNews();
}

void Form1::mnuAbout_Click()
{
    Form2 about;
    m_dialogs->showModal(about);
}
