<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>BoardArea</name>
    <message>
        <source>Board</source>
        <translation>Tabuleiro</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Jogo</translation>
    </message>
</context>
<context>
    <name>BoardCell</name>
    <message>
        <source>Top left</source>
        <translation>Superior esquerda</translation>
    </message>
    <message>
        <source>Top centre</source>
        <translation>Superior central</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>Superior direita</translation>
    </message>
    <message>
        <source>Middle left</source>
        <translation>Central esquerda</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Centro</translation>
    </message>
    <message>
        <source>Middle right</source>
        <translation>Central direita</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>Inferior esquerda</translation>
    </message>
    <message>
        <source>Bottom centre</source>
        <translation>Inferior central</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>Inferior direita</translation>
    </message>
    <message>
        <source>Row %1, column %2. Press %3 to play here.</source>
        <translation>Linha %1, coluna %2. Pressione %3 para jogar aqui.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Row %1, column %2.</source>
        <translation>Linha %1, coluna %2.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Noughts and crosses for one or two players, or over the network.
Kelmo also takes the options common to Qt programs, such as -platform and -style.</source>
        <translation>Jogo da velha para um ou dois jogadores, ou em rede.
O Kelmo também aceita as opções comuns aos programas Qt, como -platform e -style.</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Mostra esta ajuda e sai.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>Mostra a versão e sai.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado “%1”.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2
Tente “%1 --help” para mais informações.
</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Uso: %1 [opções]</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>The two boards are out of step. Choose New to start again on both.</source>
        <translation>Os dois tabuleiros estão fora de sincronia. Escolha “Novo” para recomeçar em ambos.</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERRO</translation>
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
        <translation>vazia</translation>
    </message>
    <message>
        <source>X, struck</source>
        <translation>X, riscado</translation>
    </message>
    <message>
        <source>O, struck</source>
        <translation>O, riscado</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jogo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>Normal Mode</source>
        <translation>Modo normal</translation>
    </message>
    <message>
        <source>  One Player</source>
        <translation>  Um jogador</translation>
    </message>
    <message>
        <source>  Two Players</source>
        <translation>  Dois jogadores</translation>
    </message>
    <message>
        <source>Network Mode</source>
        <translation>Modo em rede</translation>
    </message>
    <message>
        <source>  Waiting for Connection</source>
        <translation>  Aguardar conexão</translation>
    </message>
    <message>
        <source>  Connect to Opponent</source>
        <translation>  Conectar-se a um adversário</translation>
    </message>
    <message>
        <source>&amp;ComMove</source>
        <translation>Jogada do &amp;computador</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>Input IP Address to Connect</source>
        <translation>Digite o endereço IP ao qual se conectar</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Você venceu</translation>
    </message>
    <message>
        <source>X Win</source>
        <translation>X venceu</translation>
    </message>
    <message>
        <source>O Win</source>
        <translation>O venceu</translation>
    </message>
    <message>
        <source>No opponent is connected yet.</source>
        <translation>Ainda não há nenhum adversário conectado.</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>Você perdeu</translation>
    </message>
    <message>
        <source>The board is full: a draw.</source>
        <translation>O tabuleiro está cheio: empate.</translation>
    </message>
    <message>
        <source>Games found on the local network</source>
        <translation>Partidas encontradas na rede local</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partida</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Endereço</translation>
    </message>
    <message>
        <source>%1 Connected %2</source>
        <translation>%1 conectado a %2</translation>
    </message>
    <message>
        <source>%1 Waiting...</source>
        <translation>%1 aguardando...</translation>
    </message>
    <message>
        <source>IP Address %1</source>
        <translation>Endereço IP %1</translation>
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
        <translation>Sobre o %1</translation>
    </message>
    <message>
        <source>BY : The Kelmo developers</source>
        <translation>POR: Os desenvolvedores do Kelmo</translation>
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
        <translation>O Winsock não está respondendo</translation>
    </message>
    <message>
        <source>Version Sockets = %1.%2Too Lo</source>
        <translation>Versão dos sockets = %1.%2, muito baixa</translation>
    </message>
    <message>
        <source>Windows Not Responting</source>
        <translation>O Windows não está respondendo</translation>
    </message>
    <message>
        <source>Want Winsock at less = %1</source>
        <translation>Winsock necessário, no mínimo = %1</translation>
    </message>
    <message>
        <source>Windows Sockets Error : %1</source>
        <translation>Erro do Windows Sockets: %1</translation>
    </message>
