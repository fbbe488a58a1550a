<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>BoardArea</name>
    <message>
        <source>Board</source>
        <translation>棋盘</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>游戏</translation>
    </message>
</context>
<context>
    <name>BoardCell</name>
    <message>
        <source>Top left</source>
        <translation>左上</translation>
    </message>
    <message>
        <source>Top centre</source>
        <translation>中上</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>右上</translation>
    </message>
    <message>
        <source>Middle left</source>
        <translation>左中</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>中央</translation>
    </message>
    <message>
        <source>Middle right</source>
        <translation>右中</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>左下</translation>
    </message>
    <message>
        <source>Bottom centre</source>
        <translation>中下</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>右下</translation>
    </message>
    <message>
        <source>Row %1, column %2. Press %3 to play here.</source>
        <translation>第 %1 行，第 %2 列。按 %3 在此落子。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Row %1, column %2.</source>
        <translation>第 %1 行，第 %2 列。</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Noughts and crosses for one or two players, or over the network.
Kelmo also takes the options common to Qt programs, such as -platform and -style.</source>
        <translation>井字棋，可供一人或两人游玩，也可通过网络对战。
Kelmo 还接受 Qt 程序通用的选项，例如 -platform 和 -style。</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>显示此帮助并退出。</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>显示版本并退出。</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>意外的参数“%1”。</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2
请尝试执行“%1 --help”来获取更多信息。
</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>用法：%1 [选项]</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>The two boards are out of step. Choose New to start again on both.</source>
        <translation>两个棋盘不同步。请选择“新游戏”，在双方重新开始。</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>错误</translation>
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
        <translation>空</translation>
    </message>
    <message>
        <source>X, struck</source>
        <translation>X，已被划线</translation>
    </message>
    <message>
        <source>O, struck</source>
        <translation>O，已被划线</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>游戏(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新游戏(&amp;N)</translation>
    </message>
    <message>
        <source>Normal Mode</source>
        <translation>普通模式</translation>
    </message>
    <message>
        <source>  One Player</source>
        <translation>  单人游戏</translation>
    </message>
    <message>
        <source>  Two Players</source>
        <translation>  双人游戏</translation>
    </message>
    <message>
        <source>Network Mode</source>
        <translation>网络模式</translation>
    </message>
    <message>
        <source>  Waiting for Connection</source>
        <translation>  等待连接</translation>
    </message>
    <message>
        <source>  Connect to Opponent</source>
        <translation>  连接对手</translation>
    </message>
    <message>
        <source>&amp;ComMove</source>
        <translation>电脑走棋(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>Input IP Address to Connect</source>
        <translation>输入要连接的 IP 地址</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>你赢了</translation>
    </message>
    <message>
        <source>X Win</source>
        <translation>X 获胜</translation>
    </message>
    <message>
        <source>O Win</source>
        <translation>O 获胜</translation>
    </message>
    <message>
        <source>No opponent is connected yet.</source>
        <translation>尚未有对手连接。</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>你输了</translation>
    </message>
    <message>
        <source>The board is full: a draw.</source>
        <translation>棋盘已满：平局。</translation>
    </message>
    <message>
        <source>Games found on the local network</source>
        <translation>在局域网中找到的游戏</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>游戏</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>地址</translation>
    </message>
    <message>
        <source>%1 Connected %2</source>
        <translation>%1 已与 %2 连接</translation>
    </message>
    <message>
        <source>%1 Waiting...</source>
        <translation>%1 等待中...</translation>
    </message>
    <message>
        <source>IP Address %1</source>
        <translation>IP 地址 %1</translation>
    </message>
    <message>
        <source>%1 Connecting</source>
        <translation>%1 正在连接</translation>
    </message>
    <message>
        <source>%1, %2.</source>
        <translation>%1，%2。</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>About %1</source>
        <translation>关于 %1</translation>
    </message>
    <message>
        <source>BY : The Kelmo developers</source>
        <translation>作者：Kelmo 开发者</translation>
    </message>
    <message>
        <source>E-MAIL : kelmo@example.org</source>
        <translation>电子邮件：kelmo@example.org</translation>
    </message>
    <message>
        <source>URL : kelmo.example.org</source>
        <translation>网址：kelmo.example.org</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>HostLookup</name>
    <message>
        <source>Winsock Not Responting</source>
        <translation>Winsock 没有响应</translation>
    </message>
    <message>
        <source>Version Sockets = %1.%2Too Lo</source>
        <translation>Sockets 版本 = %1.%2，过低</translation>
    </message>
    <message>
        <source>Windows Not Responting</source>
        <translation>Windows 没有响应</translation>
    </message>
    <message>
        <source>Want Winsock at less = %1</source>
        <translation>所需 Winsock 最低版本 = %1</translation>
    </message>
    <message>
        <source>Windows Sockets Error : %1</source>
        <translation>Windows Sockets 错误：%1</translation>
    </message>
</context>
<context>
    <name>MoveExchange</name>
    <message>
        <source>No greeting came from %1 within %2 second: it is busy with another game, or is not a Kelmo game.</source>
        <translation>%2 秒内未收到 %1 的问候：对方正在进行另一局游戏，或者不是 Kelmo 游戏。</translation>
    </message>
    <message>
        <source>No greeting came from %1 within %2 seconds: it is busy with another game, or is not a Kelmo game.</source>
        <translation>%2 秒内未收到 %1 的问候：对方正在进行另一局游戏，或者不是 Kelmo 游戏。</translation>
    </message>
    <message>
        <source>%1 is busy with another game, or is not a Kelmo game.</source>
        <translation>%1 正在进行另一局游戏，或者不是 Kelmo 游戏。</translation>
    </message>
    <message>
        <source>The opponent has left the game.</source>
        <translation>对手已离开游戏。</translation>
    </message>
    <message>
        <source>The connection to the opponent was lost: %1.</source>
        <translation>与对手的连接已断开：%1。</translation>
    </message>
</context>
<context>
    <name>Winsock</name>
    <message>
        <source>Cannot accept the connection: request %1 is not waiting.</source>
        <translation>无法接受连接：请求 %1 不在等待状态。</translation>
    </message>
    <message>
        <source>Cannot connect to an opponent: no address was given.</source>
        <translation>无法连接对手：未提供地址。</translation>
    </message>
    <message>
        <source>Cannot connect to %1: that is not a valid address.</source>
        <translation>无法连接到 %1：这不是有效的地址。</translation>
    </message>
    <message>
        <source>Cannot connect to %1: no answer within %2 second.</source>
        <translation>无法连接到 %1：%2 秒内没有应答。</translation>
    </message>
    <message>
        <source>Cannot connect to %1: no answer within %2 seconds.</source>
        <translation>无法连接到 %1：%2 秒内没有应答。</translation>
    </message>
    <message>
        <source>Cannot connect to %1: %2.</source>
        <translation>无法连接到 %1：%2。</translation>
    </message>
    <message>
        <source>The move was not sent: no opponent is connected.</source>
        <translation>这步棋未发送：没有已连接的对手。</translation>
    </message>
    <message>
        <source>The move was not sent: %1.</source>
        <translation>这步棋未发送：%1。</translation>
    </message>
    <message>
        <source>Cannot wait for an opponent on port %1: %2.</source>
        <translation>无法在端口 %1 上等待对手：%2.</translation>
    </message>
    <message>
        <source>Cannot wait for an opponent on port %1: ports below 1024 may only be used by programs with the CAP_NET_BIND_SERVICE capability (%2).

To grant it to Kelmo, run once:
sudo setcap cap_net_bind_service=+ep %3

Or let every program use ports from %1 up:
sudo sysctl net.ipv4.ip_unprivileged_port_start=%1</source>
        <translation>无法在端口 %1 上等待对手：只有具备 CAP_NET_BIND_SERVICE 能力的程序才能使用 1024 以下的端口（%2）。

要将此能力授予 Kelmo，请运行一次：
sudo setcap cap_net_bind_service=+ep %3

或者允许所有程序使用 %1 及以上的端口：
sudo sysctl net.ipv4.ip_unprivileged_port_start=%1</translation>
    </message>
</context>
</TS>
