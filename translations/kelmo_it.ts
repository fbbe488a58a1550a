<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>BoardArea</name>
    <message>
        <source>Board</source>
        <translation>Griglia</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Gioco</translation>
    </message>
</context>
<context>
    <name>BoardCell</name>
    <message>
        <source>Top left</source>
        <translation>In alto a sinistra</translation>
    </message>
    <message>
        <source>Top centre</source>
        <translation>In alto al centro</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>In alto a destra</translation>
    </message>
    <message>
        <source>Middle left</source>
        <translation>Al centro a sinistra</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Middle right</source>
        <translation>Al centro a destra</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>In basso a sinistra</translation>
    </message>
    <message>
        <source>Bottom centre</source>
        <translation>In basso al centro</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>In basso a destra</translation>
    </message>
    <message>
        <source>Row %1, column %2. Press %3 to play here.</source>
        <translation>Riga %1, colonna %2. Premi %3 per giocare qui.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Row %1, column %2.</source>
        <translation>Riga %1, colonna %2.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Noughts and crosses for one or two players, or over the network.
Kelmo also takes the options common to Qt programs, such as -platform and -style.</source>
        <translation>Tris per uno o due giocatori, o in rete.
Kelmo accetta anche le opzioni comuni ai programmi Qt, come -platform e -style.</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Mostra questo aiuto ed esce.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>Mostra la versione ed esce.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argomento inatteso «%1».</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2
Usa «%1 --help» per maggiori informazioni.
</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Uso: %1 [opzioni]</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>The two boards are out of step. Choose New to start again on both.</source>
        <translation>Le due griglie non sono più allineate. Scegli «Nuova partita» per ricominciare su entrambe.</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERRORE</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>O</source>
        <translation>O</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vuota</translation>
    </message>
    <message>
        <source>X, struck</source>
        <translation>X, barrata</translation>
    </message>
    <message>
        <source>O, struck</source>
        <translation>O, barrata</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partita</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <source>Normal Mode</source>
        <translation>Modalità normale</translation>
    </message>
    <message>
        <source>  One Player</source>
        <translation>  Un giocatore</translation>
    </message>
    <message>
        <source>  Two Players</source>
        <translation>  Due giocatori</translation>
    </message>
    <message>
        <source>Network Mode</source>
        <translation>Modalità di rete</translation>
    </message>
    <message>
        <source>  Waiting for Connection</source>
        <translation>  Attendi una connessione</translation>
    </message>
    <message>
        <source>  Connect to Opponent</source>
        <translation>  Connettiti a un avversario</translation>
    </message>
    <message>
        <source>&amp;ComMove</source>
        <translation>&amp;Mossa del computer</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>Input IP Address to Connect</source>
        <translation>Inserisci l&apos;indirizzo IP a cui connetterti</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Hai vinto</translation>
    </message>
    <message>
        <source>X Win</source>
        <translation>Vince X</translation>
    </message>
    <message>
        <source>O Win</source>
        <translation>Vince O</translation>
    </message>
    <message>
        <source>No opponent is connected yet.</source>
        <translation>Nessun avversario è ancora connesso.</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>Hai perso</translation>
    </message>
    <message>
        <source>The board is full: a draw.</source>
        <translation>La griglia è piena: pareggio.</translation>
    </message>
    <message>
        <source>Games found on the local network</source>
        <translation>Partite trovate sulla rete locale</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partita</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Indirizzo</translation>
    </message>
    <message>
        <source>%1 Connected %2</source>
        <translation>%1 connesso a %2</translation>
    </message>
    <message>
        <source>%1 Waiting...</source>
        <translation>%1 in attesa...</translation>
    </message>
    <message>
        <source>IP Address %1</source>
        <translation>Indirizzo IP %1</translation>
    </message>
    <message>
        <source>%1 Connecting</source>
        <translation>%1 connessione in corso</translation>
    </message>
    <message>
        <source>%1, %2.</source>
        <translation>%1, %2.</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>About %1</source>
        <translation>Informazioni su %1</translation>
    </message>
    <message>
        <source>BY : The Kelmo developers</source>
        <translation>AUTORI: Gli sviluppatori di Kelmo</translation>
    </message>
    <message>
        <source>E-MAIL : kelmo@example.org</source>
        <translation>E-MAIL: kelmo@example.org</translation>
    </message>
    <message>
        <source>URL : kelmo.example.org</source>
        <translation>URL: kelmo.example.org</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>HostLookup</name>
    <message>
        <source>Winsock Not Responting</source>
        <translation>Winsock non risponde</translation>
    </message>
    <message>
        <source>Version Sockets = %1.%2Too Lo</source>
        <translation>Versione dei socket = %1.%2, troppo bassa</translation>
    </message>
    <message>
        <source>Windows Not Responting</source>
        <translation>Windows non risponde</translation>
    </message>
    <message>
        <source>Want Winsock at less = %1</source>
        <translation>Winsock richiesto, almeno = %1</translation>
    </message>
    <message>
        <source>Windows Sockets Error : %1</source>
        <translation>Errore di Windows Sockets: %1</translation>
    </message>
