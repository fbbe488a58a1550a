<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>BoardArea</name>
    <message>
        <source>Board</source>
        <translation>Plansza</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Gra</translation>
    </message>
</context>
<context>
    <name>BoardCell</name>
    <message>
        <source>Top left</source>
        <translation>Górne lewe</translation>
    </message>
    <message>
        <source>Top centre</source>
        <translation>Górne środkowe</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>Górne prawe</translation>
    </message>
    <message>
        <source>Middle left</source>
        <translation>Środkowe lewe</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Środek</translation>
    </message>
    <message>
        <source>Middle right</source>
        <translation>Środkowe prawe</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>Dolne lewe</translation>
    </message>
    <message>
        <source>Bottom centre</source>
        <translation>Dolne środkowe</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>Dolne prawe</translation>
    </message>
    <message>
        <source>Row %1, column %2. Press %3 to play here.</source>
        <translation>Wiersz %1, kolumna %2. Naciśnij %3, aby zagrać tutaj.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Row %1, column %2.</source>
        <translation>Wiersz %1, kolumna %2.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Noughts and crosses for one or two players, or over the network.
Kelmo also takes the options common to Qt programs, such as -platform and -style.</source>
        <translation>Kółko i krzyżyk dla jednego lub dwóch graczy albo przez sieć.
Kelmo przyjmuje też opcje wspólne dla programów Qt, takie jak -platform i -style.</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Wyświetla tę pomoc i kończy działanie.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>Wyświetla wersję i kończy działanie.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Nieoczekiwany argument „%1”.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2
Polecenie „%1 --help” wyświetli więcej informacji.
</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Użycie: %1 [opcje]</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>The two boards are out of step. Choose New to start again on both.</source>
        <translation>Obie plansze przestały być zgodne. Wybierz „Nowa gra”, aby zacząć od nowa na obu.</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>BŁĄD</translation>
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
        <translation>puste</translation>
    </message>
    <message>
        <source>X, struck</source>
        <translation>X, przekreślony</translation>
    </message>
    <message>
        <source>O, struck</source>
        <translation>O, przekreślone</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Gra</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nowa gra</translation>
    </message>
    <message>
        <source>Normal Mode</source>
        <translation>Tryb zwykły</translation>
    </message>
    <message>
        <source>  One Player</source>
        <translation>  Jeden gracz</translation>
    </message>
    <message>
        <source>  Two Players</source>
        <translation>  Dwóch graczy</translation>
    </message>
    <message>
        <source>Network Mode</source>
        <translation>Tryb sieciowy</translation>
    </message>
    <message>
        <source>  Waiting for Connection</source>
        <translation>  Oczekiwanie na połączenie</translation>
    </message>
    <message>
        <source>  Connect to Opponent</source>
        <translation>  Połącz z przeciwnikiem</translation>
    </message>
    <message>
        <source>&amp;ComMove</source>
        <translation>Ruch &amp;komputera</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>Input IP Address to Connect</source>
        <translation>Podaj adres IP, z którym chcesz się połączyć</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Wygrywasz</translation>
    </message>
    <message>
        <source>X Win</source>
        <translation>Wygrywa X</translation>
    </message>
    <message>
        <source>O Win</source>
        <translation>Wygrywa O</translation>
    </message>
    <message>
        <source>No opponent is connected yet.</source>
        <translation>Nie połączył się jeszcze żaden przeciwnik.</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>Przegrywasz</translation>
    </message>
    <message>
        <source>The board is full: a draw.</source>
        <translation>Plansza jest pełna: remis.</translation>
    </message>
    <message>
        <source>Games found on the local network</source>
        <translation>Gry znalezione w sieci lokalnej</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Gra</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>%1 Connected %2</source>
        <translation>%1 połączony z %2</translation>
    </message>
    <message>
        <source>%1 Waiting...</source>
        <translation>%1 czeka...</translation>
    </message>
    <message>
        <source>IP Address %1</source>
        <translation>Adres IP %1</translation>
    </message>
    <message>
        <source>%1 Connecting</source>
        <translation>%1 łączy się</translation>
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
        <translation>O programie %1</translation>
    </message>
    <message>
        <source>BY : The Kelmo developers</source>
        <translation>AUTORZY: Twórcy Kelmo</translation>
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
        <translation>Winsock nie odpowiada</translation>
    </message>
    <message>
        <source>Version Sockets = %1.%2Too Lo</source>
        <translation>Wersja Sockets = %1.%2, zbyt niska</translation>
    </message>
    <message>
        <source>Windows Not Responting</source>
        <translation>Windows nie odpowiada</translation>
    </message>
    <message>
        <source>Want Winsock at less = %1</source>
        <translation>Wymagany Winsock co najmniej = %1</translation>
    </message>
    <message>
        <source>Windows Sockets Error : %1</source>
        <translation>Błąd Windows Sockets: %1</translation>
    </message>
