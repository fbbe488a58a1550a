<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BoardArea</name>
    <message>
        <source>Board</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
</context>
<context>
    <name>BoardCell</name>
    <message>
        <source>Top left</source>
        <translation>Oben links</translation>
    </message>
    <message>
        <source>Top centre</source>
        <translation>Oben Mitte</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>Oben rechts</translation>
    </message>
    <message>
        <source>Middle left</source>
        <translation>Mitte links</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>Middle right</source>
        <translation>Mitte rechts</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>Unten links</translation>
    </message>
    <message>
        <source>Bottom centre</source>
        <translation>Unten Mitte</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>Unten rechts</translation>
    </message>
    <message>
        <source>Row %1, column %2. Press %3 to play here.</source>
        <translation>Zeile %1, Spalte %2. Drücken Sie %3, um hier zu spielen.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Row %1, column %2.</source>
        <translation>Zeile %1, Spalte %2.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Noughts and crosses for one or two players, or over the network.
Kelmo also takes the options common to Qt programs, such as -platform and -style.</source>
        <translation>Tic-Tac-Toe für einen oder zwei Spieler oder über das Netzwerk.
Kelmo akzeptiert auch die bei Qt-Programmen üblichen Optionen wie -platform und -style.</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Zeigt diese Hilfe an und beendet das Programm.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>Zeigt die Version an und beendet das Programm.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2
Geben Sie „%1 --help“ ein, um weitere Informationen zu erhalten.
</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Aufruf: %1 [Optionen]</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>The two boards are out of step. Choose New to start again on both.</source>
        <translation>Die beiden Spielfelder sind nicht mehr synchron. Wählen Sie „Neu“, um auf beiden neu zu beginnen.</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>FEHLER</translation>
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
        <translation>leer</translation>
    </message>
    <message>
        <source>X, struck</source>
        <translation>X, durchgestrichen</translation>
    </message>
    <message>
        <source>O, struck</source>
        <translation>O, durchgestrichen</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Normal Mode</source>
        <translation>Normaler Modus</translation>
    </message>
    <message>
        <source>  One Player</source>
        <translation>  Ein Spieler</translation>
    </message>
    <message>
        <source>  Two Players</source>
        <translation>  Zwei Spieler</translation>
    </message>
    <message>
        <source>Network Mode</source>
        <translation>Netzwerkmodus</translation>
    </message>
    <message>
        <source>  Waiting for Connection</source>
        <translation>  Auf Verbindung warten</translation>
    </message>
    <message>
        <source>  Connect to Opponent</source>
        <translation>  Mit Gegner verbinden</translation>
    </message>
    <message>
        <source>&amp;ComMove</source>
        <translation>&amp;Computerzug</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Input IP Address to Connect</source>
        <translation>IP-Adresse zum Verbinden eingeben</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Sie haben gewonnen</translation>
    </message>
    <message>
        <source>X Win</source>
        <translation>X gewinnt</translation>
    </message>
    <message>
        <source>O Win</source>
        <translation>O gewinnt</translation>
    </message>
    <message>
        <source>No opponent is connected yet.</source>
        <translation>Es ist noch kein Gegner verbunden.</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>Sie haben verloren</translation>
    </message>
    <message>
        <source>The board is full: a draw.</source>
        <translation>Das Spielfeld ist voll: Unentschieden.</translation>
    </message>
    <message>
        <source>Games found on the local network</source>
        <translation>Im lokalen Netz gefundene Spiele</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>%1 Connected %2</source>
        <translation>%1 verbunden mit %2</translation>
    </message>
    <message>
        <source>%1 Waiting...</source>
        <translation>%1 wartet ...</translation>
    </message>
    <message>
        <source>IP Address %1</source>
        <translation>IP-Adresse %1</translation>
    </message>
    <message>
        <source>%1 Connecting</source>
        <translation>%1 stellt Verbindung her</translation>
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
        <translation>Über %1</translation>
    </message>
    <message>
        <source>BY : The Kelmo developers</source>
        <translation>VON: Die Kelmo-Entwickler</translation>
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
        <translation>Winsock antwortet nicht</translation>
    </message>
    <message>
        <source>Version Sockets = %1.%2Too Lo</source>
        <translation>Sockets-Version = %1.%2, zu niedrig</translation>
    </message>
    <message>
        <source>Windows Not Responting</source>
        <translation>Windows antwortet nicht</translation>
    </message>
    <message>
        <source>Want Winsock at less = %1</source>
        <translation>Winsock benötigt, mindestens = %1</translation>
    </message>
    <message>
        <source>Windows Sockets Error : %1</source>
        <translation>Windows-Sockets-Fehler: %1</translation>
    </message>