</context>
<context>
    <name>MoveExchange</name>
    <message>
        <source>No greeting came from %1 within %2 second: it is busy with another game, or is not a Kelmo game.</source>
        <translation>Nenhuma saudação chegou de %1 em %2 segundo: ele está ocupado com outra partida ou não é um jogo Kelmo.</translation>
    </message>
    <message>
        <source>No greeting came from %1 within %2 seconds: it is busy with another game, or is not a Kelmo game.</source>
        <translation>Nenhuma saudação chegou de %1 em %2 segundos: ele está ocupado com outra partida ou não é um jogo Kelmo.</translation>
    </message>
    <message>
        <source>%1 is busy with another game, or is not a Kelmo game.</source>
        <translation>%1 está ocupado com outra partida ou não é um jogo Kelmo.</translation>
    </message>
    <message>
        <source>The opponent has left the game.</source>
        <translation>O adversário saiu da partida.</translation>
    </message>
    <message>
        <source>The connection to the opponent was lost: %1.</source>
        <translation>A conexão com o adversário foi perdida: %1.</translation>
    </message>
</context>
<context>
    <name>Winsock</name>
    <message>
        <source>Cannot accept the connection: request %1 is not waiting.</source>
        <translation>Não foi possível aceitar a conexão: a solicitação %1 não está aguardando.</translation>
    </message>
    <message>
        <source>Cannot connect to an opponent: no address was given.</source>
        <translation>Não foi possível conectar-se a um adversário: nenhum endereço foi informado.</translation>
    </message>
    <message>
        <source>Cannot connect to %1: that is not a valid address.</source>
        <translation>Não foi possível conectar-se a %1: não é um endereço válido.</translation>
    </message>
    <message>
        <source>Cannot connect to %1: no answer within %2 second.</source>
        <translation>Não foi possível conectar-se a %1: sem resposta em %2 segundo.</translation>
    </message>
    <message>
        <source>Cannot connect to %1: no answer within %2 seconds.</source>
        <translation>Não foi possível conectar-se a %1: sem resposta em %2 segundos.</translation>
    </message>
    <message>
        <source>Cannot connect to %1: %2.</source>
        <translation>Não foi possível conectar-se a %1: %2.</translation>
    </message>
    <message>
        <source>The move was not sent: no opponent is connected.</source>
        <translation>A jogada não foi enviada: nenhum adversário está conectado.</translation>
    </message>
    <message>
        <source>The move was not sent: %1.</source>
        <translation>A jogada não foi enviada: %1.</translation>
    </message>
    <message>
        <source>Cannot wait for an opponent on port %1: %2.</source>
        <translation>Não foi possível aguardar um adversário na porta %1: %2.</translation>
    </message>
    <message>
        <source>Cannot wait for an opponent on port %1: ports below 1024 may only be used by programs with the CAP_NET_BIND_SERVICE capability (%2).

To grant it to Kelmo, run once:
sudo setcap cap_net_bind_service=+ep %3

Or let every program use ports from %1 up:
sudo sysctl net.ipv4.ip_unprivileged_port_start=%1</source>
        <translation>Não foi possível aguardar um adversário na porta %1: portas abaixo de 1024 só podem ser usadas por programas com a capacidade CAP_NET_BIND_SERVICE (%2).

Para concedê-la ao Kelmo, execute uma vez:
sudo setcap cap_net_bind_service=+ep %3

Ou permita que todos os programas usem portas a partir de %1:
sudo sysctl net.ipv4.ip_unprivileged_port_start=%1</translation>
    </message>
</context>
</TS>
