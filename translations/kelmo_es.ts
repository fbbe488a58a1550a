<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>BoardArea</name>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Juego</translation>
    </message>
</context>
<context>
    <name>BoardCell</name>
    <message>
        <source>Top left</source>
        <translation>Arriba a la izquierda</translation>
    </message>
    <message>
        <source>Top centre</source>
        <translation>Arriba en el centro</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>Arriba a la derecha</translation>
    </message>
    <message>
        <source>Middle left</source>
        <translation>En medio a la izquierda</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Middle right</source>
        <translation>En medio a la derecha</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>Abajo a la izquierda</translation>
    </message>
    <message>
        <source>Bottom centre</source>
        <translation>Abajo en el centro</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>Abajo a la derecha</translation>
    </message>
    <message>
        <source>Row %1, column %2. Press %3 to play here.</source>
        <translation>Fila %1, columna %2. Pulsa %3 para jugar aquí.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Row %1, column %2.</source>
        <translation>Fila %1, columna %2.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Noughts and crosses for one or two players, or over the network.
Kelmo also takes the options common to Qt programs, such as -platform and -style.</source>
        <translation>Tres en raya para uno o dos jugadores, o en red.
Kelmo también admite las opciones comunes a los programas Qt, como -platform y -style.</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Muestra esta ayuda y sale.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>Muestra la versión y sale.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado «%1».</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2
Prueba «%1 --help» para más información.
</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Uso: %1 [opciones]</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>The two boards are out of step. Choose New to start again on both.</source>
        <translation>Los dos tableros no están sincronizados. Elige «Nuevo» para volver a empezar en ambos.</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERROR</translation>
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
        <translation>vacía</translation>
    </message>
    <message>
        <source>X, struck</source>
        <translation>X, tachada</translation>
    </message>
    <message>
        <source>O, struck</source>
        <translation>O, tachada</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>Normal Mode</source>
        <translation>Modo normal</translation>
    </message>
    <message>
        <source>  One Player</source>
        <translation>  Un jugador</translation>
    </message>
    <message>
        <source>  Two Players</source>
        <translation>  Dos jugadores</translation>
    </message>
    <message>
        <source>Network Mode</source>
        <translation>Modo en red</translation>
    </message>
    <message>
        <source>  Waiting for Connection</source>
        <translation>  Esperar una conexión</translation>
    </message>
    <message>
        <source>  Connect to Opponent</source>
        <translation>  Conectar con un oponente</translation>
    </message>
    <message>
        <source>&amp;ComMove</source>
        <translation>Jugada del &amp;ordenador</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>Input IP Address to Connect</source>
        <translation>Introduce la dirección IP a la que conectarte</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Has ganado</translation>
    </message>
    <message>
        <source>X Win</source>
        <translation>Gana X</translation>
    </message>
    <message>
        <source>O Win</source>
        <translation>Gana O</translation>
    </message>
    <message>
        <source>No opponent is connected yet.</source>
        <translation>Aún no hay ningún oponente conectado.</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>Has perdido</translation>
    </message>
    <message>
        <source>The board is full: a draw.</source>
        <translation>El tablero está lleno: empate.</translation>
    </message>
    <message>
        <source>Games found on the local network</source>
        <translation>Partidas encontradas en la red local</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partida</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>%1 Connected %2</source>
        <translation>%1 conectado con %2</translation>
    </message>
    <message>
        <source>%1 Waiting...</source>
        <translation>%1 esperando...</translation>
    </message>
    <message>
        <source>IP Address %1</source>
        <translation>Dirección IP %1</translation>
    </message>
    <message>
        <source>%1 Connecting</source>
        <translation>%1 conectando</translation>
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
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>BY : The Kelmo developers</source>
        <translation>POR: Los desarrolladores de Kelmo</translation>
    </message>
    <message>
        <source>E-MAIL : kelmo@example.org</source>
        <translation>CORREO ELECTRÓNICO: kelmo@example.org</translation>
    </message>
    <message>
        <source>URL : kelmo.example.org</source>
        <translation>URL: kelmo.example.org</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>HostLookup</name>
    <message>
        <source>Winsock Not Responting</source>
        <translation>Winsock no responde</translation>
    </message>
    <message>
        <source>Version Sockets = %1.%2Too Lo</source>
        <translation>Versión de sockets = %1.%2, demasiado baja</translation>
    </message>
    <message>
        <source>Windows Not Responting</source>
        <translation>Windows no responde</translation>
    </message>
    <message>
        <source>Want Winsock at less = %1</source>
        <translation>Se necesita Winsock, como mínimo = %1</translation>
    </message>
    <message>
        <source>Windows Sockets Error : %1</source>
        <translation>Error de Windows Sockets: %1</translation>
    </message>