</context>
<context>
    <name>MoveExchange</name>
    <message>
        <source>No greeting came from %1 within %2 second: it is busy with another game, or is not a Kelmo game.</source>
        <translation>Von %1 kam innerhalb von %2 Sekunde keine Begrüßung: Die Gegenstelle ist mit einem anderen Spiel beschäftigt oder ist kein Kelmo-Spiel.</translation>
    </message>
    <message>
        <source>No greeting came from %1 within %2 seconds: it is busy with another game, or is not a Kelmo game.</source>
        <translation>Von %1 kam innerhalb von %2 Sekunden keine Begrüßung: Die Gegenstelle ist mit einem anderen Spiel beschäftigt oder ist kein Kelmo-Spiel.</translation>
    </message>
    <message>
        <source>%1 is busy with another game, or is not a Kelmo game.</source>
        <translation>%1 ist mit einem anderen Spiel beschäftigt oder ist kein Kelmo-Spiel.</translation>
    </message>
    <message>
        <source>The opponent has left the game.</source>
        <translation>Der Gegner hat das Spiel verlassen.</translation>
    </message>
    <message>
        <source>The connection to the opponent was lost: %1.</source>
        <translation>Die Verbindung zum Gegner ist abgebrochen: %1.</translation>
    </message>
</context>
<context>
    <name>Winsock</name>
    <message>
        <source>Cannot accept the connection: request %1 is not waiting.</source>
        <translation>Die Verbindung kann nicht angenommen werden: Anfrage %1 wartet nicht.</translation>
    </message>
    <message>
        <source>Cannot connect to an opponent: no address was given.</source>
        <translation>Verbindung zu einem Gegner nicht möglich: Es wurde keine Adresse angegeben.</translation>
    </message>
    <message>
        <source>Cannot connect to %1: that is not a valid address.</source>
        <translation>Verbindung zu %1 nicht möglich: Das ist keine gültige Adresse.</translation>
    </message>
    <message>
        <source>Cannot connect to %1: no answer within %2 second.</source>
        <translation>Verbindung zu %1 nicht möglich: keine Antwort innerhalb von %2 Sekunde.</translation>
    </message>
    <message>
        <source>Cannot connect to %1: no answer within %2 seconds.</source>
        <translation>Verbindung zu %1 nicht möglich: keine Antwort innerhalb von %2 Sekunden.</translation>
    </message>
    <message>
        <source>Cannot connect to %1: %2.</source>
        <translation>Verbindung zu %1 nicht möglich: %2.</translation>
    </message>
    <message>
        <source>The move was not sent: no opponent is connected.</source>
        <translation>Der Zug wurde nicht gesendet: Es ist kein Gegner verbunden.</translation>
    </message>
    <message>
        <source>The move was not sent: %1.</source>
        <translation>Der Zug wurde nicht gesendet: %1.</translation>
    </message>
    <message>
        <source>Cannot wait for an opponent on port %1: %2.</source>
        <translation>Warten auf einen Gegner an Port %1 nicht möglich: %2.</translation>
    </message>
    <message>
        <source>Cannot wait for an opponent on port %1: ports below 1024 may only be used by programs with the CAP_NET_BIND_SERVICE capability (%2).

To grant it to Kelmo, run once:
sudo setcap cap_net_bind_service=+ep %3

Or let every program use ports from %1 up:
sudo sysctl net.ipv4.ip_unprivileged_port_start=%1</source>
        <translation>Warten auf einen Gegner an Port %1 nicht möglich: Ports unter 1024 dürfen nur von Programmen mit der Fähigkeit CAP_NET_BIND_SERVICE verwendet werden (%2).

Um sie Kelmo zu gewähren, führen Sie einmalig aus:
sudo setcap cap_net_bind_service=+ep %3

Oder erlauben Sie allen Programmen die Nutzung der Ports ab %1:
sudo sysctl net.ipv4.ip_unprivileged_port_start=%1</translation>
    </message>
</context>
</TS>
