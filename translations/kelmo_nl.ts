<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>BoardArea</name>
    <message>
        <source>Board</source>
        <translation>Speelbord</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spel</translation>
    </message>
</context>
<context>
    <name>BoardCell</name>
    <message>
        <source>Top left</source>
        <translation>Linksboven</translation>
    </message>
    <message>
        <source>Top centre</source>
        <translation>Midden boven</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>Rechtsboven</translation>
    </message>
    <message>
        <source>Middle left</source>
        <translation>Midden links</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Midden</translation>
    </message>
    <message>
        <source>Middle right</source>
        <translation>Midden rechts</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>Linksonder</translation>
    </message>
    <message>
        <source>Bottom centre</source>
        <translation>Midden onder</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>Rechtsonder</translation>
    </message>
    <message>
        <source>Row %1, column %2. Press %3 to play here.</source>
        <translation>Rij %1, kolom %2. Druk op %3 om hier te spelen.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Row %1, column %2.</source>
        <translation>Rij %1, kolom %2.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Noughts and crosses for one or two players, or over the network.
Kelmo also takes the options common to Qt programs, such as -platform and -style.</source>
        <translation>Boter-kaas-en-eieren voor een of twee spelers, of via het netwerk.
Kelmo accepteert ook de opties die alle Qt-programma’s kennen, zoals -platform en -style.</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Toont deze hulp en sluit af.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>Toont de versie en sluit af.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Onverwacht argument ‘%1’.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2
Probeer ‘%1 --help’ voor meer informatie.
</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Gebruik: %1 [opties]</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>The two boards are out of step. Choose New to start again on both.</source>
        <translation>De twee borden lopen niet meer gelijk. Kies Nieuw om op beide opnieuw te beginnen.</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>FOUT</translation>
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
        <translation>leeg</translation>
    </message>
    <message>
        <source>X, struck</source>
        <translation>X, doorgestreept</translation>
    </message>
    <message>
        <source>O, struck</source>
        <translation>O, doorgestreept</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spel</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nieuw</translation>
    </message>
    <message>
        <source>Normal Mode</source>
        <translation>Normale modus</translation>
    </message>
    <message>
        <source>  One Player</source>
        <translation>  Eén speler</translation>
    </message>
    <message>
        <source>  Two Players</source>
        <translation>  Twee spelers</translation>
    </message>
    <message>
        <source>Network Mode</source>
        <translation>Netwerkmodus</translation>
    </message>
    <message>
        <source>  Waiting for Connection</source>
        <translation>  Wachten op verbinding</translation>
    </message>
    <message>
        <source>  Connect to Opponent</source>
        <translation>  Verbinden met tegenstander</translation>
    </message>
    <message>
        <source>&amp;ComMove</source>
        <translation>&amp;Computerzet</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>Input IP Address to Connect</source>
        <translation>Voer het IP-adres in om mee te verbinden</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Je hebt gewonnen</translation>
    </message>
    <message>
        <source>X Win</source>
        <translation>X wint</translation>
    </message>
    <message>
        <source>O Win</source>
        <translation>O wint</translation>
    </message>
    <message>
        <source>No opponent is connected yet.</source>
        <translation>Er is nog geen tegenstander verbonden.</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>Je hebt verloren</translation>
    </message>
    <message>
        <source>The board is full: a draw.</source>
        <translation>Het bord is vol: gelijkspel.</translation>
    </message>
    <message>
        <source>Games found on the local network</source>
        <translation>Spellen gevonden op het lokale netwerk</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spel</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>%1 Connected %2</source>
        <translation>%1 verbonden met %2</translation>
    </message>
    <message>
        <source>%1 Waiting...</source>
        <translation>%1 wacht...</translation>
    </message>
    <message>
        <source>IP Address %1</source>
        <translation>IP-adres %1</translation>
    </message>
    <message>
        <source>%1 Connecting</source>
        <translation>%1 maakt verbinding</translation>
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
        <translation>Over %1</translation>
    </message>
    <message>
        <source>BY : The Kelmo developers</source>
        <translation>DOOR: De Kelmo-ontwikkelaars</translation>
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
        <translation>Winsock antwoordt niet</translation>
    </message>
    <message>
        <source>Version Sockets = %1.%2Too Lo</source>
        <translation>Sockets-versie = %1.%2, te laag</translation>
    </message>
    <message>
        <source>Windows Not Responting</source>
        <translation>Windows antwoordt niet</translation>
    </message>
    <message>
        <source>Want Winsock at less = %1</source>
        <translation>Winsock vereist, minimaal = %1</translation>
    </message>
    <message>
        <source>Windows Sockets Error : %1</source>
        <translation>Windows Sockets-fout: %1</translation>
    </message>
