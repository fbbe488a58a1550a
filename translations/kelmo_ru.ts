<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>BoardArea</name>
    <message>
        <source>Board</source>
        <translation>Игровое поле</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Игра</translation>
    </message>
</context>
<context>
    <name>BoardCell</name>
    <message>
        <source>Top left</source>
        <translation>Вверху слева</translation>
    </message>
    <message>
        <source>Top centre</source>
        <translation>Вверху по центру</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>Вверху справа</translation>
    </message>
    <message>
        <source>Middle left</source>
        <translation>Посередине слева</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Центр</translation>
    </message>
    <message>
        <source>Middle right</source>
        <translation>Посередине справа</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>Внизу слева</translation>
    </message>
    <message>
        <source>Bottom centre</source>
        <translation>Внизу по центру</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>Внизу справа</translation>
    </message>
    <message>
        <source>Row %1, column %2. Press %3 to play here.</source>
        <translation>Строка %1, столбец %2. Нажмите %3, чтобы сходить сюда.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Row %1, column %2.</source>
        <translation>Строка %1, столбец %2.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Noughts and crosses for one or two players, or over the network.
Kelmo also takes the options common to Qt programs, such as -platform and -style.</source>
        <translation>Крестики-нолики для одного или двух игроков, а также по сети.
Kelmo также принимает параметры, общие для программ Qt, например -platform и -style.</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>Показать эту справку и выйти.</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>Показать версию и выйти.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Неожиданный аргумент «%1».</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2
Попробуйте «%1 --help» для получения дополнительной информации.
</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Использование: %1 [параметры]</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>The two boards are out of step. Choose New to start again on both.</source>
        <translation>Игровые поля рассинхронизировались. Выберите «Новая игра», чтобы начать заново на обоих.</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ОШИБКА</translation>
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
        <translation>пусто</translation>
    </message>
    <message>
        <source>X, struck</source>
        <translation>X, зачёркнут</translation>
    </message>
    <message>
        <source>O, struck</source>
        <translation>O, зачёркнут</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Игра</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Новая игра</translation>
    </message>
    <message>
        <source>Normal Mode</source>
        <translation>Обычный режим</translation>
    </message>
    <message>
        <source>  One Player</source>
        <translation>  Один игрок</translation>
    </message>
    <message>
        <source>  Two Players</source>
        <translation>  Два игрока</translation>
    </message>
    <message>
        <source>Network Mode</source>
        <translation>Сетевой режим</translation>
    </message>
    <message>
        <source>  Waiting for Connection</source>
        <translation>  Ожидание подключения</translation>
    </message>
    <message>
        <source>  Connect to Opponent</source>
        <translation>  Подключиться к сопернику</translation>
    </message>
    <message>
        <source>&amp;ComMove</source>
        <translation>&amp;Ход компьютера</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>Input IP Address to Connect</source>
        <translation>Введите IP-адрес для подключения</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>Вы выиграли</translation>
    </message>
    <message>
        <source>X Win</source>
        <translation>Выиграл X</translation>
    </message>
    <message>
        <source>O Win</source>
        <translation>Выиграл O</translation>
    </message>
    <message>
        <source>No opponent is connected yet.</source>
        <translation>Соперник ещё не подключён.</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>Вы проиграли</translation>
    </message>
    <message>
        <source>The board is full: a draw.</source>
        <translation>Поле заполнено: ничья.</translation>
    </message>
    <message>
        <source>Games found on the local network</source>
        <translation>Игры, найденные в локальной сети</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Игра</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Адрес</translation>
    </message>
    <message>
        <source>%1 Connected %2</source>
        <translation>%1 подключён к %2</translation>
    </message>
    <message>
        <source>%1 Waiting...</source>
        <translation>%1 ожидание...</translation>
    </message>
    <message>
        <source>IP Address %1</source>
        <translation>IP-адрес %1</translation>
    </message>
    <message>
        <source>%1 Connecting</source>
        <translation>%1 подключение</translation>
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
        <translation>О программе %1</translation>
    </message>
    <message>
        <source>BY : The Kelmo developers</source>
        <translation>АВТОРЫ: Разработчики Kelmo</translation>
    </message>
    <message>
        <source>E-MAIL : kelmo@example.org</source>
        <translation>ЭЛ. ПОЧТА: kelmo@example.org</translation>
    </message>
    <message>
        <source>URL : kelmo.example.org</source>
        <translation>САЙТ: kelmo.example.org</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>HostLookup</name>
    <message>
        <source>Winsock Not Responting</source>
        <translation>Winsock не отвечает</translation>
    </message>
    <message>
        <source>Version Sockets = %1.%2Too Lo</source>
        <translation>Версия Sockets = %1.%2, слишком старая</translation>
    </message>
    <message>
        <source>Windows Not Responting</source>
        <translation>Windows не отвечает</translation>
    </message>
    <message>
        <source>Want Winsock at less = %1</source>
        <translation>Требуется Winsock версии не ниже = %1</translation>
    </message>
    <message>
        <source>Windows Sockets Error : %1</source>
        <translation>Ошибка Windows Sockets: %1</translation>
    </message>
