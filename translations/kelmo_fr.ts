<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>BoardArea</name>
    <message>
        <source>Board</source>
        <translation>Grille</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Jeu</translation>
    </message>
</context>
<context>
    <name>BoardCell</name>
    <message>
        <source>Top left</source>
        <translation>En haut à gauche</translation>
    </message>
    <message>
        <source>Top centre</source>
        <translation>En haut au centre</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>En haut à droite</translation>
    </message>
    <message>
        <source>Middle left</source>
        <translation>Au milieu à gauche</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>Middle right</source>
        <translation>Au milieu à droite</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>En bas à gauche</translation>
    </message>
    <message>
        <source>Bottom centre</source>
        <translation>En bas au centre</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>En bas à droite</translation>
    </message>
    <message>
        <source>Row %1, column %2. Press %3 to play here.</source>
        <translation>Ligne %1, colonne %2. Appuyez sur %3 pour jouer ici.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Row %1, column %2.</source>
        <translation>Ligne %1, colonne %2.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Noughts and crosses for one or two players, or over the network.
Kelmo also takes the options common to Qt programs, such as -platform and -style.</source>
        <translation>Morpion à un ou deux joueurs, ou en réseau.
Kelmo accepte aussi les options communes aux programmes Qt, comme -platform et -style.</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Affiche cette aide et quitte.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>Affiche la version et quitte.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1&#xa0;: %2
Saisissez «&#xa0;%1 --help&#xa0;» pour plus d’informations.
</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Utilisation&#xa0;: %1 [options]</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>The two boards are out of step. Choose New to start again on both.</source>
        <translation>Les deux grilles ne sont plus synchronisées. Choisissez «&#xa0;Nouvelle partie&#xa0;» pour recommencer sur les deux.</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERREUR</translation>
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
        <translation>vide</translation>
    </message>
    <message>
        <source>X, struck</source>
        <translation>X, barré</translation>
    </message>
    <message>
        <source>O, struck</source>
        <translation>O, barré</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>Normal Mode</source>
        <translation>Mode normal</translation>
    </message>
    <message>
        <source>  One Player</source>
        <translation>  Un joueur</translation>
    </message>
    <message>
        <source>  Two Players</source>
        <translation>  Deux joueurs</translation>
    </message>
    <message>
        <source>Network Mode</source>
        <translation>Mode réseau</translation>
    </message>
    <message>
        <source>  Waiting for Connection</source>
        <translation>  Attendre une connexion</translation>
    </message>
    <message>
        <source>  Connect to Opponent</source>
        <translation>  Se connecter à un adversaire</translation>
    </message>
    <message>
        <source>&amp;ComMove</source>
        <translation>&amp;Coup de l’ordinateur</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À pr&amp;opos</translation>
    </message>
    <message>
        <source>Input IP Address to Connect</source>
        <translation>Saisissez l’adresse IP à laquelle se connecter</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Vous avez gagné</translation>
    </message>
    <message>
        <source>X Win</source>
        <translation>X gagne</translation>
    </message>
    <message>
        <source>O Win</source>
        <translation>O gagne</translation>
    </message>
    <message>
        <source>No opponent is connected yet.</source>
        <translation>Aucun adversaire n’est encore connecté.</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>Vous avez perdu</translation>
    </message>
    <message>
        <source>The board is full: a draw.</source>
        <translation>La grille est pleine&#xa0;: match nul.</translation>
    </message>
    <message>
        <source>Games found on the local network</source>
        <translation>Parties trouvées sur le réseau local</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partie</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>%1 Connected %2</source>
        <translation>%1 connecté à %2</translation>
    </message>
    <message>
        <source>%1 Waiting...</source>
        <translation>%1 en attente...</translation>
    </message>
    <message>
        <source>IP Address %1</source>
        <translation>Adresse IP %1</translation>
    </message>
    <message>
        <source>%1 Connecting</source>
        <translation>%1 connexion en cours</translation>
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
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>BY : The Kelmo developers</source>
        <translation>PAR&#xa0;: Les développeurs de Kelmo</translation>
    </message>
    <message>
        <source>E-MAIL : kelmo@example.org</source>
        <translation>COURRIEL&#xa0;: kelmo@example.org</translation>
    </message>
    <message>
        <source>URL : kelmo.example.org</source>
        <translation>URL&#xa0;: kelmo.example.org</translation>
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
        <translation>Winsock ne répond pas</translation>
    </message>
    <message>
        <source>Version Sockets = %1.%2Too Lo</source>
        <translation>Version des sockets = %1.%2, trop ancienne</translation>
    </message>
    <message>
        <source>Windows Not Responting</source>
        <translation>Windows ne répond pas</translation>
    </message>
    <message>
        <source>Want Winsock at less = %1</source>
        <translation>Winsock requis, au minimum = %1</translation>
    </message>
    <message>
        <source>Windows Sockets Error : %1</source>
        <translation>Erreur Windows Sockets&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>MoveExchange</name>
    <message>
        <source>No greeting came from %1 within %2 second: it is busy with another game, or is not a Kelmo game.</source>
        <translation>Aucun message d’accueil reçu de %1 en %2 seconde&#xa0;: il est occupé par une autre partie, ou ce n’est pas un jeu Kelmo.</translation>
    </message>
    <message>
        <source>No greeting came from %1 within %2 seconds: it is busy with another game, or is not a Kelmo game.</source>
        <translation>Aucun message d’accueil reçu de %1 en %2 secondes&#xa0;: il est occupé par une autre partie, ou ce n’est pas un jeu Kelmo.</translation>
    </message>
    <message>
        <source>%1 is busy with another game, or is not a Kelmo game.</source>
        <translation>%1 est occupé par une autre partie, ou ce n’est pas un jeu Kelmo.</translation>
    </message>
    <message>
        <source>The opponent has left the game.</source>
        <translation>L’adversaire a quitté la partie.</translation>
    </message>
    <message>
        <source>The connection to the opponent was lost: %1.</source>
        <translation>La connexion avec l’adversaire a été perdue&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>Winsock</name>
    <message>
        <source>Cannot accept the connection: request %1 is not waiting.</source>
        <translation>Impossible d’accepter la connexion&#xa0;: la demande %1 n’est pas en attente.</translation>
    </message>
    <message>
        <source>Cannot connect to an opponent: no address was given.</source>
        <translation>Impossible de se connecter à un adversaire&#xa0;: aucune adresse n’a été indiquée.</translation>
    </message>
    <message>
        <source>Cannot connect to %1: that is not a valid address.</source>
        <translation>Impossible de se connecter à %1&#xa0;: ce n’est pas une adresse valide.</translation>
    </message>
    <message>
        <source>Cannot connect to %1: no answer within %2 second.</source>
        <translation>Impossible de se connecter à %1&#xa0;: aucune réponse en %2 seconde.</translation>
    </message>
    <message>
        <source>Cannot connect to %1: no answer within %2 seconds.</source>
        <translation>Impossible de se connecter à %1&#xa0;: aucune réponse en %2 secondes.</translation>
    </message>
    <message>
        <source>Cannot connect to %1: %2.</source>
        <translation>Impossible de se connecter à %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The move was not sent: no opponent is connected.</source>
        <translation>Le coup n’a pas été envoyé&#xa0;: aucun adversaire n’est connecté.</translation>
    </message>
    <message>
        <source>The move was not sent: %1.</source>
        <translation>Le coup n’a pas été envoyé&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Cannot wait for an opponent on port %1: %2.</source>
        <translation>Impossible d’attendre un adversaire sur le port %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Cannot wait for an opponent on port %1: ports below 1024 may only be used by programs with the CAP_NET_BIND_SERVICE capability (%2).

To grant it to Kelmo, run once:
sudo setcap cap_net_bind_service=+ep %3

Or let every program use ports from %1 up:
sudo sysctl net.ipv4.ip_unprivileged_port_start=%1</source>
        <translation>Impossible d’attendre un adversaire sur le port %1&#xa0;: les ports inférieurs à 1024 ne peuvent être utilisés que par les programmes disposant de la capacité CAP_NET_BIND_SERVICE (%2).

Pour l’accorder à Kelmo, exécutez une fois&#xa0;:
sudo setcap cap_net_bind_service=+ep %3

Ou autorisez tous les programmes à utiliser les ports à partir de %1&#xa0;:
sudo sysctl net.ipv4.ip_unprivileged_port_start=%1</translation>
    </message>
</context>
</TS>
