<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>BoardArea</name>
    <message>
        <source>Board</source>
        <translation>盤面</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>ゲーム</translation>
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
        <translation>上中央</translation>
    </message>
    <message>
        <source>Top right</source>
        <translation>右上</translation>
    </message>
    <message>
        <source>Middle left</source>
        <translation>左中央</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>中央</translation>
    </message>
    <message>
        <source>Middle right</source>
        <translation>右中央</translation>
    </message>
    <message>
        <source>Bottom left</source>
        <translation>左下</translation>
    </message>
    <message>
        <source>Bottom centre</source>
        <translation>下中央</translation>
    </message>
    <message>
        <source>Bottom right</source>
        <translation>右下</translation>
    </message>
    <message>
        <source>Row %1, column %2. Press %3 to play here.</source>
        <translation>%1 行 %2 列。%3 キーを押すとここに置きます。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Row %1, column %2.</source>
        <translation>%1 行 %2 列。</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Noughts and crosses for one or two players, or over the network.
Kelmo also takes the options common to Qt programs, such as -platform and -style.</source>
        <translation>1 人または 2 人で、あるいはネットワーク越しに遊べる三目並べです。
Kelmo は -platform や -style など、Qt プログラム共通のオプションも受け付けます。</translation>
    </message>
    <message>
        <source>Shows this help and exits.</source>
        <translation>このヘルプを表示して終了します。</translation>
    </message>
    <message>
        <source>Shows the version and exits.</source>
        <translation>バージョンを表示して終了します。</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>予期しない引数「%1」です。</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2