</context>
<context>
    <name>MoveExchange</name>
    <message>
        <source>No greeting came from %1 within %2 second: it is busy with another game, or is not a Kelmo game.</source>
        <translation>От %1 не пришло приветствие за %2 секунду: он занят другой игрой или не является игрой Kelmo.</translation>
    </message>
    <message>
        <source>No greeting came from %1 within %2 seconds: it is busy with another game, or is not a Kelmo game.</source>
        <translation>От %1 не пришло приветствие за %2 с: он занят другой игрой или не является игрой Kelmo.</translation>
    </message>
    <message>
        <source>%1 is busy with another game, or is not a Kelmo game.</source>
        <translation>%1 занят другой игрой или не является игрой Kelmo.</translation>
    </message>
    <message>
        <source>The opponent has left the game.</source>
        <translation>Соперник покинул игру.</translation>
    </message>
    <message>
        <source>The connection to the opponent was lost: %1.</source>
        <translation>Соединение с соперником потеряно: %1.</translation>
    </message>
</context>
<context>
    <name>Winsock</name>
    <message>
        <source>Cannot accept the connection: request %1 is not waiting.</source>
        <translation>Не удаётся принять подключение: запрос %1 не находится в ожидании.</translation>
    </message>
    <message>
        <source>Cannot connect to an opponent: no address was given.</source>
        <translation>Не удаётся подключиться к сопернику: адрес не указан.</translation>
    </message>
    <message>
        <source>Cannot connect to %1: that is not a valid address.</source>
        <translation>Не удаётся подключиться к %1: это недопустимый адрес.</translation>
    </message>
    <message>
        <source>Cannot connect to %1: no answer within %2 second.</source>
        <translation>Не удаётся подключиться к %1: нет ответа за %2 секунду.</translation>
    </message>
    <message>
        <source>Cannot connect to %1: no answer within %2 seconds.</source>
        <translation>Не удаётся подключиться к %1: нет ответа за %2 с.</translation>
    </message>
    <message>
        <source>Cannot connect to %1: %2.</source>
        <translation>Не удаётся подключиться к %1: %2.</translation>
    </message>
    <message>
        <source>The move was not sent: no opponent is connected.</source>
        <translation>Ход не отправлен: соперник не подключён.</translation>
    </message>
    <message>
        <source>The move was not sent: %1.</source>
        <translation>Ход не отправлен: %1.</translation>
    </message>
    <message>
        <source>Cannot wait for an opponent on port %1: %2.</source>
        <translation>Не удаётся ожидать соперника на порту %1: %2.</translation>
    </message>
    <message>
        <source>Cannot wait for an opponent on port %1: ports below 1024 may only be used by programs with the CAP_NET_BIND_SERVICE capability (%2).

To grant it to Kelmo, run once:
sudo setcap cap_net_bind_service=+ep %3

Or let every program use ports from %1 up:
sudo sysctl net.ipv4.ip_unprivileged_port_start=%1</source>
        <translation>Не удаётся ожидать соперника на порту %1: порты ниже 1024 могут использовать только программы с привилегией CAP_NET_BIND_SERVICE (%2).

Чтобы выдать её Kelmo, выполните один раз:
sudo setcap cap_net_bind_service=+ep %3

Или разрешите всем программам использовать порты начиная с %1:
sudo sysctl net.ipv4.ip_unprivileged_port_start=%1</translation>
    </message>
</context>
</TS>