</context>
<context>
    <name>MoveExchange</name>
    <message>
        <source>No greeting came from %1 within %2 second: it is busy with another game, or is not a Kelmo game.</source>
        <translation>Binnen %2 seconde kwam er geen begroeting van %1: die is bezig met een ander spel of is geen Kelmo-spel.</translation>
    </message>
    <message>
        <source>No greeting came from %1 within %2 seconds: it is busy with another game, or is not a Kelmo game.</source>
        <translation>Binnen %2 seconden kwam er geen begroeting van %1: die is bezig met een ander spel of is geen Kelmo-spel.</translation>
    </message>
    <message>
        <source>%1 is busy with another game, or is not a Kelmo game.</source>
        <translation>%1 is bezig met een ander spel of is geen Kelmo-spel.</translation>
    </message>
    <message>
        <source>The opponent has left the game.</source>
        <translation>De tegenstander heeft het spel verlaten.</translation>
    </message>
    <message>
        <source>The connection to the opponent was lost: %1.</source>
        <translation>De verbinding met de tegenstander is verbroken: %1.</translation>
    </message>
</context>
<context>
    <name>Winsock</name>
    <message>
        <source>Cannot accept the connection: request %1 is not waiting.</source>
        <translation>Kan de verbinding niet accepteren: verzoek %1 wacht niet.</translation>
    </message>
    <message>
        <source>Cannot connect to an opponent: no address was given.</source>
        <translation>Kan geen verbinding maken met een tegenstander: er is geen adres opgegeven.</translation>
    </message>
    <message>
        <source>Cannot connect to %1: that is not a valid address.</source>
        <translation>Kan geen verbinding maken met %1: dat is geen geldig adres.</translation>
    </message>
    <message>
        <source>Cannot connect to %1: no answer within %2 second.</source>
        <translation>Kan geen verbinding maken met %1: geen antwoord binnen %2 seconde.</translation>
    </message>
    <message>
        <source>Cannot connect to %1: no answer within %2 seconds.</source>
        <translation>Kan geen verbinding maken met %1: geen antwoord binnen %2 seconden.</translation>
    </message>
    <message>
        <source>Cannot connect to %1: %2.</source>
        <translation>Kan geen verbinding maken met %1: %2.</translation>
    </message>
    <message>
        <source>The move was not sent: no opponent is connected.</source>
        <translation>De zet is niet verzonden: er is geen tegenstander verbonden.</translation>
    </message>
    <message>
        <source>The move was not sent: %1.</source>
        <translation>De zet is niet verzonden: %1.</translation>
    </message>
    <message>
        <source>Cannot wait for an opponent on port %1: %2.</source>
        <translation>Kan niet wachten op een tegenstander op poort %1: %2.</translation>
    </message>
    <message>
        <source>Cannot wait for an opponent on port %1: ports below 1024 may only be used by programs with the CAP_NET_BIND_SERVICE capability (%2).

To grant it to Kelmo, run once:
sudo setcap cap_net_bind_service=+ep %3

Or let every program use ports from %1 up:
sudo sysctl net.ipv4.ip_unprivileged_port_start=%1</source>
        <translation>Kan niet wachten op een tegenstander op poort %1: poorten onder 1024 mogen alleen worden gebruikt door programma’s met de capability CAP_NET_BIND_SERVICE (%2).

Om die aan Kelmo toe te kennen, voer eenmalig uit:
sudo setcap cap_net_bind_service=+ep %3

Of laat elk programma poorten vanaf %1 gebruiken:
sudo sysctl net.ipv4.ip_unprivileged_port_start=%1</translation>
    </message>
</context>
</TS>