</context>
<context>
    <name>MoveExchange</name>
    <message>
        <source>No greeting came from %1 within %2 second: it is busy with another game, or is not a Kelmo game.</source>
        <translation>W ciągu %2 sekundy nie nadeszło powitanie od %1: trwa tam inna gra albo to nie jest gra Kelmo.</translation>
    </message>
    <message>
        <source>No greeting came from %1 within %2 seconds: it is busy with another game, or is not a Kelmo game.</source>
        <translation>W ciągu %2 s nie nadeszło powitanie od %1: trwa tam inna gra albo to nie jest gra Kelmo.</translation>
    </message>
    <message>
        <source>%1 is busy with another game, or is not a Kelmo game.</source>
        <translation>%1: trwa tam inna gra albo to nie jest gra Kelmo.</translation>
    </message>
    <message>
        <source>The opponent has left the game.</source>
        <translation>Przeciwnik opuścił grę.</translation>
    </message>
    <message>
        <source>The connection to the opponent was lost: %1.</source>
        <translation>Utracono połączenie z przeciwnikiem: %1.</translation>
    </message>
</context>
<context>
    <name>Winsock</name>
    <message>
        <source>Cannot accept the connection: request %1 is not waiting.</source>
        <translation>Nie można przyjąć połączenia: żądanie %1 nie oczekuje.</translation>
    </message>
    <message>
        <source>Cannot connect to an opponent: no address was given.</source>
        <translation>Nie można połączyć się z przeciwnikiem: nie podano adresu.</translation>
    </message>
    <message>
        <source>Cannot connect to %1: that is not a valid address.</source>
        <translation>Nie można połączyć się z %1: to nie jest prawidłowy adres.</translation>
    </message>
    <message>
        <source>Cannot connect to %1: no answer within %2 second.</source>
        <translation>Nie można połączyć się z %1: brak odpowiedzi w ciągu %2 sekundy.</translation>
    </message>
    <message>
        <source>Cannot connect to %1: no answer within %2 seconds.</source>
        <translation>Nie można połączyć się z %1: brak odpowiedzi w ciągu %2 s.</translation>
    </message>
    <message>
        <source>Cannot connect to %1: %2.</source>
        <translation>Nie można połączyć się z %1: %2.</translation>
    </message>
    <message>
        <source>The move was not sent: no opponent is connected.</source>
        <translation>Ruch nie został wysłany: nie połączył się żaden przeciwnik.</translation>
    </message>
    <message>
        <source>The move was not sent: %1.</source>
        <translation>Ruch nie został wysłany: %1.</translation>
    </message>
    <message>
        <source>Cannot wait for an opponent on port %1: %2.</source>
        <translation>Nie można oczekiwać na przeciwnika na porcie %1: %2.</translation>
    </message>
    <message>
        <source>Cannot wait for an opponent on port %1: ports below 1024 may only be used by programs with the CAP_NET_BIND_SERVICE capability (%2).

To grant it to Kelmo, run once:
sudo setcap cap_net_bind_service=+ep %3

Or let every program use ports from %1 up:
sudo sysctl net.ipv4.ip_unprivileged_port_start=%1</source>
        <translation>Nie można oczekiwać na przeciwnika na porcie %1: porty poniżej 1024 mogą być używane tylko przez programy z uprawnieniem CAP_NET_BIND_SERVICE (%2).

Aby nadać je programowi Kelmo, uruchom jednorazowo:
sudo setcap cap_net_bind_service=+ep %3

Albo pozwól wszystkim programom używać portów od %1 w górę:
sudo sysctl net.ipv4.ip_unprivileged_port_start=%1</translation>
    </message>
</context>
</TS>