詳しくは「%1 --help」を実行してください。
</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>使い方: %1 [オプション]</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>The two boards are out of step. Choose New to start again on both.</source>
        <translation>2 つの盤面が食い違っています。「新規」を選んで、両方で最初からやり直してください。</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>エラー</translation>
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
        <translation>空き</translation>
    </message>
    <message>
        <source>X, struck</source>
        <translation>X、線が引かれています</translation>
    </message>
    <message>
        <source>O, struck</source>
        <translation>O、線が引かれています</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>ゲーム(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新規(&amp;N)</translation>
    </message>
    <message>
        <source>Normal Mode</source>
        <translation>通常モード</translation>
    </message>
    <message>
        <source>  One Player</source>
        <translation>  1 人プレイ</translation>
    </message>
    <message>
        <source>  Two Players</source>
        <translation>  2 人プレイ</translation>
    </message>
    <message>
        <source>Network Mode</source>
        <translation>ネットワークモード</translation>
    </message>
    <message>
        <source>  Waiting for Connection</source>
        <translation>  接続を待つ</translation>
    </message>
    <message>
        <source>  Connect to Opponent</source>
        <translation>  対戦相手に接続</translation>
    </message>
    <message>
        <source>&amp;ComMove</source>
        <translation>コンピューターの手(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>バージョン情報(&amp;A)</translation>
    </message>
    <message>
        <source>Input IP Address to Connect</source>
        <translation>接続先の IP アドレスを入力してください</translation>
    </message>
    <message>
        <source>You Win</source>
        <translation>あなたの勝ち</translation>
    </message>
    <message>
        <source>X Win</source>
        <translation>X の勝ち</translation>
    </message>
    <message>
        <source>O Win</source>
        <translation>O の勝ち</translation>
    </message>
    <message>
        <source>No opponent is connected yet.</source>
        <translation>対戦相手がまだ接続していません。</translation>
    </message>
    <message>
        <source>You Lose</source>
        <translation>あなたの負け</translation>
    </message>
    <message>
        <source>The board is full: a draw.</source>
        <translation>盤面が埋まりました: 引き分けです。</translation>
    </message>
    <message>
        <source>Games found on the local network</source>
        <translation>ローカルネットワークで見つかったゲーム</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>ゲーム</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>アドレス</translation>
    </message>
    <message>
        <source>%1 Connected %2</source>
        <translation>%1 は %2 と接続済み</translation>
    </message>
    <message>
        <source>%1 Waiting...</source>
        <translation>%1 待機中...</translation>
    </message>
    <message>
        <source>IP Address %1</source>
        <translation>IP アドレス %1</translation>
    </message>
    <message>
        <source>%1 Connecting</source>
        <translation>%1 接続中</translation>
    </message>
    <message>
        <source>%1, %2.</source>
        <translation>%1、%2。</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>About %1</source>
        <translation>%1 について</translation>
    </message>
    <message>
        <source>BY : The Kelmo developers</source>
        <translation>作者: Kelmo 開発者一同</translation>
    </message>
    <message>
        <source>E-MAIL : kelmo@example.org</source>
        <translation>メール: kelmo@example.org</translation>
    </message>
    <message>
        <source>URL : kelmo.example.org</source>
        <translation>ウェブサイト: kelmo.example.org</translation>
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
        <translation>Winsock が応答しません</translation>
    </message>
    <message>
        <source>Version Sockets = %1.%2Too Lo</source>
        <translation>Sockets のバージョン = %1.%2、低すぎます</translation>
    </message>
    <message>
        <source>Windows Not Responting</source>
        <translation>Windows が応答しません</translation>
    </message>
    <message>
        <source>Want Winsock at less = %1</source>
        <translation>必要な Winsock の最低バージョン = %1</translation>
    </message>
    <message>
        <source>Windows Sockets Error : %1</source>
        <translation>Windows Sockets エラー: %1</translation>
    </message>
</context>
<context>
    <name>MoveExchange</name>
    <message>
        <source>No greeting came from %1 within %2 second: it is busy with another game, or is not a Kelmo game.</source>
        <translation>%2 秒以内に %1 からあいさつがありませんでした。別のゲーム中か、Kelmo のゲームではありません。</translation>
    </message>
    <message>
        <source>No greeting came from %1 within %2 seconds: it is busy with another game, or is not a Kelmo game.</source>
        <translation>%2 秒以内に %1 からあいさつがありませんでした。別のゲーム中か、Kelmo のゲームではありません。</translation>
    </message>
    <message>
        <source>%1 is busy with another game, or is not a Kelmo game.</source>
        <translation>%1 は別のゲーム中か、Kelmo のゲームではありません。</translation>
    </message>
    <message>
        <source>The opponent has left the game.</source>
        <translation>対戦相手がゲームから退出しました。</translation>
    </message>
    <message>
        <source>The connection to the opponent was lost: %1.</source>
        <translation>対戦相手との接続が切れました: %1。</translation>
    </message>
</context>
<context>
    <name>Winsock</name>
    <message>
        <source>Cannot accept the connection: request %1 is not waiting.</source>
        <translation>接続を受け入れられません: 要求 %1 は待機中ではありません。</translation>
    </message>
    <message>
        <source>Cannot connect to an opponent: no address was given.</source>
        <translation>対戦相手に接続できません: アドレスが指定されていません。</translation>
    </message>
    <message>
        <source>Cannot connect to %1: that is not a valid address.</source>
        <translation>%1 に接続できません: 有効なアドレスではありません。</translation>
    </message>
    <message>
        <source>Cannot connect to %1: no answer within %2 second.</source>
        <translation>%1 に接続できません: %2 秒以内に応答がありません。</translation>
    </message>
    <message>
        <source>Cannot connect to %1: no answer within %2 seconds.</source>
        <translation>%1 に接続できません: %2 秒以内に応答がありません。</translation>
    </message>
    <message>
        <source>Cannot connect to %1: %2.</source>
        <translation>%1 に接続できません: %2。</translation>
    </message>
    <message>
        <source>The move was not sent: no opponent is connected.</source>
        <translation>手を送信できませんでした: 対戦相手が接続していません。</translation>
    </message>
    <message>
        <source>The move was not sent: %1.</source>
        <translation>手を送信できませんでした: %1。</translation>
    </message>
    <message>
        <source>Cannot wait for an opponent on port %1: %2.</source>
        <translation>ポート %1 で対戦相手を待機できません: %2.</translation>
    </message>
    <message>
        <source>Cannot wait for an opponent on port %1: ports below 1024 may only be used by programs with the CAP_NET_BIND_SERVICE capability (%2).

To grant it to Kelmo, run once:
sudo setcap cap_net_bind_service=+ep %3

Or let every program use ports from %1 up:
sudo sysctl net.ipv4.ip_unprivileged_port_start=%1</source>
        <translation>ポート %1 で対戦相手を待機できません: 1024 未満のポートは、CAP_NET_BIND_SERVICE ケーパビリティを持つプログラムしか使用できません (%2)。

Kelmo にこれを付与するには、次のコマンドを一度実行してください:
sudo setcap cap_net_bind_service=+ep %3

または、すべてのプログラムが %1 以上のポートを使えるようにします:
sudo sysctl net.ipv4.ip_unprivileged_port_start=%1</translation>
    </message>
</context>
</TS>