</context>
<context>
    <name>MoveExchange</name>
    <message>
        <source>No greeting came from %1 within %2 second: it is busy with another game, or is not a Kelmo game.</source>
        <translation>Nessun saluto ricevuto da %1 entro %2 secondo: è impegnato in un&apos;altra partita oppure non è un gioco Kelmo.</translation>
    </message>
    <message>
        <source>No greeting came from %1 within %2 seconds: it is busy with another game, or is not a Kelmo game.</source>
        <translation>Nessun saluto ricevuto da %1 entro %2 secondi: è impegnato in un&apos;altra partita oppure non è un gioco Kelmo.</translation>
    </message>
    <message>
        <source>%1 is busy with another game, or is not a Kelmo game.</source>
        <translation>%1 è impegnato in un&apos;altra partita oppure non è un gioco Kelmo.</translation>
    </message>
    <message>
        <source>The opponent has left the game.</source>
        <translation>L&apos;avversario ha lasciato la partita.</translation>
    </message>
    <message>
        <source>The connection to the opponent was lost: %1.</source>
        <translation>La connessione con l&apos;avversario è stata persa: %1.</translation>
    </message>
</context>
<context>
    <name>Winsock</name>
    <message>
        <source>Cannot accept the connection: request %1 is not waiting.</source>
        <translation>Impossibile accettare la connessione: la richiesta %1 non è in attesa.</translation>
    </message>
    <message>
        <source>Cannot connect to an opponent: no address was given.</source>
        <translation>Impossibile connettersi a un avversario: non è stato indicato alcun indirizzo.</translation>
    </message>
    <message>
        <source>Cannot connect to %1: that is not a valid address.</source>
        <translation>Impossibile connettersi a %1: non è un indirizzo valido.</translation>
    </message>
    <message>
        <source>Cannot connect to %1: no answer within %2 second.</source>
        <translation>Impossibile connettersi a %1: nessuna risposta entro %2 secondo.</translation>
    </message>
    <message>
        <source>Cannot connect to %1: no answer within %2 seconds.</source>
        <translation>Impossibile connettersi a %1: nessuna risposta entro %2 secondi.</translation>
    </message>
    <message>
        <source>Cannot connect to %1: %2.</source>
        <translation>Impossibile connettersi a %1: %2.</translation>
    </message>
    <message>
        <source>The move was not sent: no opponent is connected.</source>
        <translation>La mossa non è stata inviata: nessun avversario è connesso.</translation>
    </message>
    <message>
        <source>The move was not sent: %1.</source>
        <translation>La mossa non è stata inviata: %1.</translation>
    </message>
    <message>
        <source>Cannot wait for an opponent on port %1: %2.</source>
        <translation>Impossibile attendere un avversario sulla porta %1: %2.</translation>
    </message>
    <message>
        <source>Cannot wait for an opponent on port %1: ports below 1024 may only be used by programs with the CAP_NET_BIND_SERVICE capability (%2).

To grant it to Kelmo, run once:
sudo setcap cap_net_bind_service=+ep %3

Or let every program use ports from %1 up:
sudo sysctl net.ipv4.ip_unprivileged_port_start=%1</source>
        <translation>Impossibile attendere un avversario sulla porta %1: le porte inferiori a 1024 possono essere usate solo dai programmi con la capacità CAP_NET_BIND_SERVICE (%2).

Per concederla a Kelmo, esegui una volta:
sudo setcap cap_net_bind_service=+ep %3

Oppure consenti a tutti i programmi di usare le porte da %1 in su:
sudo sysctl net.ipv4.ip_unprivileged_port_start=%1</translation>
    </message>
</context>
</TS>