</context>
<context>
    <name>MoveExchange</name>
    <message>
        <source>No greeting came from %1 within %2 second: it is busy with another game, or is not a Kelmo game.</source>
        <translation>No llegó ningún saludo de %1 en %2 segundo: está ocupado con otra partida o no es un juego Kelmo.</translation>
    </message>
    <message>
        <source>No greeting came from %1 within %2 seconds: it is busy with another game, or is not a Kelmo game.</source>
        <translation>No llegó ningún saludo de %1 en %2 segundos: está ocupado con otra partida o no es un juego Kelmo.</translation>
    </message>
    <message>
        <source>%1 is busy with another game, or is not a Kelmo game.</source>
        <translation>%1 está ocupado con otra partida o no es un juego Kelmo.</translation>
    </message>
    <message>
        <source>The opponent has left the game.</source>
        <translation>El oponente ha abandonado la partida.</translation>
    </message>
    <message>
        <source>The connection to the opponent was lost: %1.</source>
        <translation>Se ha perdido la conexión con el oponente: %1.</translation>
    </message>
</context>
<context>
    <name>Winsock</name>
    <message>
        <source>Cannot accept the connection: request %1 is not waiting.</source>
        <translation>No se puede aceptar la conexión: la solicitud %1 no está en espera.</translation>
    </message>
    <message>
        <source>Cannot connect to an opponent: no address was given.</source>
        <translation>No se puede conectar con un oponente: no se ha indicado ninguna dirección.</translation>
    </message>
    <message>
        <source>Cannot connect to %1: that is not a valid address.</source>
        <translation>No se puede conectar con %1: no es una dirección válida.</translation>
    </message>
    <message>
        <source>Cannot connect to %1: no answer within %2 second.</source>
        <translation>No se puede conectar con %1: sin respuesta en %2 segundo.</translation>
    </message>
    <message>
        <source>Cannot connect to %1: no answer within %2 seconds.</source>
        <translation>No se puede conectar con %1: sin respuesta en %2 segundos.</translation>
    </message>
    <message>
        <source>Cannot connect to %1: %2.</source>
        <translation>No se puede conectar con %1: %2.</translation>
    </message>
    <message>
        <source>The move was not sent: no opponent is connected.</source>
        <translation>No se ha enviado la jugada: no hay ningún oponente conectado.</translation>
    </message>
    <message>
        <source>The move was not sent: %1.</source>
        <translation>No se ha enviado la jugada: %1.</translation>
    </message>
    <message>
        <source>Cannot wait for an opponent on port %1: %2.</source>
        <translation>No se puede esperar a un oponente en el puerto %1: %2.</translation>
    </message>
    <message>
        <source>Cannot wait for an opponent on port %1: ports below 1024 may only be used by programs with the CAP_NET_BIND_SERVICE capability (%2).

To grant it to Kelmo, run once:
sudo setcap cap_net_bind_service=+ep %3

Or let every program use ports from %1 up:
sudo sysctl net.ipv4.ip_unprivileged_port_start=%1</source>
        <translation>No se puede esperar a un oponente en el puerto %1: los puertos inferiores a 1024 solo pueden usarlos los programas con la capacidad CAP_NET_BIND_SERVICE (%2).

Para concedérsela a Kelmo, ejecuta una vez:
sudo setcap cap_net_bind_service=+ep %3

O permite que todos los programas usen los puertos a partir del %1:
sudo sysctl net.ipv4.ip_unprivileged_port_start=%1</translation>
    </message>
</context>
</TS>
