<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>OptionsPanel</name>
    <message>
        <source>ＯＫ</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ブロック数（N of Block）の数値が大きすぎるか小さすぎます。
半角の数字で 2 から 10 までの数を入力して下さい。</source>
        <translation>N of Block is too large or too small.
Type a number from 2 to 10 in plain digits.</translation>
    </message>
    <message>
        <source>ブロック数（N of Block）が数値になっていません。
半角の数字で 2 から 10 までの数を入力して下さい。</source>
        <translation>N of Block is not a number.
Type a number from 2 to 10 in plain digits.</translation>
    </message>
</context>
<context>
    <name>app_info</name>
    <message>
        <source>正6面体の面色合わせパズルです。3次元立方体ではなく、2次元の展開図とした各ブロックの動きを予測して解いて下さい。なお、一面のブロック数2×2－10×10まで用意しましたが、貴方は何面まで解読できましたか？</source>
        <translation>A puzzle of matching the colours of a cube&apos;s faces. Not on a solid cube but on its flat net: foresee how each block moves, and solve it. A face holds from 2×2 up to 10×10 blocks; how far can you go?</translation>
    </message>
</context>
<context>
    <name>file_error_text</name>
    <message>
        <source>書き込みまたは読み込みの権限がありません。</source>
        <translation>There is no permission to write or read it.</translation>
    </message>
    <message>
        <source>読み取り専用の場所にあります。</source>
        <translation>It is in a read-only place.</translation>
    </message>
    <message>
        <source>ディスクの空きが足りません。</source>
        <translation>The disk is full.</translation>
    </message>
    <message>
        <source>保存先のフォルダが見つかりません。</source>
        <translation>Its folder cannot be found.</translation>
    </message>
    <message>
        <source>同じ名前のフォルダがあります。</source>
        <translation>A folder of the same name is in the way.</translation>
    </message>
    <message>
        <source>通常のファイルではありません。</source>
        <translation>It is not an ordinary file.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>招き猫の絵</source>
        <translation>A beckoning cat</translation>
    </message>
    <message>
        <source>ｼｽﾃﾑ情報(&amp;S)...</source>
        <translation>&amp;System Info...</translation>
    </message>
    <message>
        <source>%1のアイコン</source>
        <extracomment>%1 is the program&apos;s name.</extracomment>
        <translation>The %1 icon</translation>
    </message>
    <message>
        <source>%1のﾊﾞｰｼﾞｮﾝ情報</source>
        <extracomment>The about window&apos;s title; %1 is the program&apos;s name.</extracomment>
        <translation>About %1</translation>
    </message>
    <message>
        <source>著作権 %1</source>
        <extracomment>%1 is who holds the rights.</extracomment>
        <translation>Copyright %1</translation>
    </message>
</context>
<context>
    <name>frmCongratulations</name>
    <message>
        <source>おめでとう</source>
        <translation>Well done!</translation>
    </message>
    <message>
        <source>ＯＫ</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>frmCube</name>
    <message>
        <source>練習用の隠しコマンド</source>
        <translation>Hidden practice command</translation>
    </message>
    <message>
        <source>半角で数値を入力して下さい<byte value="xd"/>
オプションの難易度が狂いますので<byte value="xd"/>
再設定の時びっくりしないように</source>
        <translation>Type a number of shuffle moves in plain digits<byte value="xd"/>
It changes the difficulty of the options,<byte value="xd"/>
so do not be surprised when you next set them</translation>
    </message>
    <message>
        <source>「%1」は数値として読めません。
半角の数字で、0から%2までの回数を入力して下さい。</source>
        <extracomment>%1 is what the player typed, %2 the most shuffle moves.</extracomment>
        <translation>“%1” cannot be read as a number.
Type a number of moves from 0 to %2 in plain digits.</translation>
    </message>
    <message>
        <source>シャッフルの回数は0から%1までです。
%2 は使えません。</source>
        <extracomment>%1 is the most shuffle moves, %2 the number the player typed.</extracomment>
        <translation>The number of shuffle moves is from 0 to %1.
%2 cannot be used.</translation>
    </message>
    <message>
        <source>ゲーム番号から始める</source>
        <translation>Start from a game number</translation>
    </message>
    <message>
        <source>ゲーム番号を半角で入力して下さい<byte value="xd"/>
（例: 3-20-4093127）</source>
        <translation>Type a game number<byte value="xd"/>
(for example 3-20-4093127)</translation>
    </message>
    <message>
        <source>「%1」はゲーム番号として読めません。
ゲーム番号は「3-20-4093127」のように、ブロック数、シャッフルの回数、乱数の種の三つの数を半角の数字で書き、半角の「-」でつないだものです。</source>
        <extracomment>%1 is what the player typed.</extracomment>
        <translation>“%1” cannot be read as a game number.
A game number is three numbers joined by “-”, such as “3-20-4093127”: the block count, the shuffle moves and the random seed.</translation>
    </message>
    <message>
        <source>ゲーム番号「%1」のブロック数は使えません。
ブロック数は%2から%3までです。</source>
        <extracomment>%1 is the game number typed, %2 and %3 the fewest and most blocks.</extracomment>
        <translation>The block count of game number “%1” cannot be used.
The block count is %2 to %3.</translation>
    </message>
    <message>
        <source>ゲーム番号「%1」のシャッフルの回数は使えません。
シャッフルの回数は1から%2までです。</source>
        <extracomment>%1 is the game number typed, %2 the most shuffle moves.</extracomment>
        <translation>The shuffle moves of game number “%1” cannot be used.
The shuffle moves are 1 to %2.</translation>
    </message>
    <message>
        <source>ゲーム番号「%1」の乱数の種は使えません。
乱数の種は0から%2までです。</source>
        <extracomment>%1 is the game number typed, %2 the largest seed.</extracomment>
        <translation>The random seed of game number “%1” cannot be used.
The seed is 0 to %2.</translation>
    </message>
    <message>
        <source>ゲーム番号 %1 をコピーしました</source>
        <extracomment>%1 is the game number.</extracomment>
        <translation>Game number %1 copied</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>遊び方</source>
        <translation>How to play</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>&lt;h3&gt;目標&lt;/h3&gt;&lt;p&gt;立方体の六つの面が、十字形の展開図として並んでいます。シャッフルされた面を、六つともそれぞれ一色にそろえると勝ちです。&lt;b&gt;Game &amp;gt; Start&lt;/b&gt; でオプションのブロック数と難易度の新しいゲームが始まり、シャッフルが終わると時計が動き出します。&lt;/p&gt;&lt;h3&gt;ボタン&lt;/h3&gt;&lt;p&gt;正面（十字の中央の面）と右の面のそばに、濃い色の小さなボタンがあります。正面の左右のボタンはその行を帯に沿って左右へ、正面の上下のボタンはその列を上の面と裏を通って上下へ動かします。右の面の上下のボタンは、正面のまわりの輪を回します。端の行や列を動かすと、となりの面も四分の一回ります。ボタンを押すたびにクリック回数が一つ増えます。&lt;/p&gt;&lt;h3&gt;キー&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Z&lt;/b&gt;&#x3000;最近の手を一手ずつ取り消します（難易度のシャッフル回数まで）。&lt;/li&gt;&lt;li&gt;&lt;b&gt;Y&lt;/b&gt;&#x3000;Z で取り消した手を、一手ずつ順にやり直します。ボタンを押したときと同じく、一回のクリックと数えます。新しい手を打つと、やり直せる手はなくなります。&lt;/li&gt;&lt;li&gt;&lt;b&gt;矢印キー&lt;/b&gt;&#x3000;最初の一回で移動ボタンに白黒の枠が付き、次からは枠をボタンからボタンへ動かします。&lt;/li&gt;&lt;li&gt;&lt;b&gt;Space&lt;/b&gt;、&lt;b&gt;Enter&lt;/b&gt;&#x3000;枠の付いたボタンを押します。&lt;/li&gt;&lt;li&gt;&lt;b&gt;Esc&lt;/b&gt;&#x3000;デモ中なら、残りの手をすぐに済ませてデモを終わらせます。この説明も閉じます。&lt;/li&gt;&lt;li&gt;&lt;b&gt;Shift+S&lt;/b&gt;&#x3000;練習用の隠しコマンドです。次からのゲームのシャッフル回数（0から9999）を決めます。&lt;/li&gt;&lt;li&gt;&lt;b&gt;F1&lt;/b&gt;&#x3000;この説明を開きます。&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;記録&lt;/h3&gt;&lt;p&gt;&lt;b&gt;Game &amp;gt; Records&lt;/b&gt; に、ブロック数と難易度ごとの最短時間と最少クリック数が、それを出したゲームの番号とともに残ります。シャッフルしてから時計が動いていたゲームが記録になります（デモのあとのゲームはなりません）。&lt;/p&gt;&lt;h3&gt;ゲーム番号&lt;/h3&gt;&lt;p&gt;シャッフルしたゲームには「3-20-4093127」のような番号があります。ブロック数、シャッフルの回数、乱数の種で、同じ番号はどのパソコンでも同じシャッフルになります。&lt;b&gt;Game &amp;gt; Copy game number&lt;/b&gt; で今のゲームの番号をコピーし、&lt;b&gt;Game &amp;gt; Start from number...&lt;/b&gt; に番号を入れると、そのゲームをそのまま始められます。友達と同じシャッフルで競えます。&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Goal&lt;/h3&gt;&lt;p&gt;The six faces of a cube lie flat as a cross-shaped net. Restore each of the six shuffled faces to a single colour to win. &lt;b&gt;Game &amp;gt; Start&lt;/b&gt; begins a new game with the block count and difficulty of the options; the clock starts once the shuffle is over.&lt;/p&gt;&lt;h3&gt;Buttons&lt;/h3&gt;&lt;p&gt;Small dark buttons stand beside the front face (the centre of the cross) and the face to its right. The buttons left and right of the front face move their row left or right along the band; those above and below it move their column up or down over the top and the back. The buttons above and below the right-hand face turn a ring around the front face. Moving an edge row or column turns the neighbouring face a quarter as well. Every press counts as one click.&lt;/p&gt;&lt;h3&gt;Keys&lt;/h3&gt;&lt;ul&gt;&lt;li&gt;&lt;b&gt;Z&lt;/b&gt; takes your recent moves back, one per press (as many as the difficulty has shuffle moves).&lt;/li&gt;&lt;li&gt;&lt;b&gt;Y&lt;/b&gt; makes again, one per press and in order, the moves Z took back; each counts as a click, as a press of its button does. A new move of your own drops them.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Arrow keys&lt;/b&gt;: the first one puts a black-and-white frame on a move button; the next ones move the frame from button to button.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Space&lt;/b&gt;, &lt;b&gt;Enter&lt;/b&gt; press the framed button.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Esc&lt;/b&gt; ends a demonstration at once, making the moves still to come. It also closes this help.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Shift+S&lt;/b&gt; is a hidden practice command: it sets the shuffle moves (0 to 9999) of the following games.&lt;/li&gt;&lt;li&gt;&lt;b&gt;F1&lt;/b&gt; opens this help.&lt;/li&gt;&lt;/ul&gt;&lt;h3&gt;Records&lt;/h3&gt;&lt;p&gt;&lt;b&gt;Game &amp;gt; Records&lt;/b&gt; keeps, for each block count and difficulty, the best time and the fewest clicks, with the numbers of the games that set them. A game counts when it was shuffled and its clock ran from the start (not after a demonstration).&lt;/p&gt;&lt;h3&gt;Game numbers&lt;/h3&gt;&lt;p&gt;Every shuffled game has a number such as “3-20-4093127”: the block count, the shuffle moves and the random seed. The same number gives the same shuffle on every computer. &lt;b&gt;Game &amp;gt; Copy game number&lt;/b&gt; copies the running game&apos;s number; type a number into &lt;b&gt;Game &amp;gt; Start from number...&lt;/b&gt; to start exactly that game, and race a friend on the same shuffle.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>frmRecords</name>
    <message>
        <source>%1回</source>
        <extracomment>A number of shuffle moves or of clicks in the records list.</extracomment>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1時間%2分%3秒</source>
        <extracomment>A time in the records list: %1 hours, %2 minutes, %3 seconds, two digits each.</extracomment>
        <translation>%1:%2:%3</translation>
    </message>
    <message>
        <source>記録</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>ブロック数</source>
        <translation>Blocks</translation>
    </message>
    <message>
        <source>難易度</source>
        <translation>Shuffle moves</translation>
    </message>
    <message>
        <source>最短時間</source>
        <translation>Best time</translation>
    </message>
    <message>
        <source>最少クリック数</source>
        <translation>Fewest clicks</translation>
    </message>
    <message>
        <source>記録の一覧</source>
        <translation>List of records</translation>
    </message>
    <message>
        <source>まだ記録はありません。
難易度のあるゲームを解くと、ブロック数と難易度ごとに
最短時間と最少クリック数がここに残ります。</source>
        <translation>No records yet.
Win a game with a difficulty, and the best time and the fewest clicks
for its block count and difficulty are kept here.</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>ゲーム番号</source>
        <translation>Game number</translation>
    </message>
    <message>
        <source>不明</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>★ は最後に記録を更新したゲームです。</source>
        <translation>★ marks the latest game that set a record.</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>作&#x3000;者&#x3000;%1</source>
        <extracomment>The author&apos;s line; %1 is the author.</extracomment>
        <translation>By %1</translation>
    </message>
</context>
<context>
    <name>game_texts</name>
    <message>
        <source>現在全色一致している面数は&#x3000;%1&#x3000;面です</source>
        <extracomment>%1 is how many faces are of one colour.</extracomment>
        <translation>Faces of one colour: %1</translation>
    </message>
    <message>
        <source>所要時間&#x3000;%1時間%2分%3秒&#x3000;です</source>
        <extracomment>The time a game has taken: %1 hours, %2 minutes and %3 seconds, two digits each.</extracomment>
        <translation>Time taken: %1:%2:%3</translation>
    </message>
    <message>
        <source>今までのクリック回数は&#x3000;%1&#x3000;回です</source>
        <extracomment>%1 is how many times the player has clicked.</extracomment>
        <translation>Clicks so far: %1</translation>
    </message>
    <message>
        <source>ゲームはまだ始まっていません</source>
        <translation>No game has started yet</translation>
    </message>
    <message>
        <source>%1。%2</source>
        <extracomment>A screen reader&apos;s announcement: %1 is the move just made (a move button&apos;s name), %2 the solved faces sentence.</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>取り消し、%1</source>
        <extracomment>A screen reader&apos;s announcement: %1 is the move taken back, with the solved faces sentence.</extracomment>
        <translation>Taken back: %1</translation>
    </message>
    <message>
        <source>ゲーム開始。%1</source>
        <extracomment>A screen reader&apos;s announcement: %1 is the solved faces sentence.</extracomment>
        <translation>Game started. %1</translation>
    </message>
    <message>
        <source>全ての面がそろいました。%1。%2</source>
        <extracomment>A screen reader&apos;s announcement: %1 is the clicks sentence, %2 the time sentence.</extracomment>
        <translation>Every face is of one colour. %1. %2</translation>
    </message>
    <message>
        <source>上の面</source>
        <translation>Top face</translation>
    </message>
    <message>
        <source>左端の面</source>
        <extracomment>The face at the left end of the net&apos;s band of four.</extracomment>
        <translation>Left end face</translation>
    </message>
    <message>
        <source>左の面</source>
        <translation>Left face</translation>
    </message>
    <message>
        <source>正面</source>
        <translation>Front face</translation>
    </message>
    <message>
        <source>右の面</source>
        <translation>Right face</translation>
    </message>
    <message>
        <source>下の面</source>
        <translation>Bottom face</translation>
    </message>
    <message>
        <source>緑</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>赤</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>青</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>黄</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <source>水色</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>赤紫</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>%1行目%2列目</source>
        <extracomment>A block&apos;s place on its face: row %1, column %2.</extracomment>
        <translation>Row %1, column %2</translation>
    </message>
    <message>
        <source>%1行目を左へ</source>
        <extracomment>A move button&apos;s name: %1 is the row it moves.</extracomment>
        <translation>Row %1 left</translation>
    </message>
    <message>
        <source>%1行目を右へ</source>
        <extracomment>A move button&apos;s name: %1 is the row it moves.</extracomment>
        <translation>Row %1 right</translation>
    </message>
    <message>
        <source>%1列目を上へ</source>
        <extracomment>A move button&apos;s name: %1 is the column it moves.</extracomment>
        <translation>Column %1 up</translation>
    </message>
    <message>
        <source>%1列目を下へ</source>
        <extracomment>A move button&apos;s name: %1 is the column it moves.</extracomment>
        <translation>Column %1 down</translation>
    </message>
    <message>
        <source>右の面の%1列目を上へ</source>
        <extracomment>A move button&apos;s name: %1 is the column of the right-hand face that it turns around the centre face.</extracomment>
        <translation>Right face column %1 up</translation>
    </message>
    <message>
        <source>右の面の%1列目を下へ</source>
        <extracomment>A move button&apos;s name: %1 is the column of the right-hand face that it turns around the centre face.</extracomment>
        <translation>Right face column %1 down</translation>
    </message>
    <message>
        <source>ただいまデモ中につき自動操作中</source>
        <translation>Demonstration: the game plays by itself</translation>
    </message>
    <message>
        <source>展開図</source>
        <translation>Cube net</translation>
    </message>
    <message>
        <source>一色にそろっています</source>
        <translation>All one colour</translation>
    </message>
    <message>
        <source>やり直し、%1</source>
        <extracomment>A screen reader&apos;s announcement: %1 is the move made again, with the solved faces sentence.</extracomment>
        <translation>Redone, %1</translation>
    </message>
</context>
<context>
    <name>net_accessible</name>
    <message>
        <source>所要時間</source>
        <extracomment>The clock label&apos;s name for screen readers.</extracomment>
        <translation>Time taken</translation>
    </message>
</context>
<context>
    <name>no_display</name>
    <message>
        <source>DISPLAY が設定されていないため X のディスプレイに接続できません</source>
        <translation>cannot connect to an X display, as DISPLAY is not set</translation>
    </message>
    <message>
        <source>X のディスプレイ「%1」に接続できません</source>
        <extracomment>%1 is the X display&apos;s name.</extracomment>
        <translation>cannot connect to the X display “%1”</translation>
    </message>
    <message>
        <source>Wayland のディスプレイ「%1」に接続できません</source>
        <extracomment>%1 is the Wayland display&apos;s name.</extracomment>
        <translation>cannot connect to the Wayland display “%1”</translation>
    </message>
    <message>
        <source>表示方式「%1」を使えません</source>
        <extracomment>%1 is the name of Qt&apos;s platform plugin.</extracomment>
        <translation>cannot use the display platform “%1”</translation>
    </message>
    <message>
        <source>%1: 画面を開けません。</source>
        <extracomment>%1 is the program&apos;s name.</extracomment>
        <translation>%1: cannot open a display.</translation>
    </message>
    <message>
        <source>。</source>
        <extracomment>What stands between two of the displays tried in the line below.</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>%1: 画面を開けません: %2。</source>
        <extracomment>%1 is the program&apos;s name, %2 every display tried, each as one of the sentences above.</extracomment>
        <translation>%1: cannot open a display: %2.</translation>
    </message>
</context>
<context>
    <name>options_file</name>
    <message>
        <source>ファイルがありません。このフォルダには書き込めないため、作ることもできません。</source>
        <translation>The file is not there, and it cannot be made, as its folder cannot be written.</translation>
    </message>
    <message>
        <source>オプションを保存できませんでした。
%1
%2
設定はこの実行中だけ有効です。</source>
        <extracomment>%1 is the options file, %2 why it could not be saved.</extracomment>
        <translation>The options could not be saved.
%1
%2
The settings last for this run only.</translation>
    </message>
    <message>
        <source>オプションを読み込めませんでした。
%1
%2
今ある設定のまま続けます。</source>
        <extracomment>%1 is the options file, %2 why it could not be read.</extracomment>
        <translation>The options could not be read.
%1
%2
The game goes on with the settings it has.</translation>
    </message>
</context>
<context>
    <name>page_texts</name>
    <message>
        <source>ブラウザーの保存領域「%1」</source>
        <extracomment>%1 is the name the page keeps the options or the records under.</extracomment>
        <translation>Browser storage “%1”</translation>
    </message>
    <message>
        <source>このブラウザーでは保存領域を使えません（プライベートウィンドウ、容量の不足など）。</source>
        <translation>The browser&apos;s storage cannot be used here (a private window, a full quota, ...).</translation>
    </message>
    <message>
        <source>10バイトのオプションの記録として読めません。</source>
        <translation>It cannot be read as the 10-byte options record.</translation>
    </message>
    <message>
        <source>%1のロゴ</source>
        <extracomment>The splash&apos;s picture; %1 is the program&apos;s name.</extracomment>
        <translation>The %1 logo</translation>
    </message>
    <message>
        <source>記録の保存先: %1</source>
        <extracomment>%1 is where the records are kept.</extracomment>
        <translation>Records kept in: %1</translation>
    </message>
</context>
<context>
    <name>records_store</name>
    <message>
        <source>記録を保存する場所がありません（環境変数 HOME も XDG_DATA_HOME も使えません）。
記録はこの実行中だけ残ります。</source>
        <translation>There is no place to save the records (neither HOME nor XDG_DATA_HOME can be used).
The records last for this run only.</translation>
    </message>
    <message>
        <source>記録ファイルを読めませんでした。
%1
%2
</source>
        <extracomment>%1 is the records file, %2 why it could not be read; what the game does about it follows.</extracomment>
        <translation>The records file could not be read.
%1
%2
</translation>
    </message>
    <message>
        <source>このファイルは「%1」として同じフォルダに残し、記録は新しいファイルに始めました。オプションには影響しません。</source>
        <extracomment>%1 is the new name of the file that could not be read.</extracomment>
        <translation>The file is kept in the same folder as “%1”, and the records began a new file. The options are not affected.</translation>
    </message>
    <message>
        <source>記録を保存できませんでした。
%1
%2
それまでの記録ファイルはそのまま残っています。今回の記録はこの実行中だけ有効で、次に記録を更新したときにもう一度保存します。</source>
        <extracomment>%1 is the records file, %2 why it could not be saved.</extracomment>
        <translation>The records could not be saved.
%1
%2
The records file is still as it was. This record lasts for this run only; the game saves it again at the next record.</translation>
    </message>
    <message>
        <source>記録の保存先がないため、記録はこの実行中だけ残ります。</source>
        <translation>There is no place to save the records, so they last for this run only.</translation>
    </message>
    <message>
        <source>最新の記録はまだ保存できていません: %1</source>
        <extracomment>%1 is the records file.</extracomment>
        <translation>The latest records are not saved yet: %1</translation>
    </message>
    <message>
        <source>読めなかった記録ファイルはそのまま残しています: %1</source>
        <extracomment>%1 is the records file.</extracomment>
        <translation>The records file that could not be read is left as it is: %1</translation>
    </message>
    <message>
        <source>記録ファイル: %1</source>
        <extracomment>%1 is the records file.</extracomment>
        <translation>Records file: %1</translation>
    </message>
    <message>
        <source>記録は空の表から始めます。このファイルには手を付けず、次に記録を保存するときに「%1」のような名前で同じフォルダに残します。オプションには影響しません。</source>
        <extracomment>%1 is the kind of name the file will be kept under, e.g. records-bad-1.txt.</extracomment>
        <translation>The records start from an empty list. The file is left as it is; when a record is next saved, it is kept in the same folder under a name such as “%1”. The options are not affected.</translation>
    </message>
</context>
<context>
    <name>records_text</name>
    <message>
        <source>このゲームの記録ファイルの形式ではありません。</source>
        <translation>It is not a records file of this game.</translation>
    </message>
    <message>
        <source>新しい版のゲームが書いた記録ファイルです。</source>
        <translation>A newer version of the game wrote it.</translation>
    </message>
    <message>
        <source>ファイルが途中で切れています。</source>
        <translation>The file is cut short.</translation>
    </message>
    <message>
        <source>%1行目が記録として読めません。</source>
        <extracomment>%1 is a line number of the records file.</extracomment>
        <translation>Line %1 cannot be read as a record.</translation>
    </message>
    <message>
        <source>%1行目の記録は、同じブロック数と難易度で二度目です。</source>
        <extracomment>%1 is a line number of the records file.</extracomment>
        <translation>Line %1 is a second record for the same block count and difficulty.</translation>
    </message>
    <message>
        <source>記録ファイルとしては大きすぎます。</source>
        <translation>It is too large for a records file.</translation>
    </message>
</context>
<context>
    <name>startup</name>
    <message>
        <source>この使い方を表示して終わります。</source>
        <translation>Show this help and exit.</translation>
    </message>
    <message>
        <source>バージョンを表示して終わります。</source>
        <translation>Show the version and exit.</translation>
    </message>
    <message>
        <source>%1: 不明なオプションです: %2</source>
        <extracomment>%1 is the program&apos;s name, %2 the option as typed.</extracomment>
        <translation>%1: unknown option: %2</translation>
    </message>
    <message>
        <source>%1: コマンドラインを読めません: %2</source>
        <extracomment>%1 is the program&apos;s name, %2 what Qt&apos;s parser says is wrong.</extracomment>
        <translation>%1: cannot read the command line: %2</translation>
    </message>
    <message>
        <source>%1: このゲームは引数を取りません: %2</source>
        <extracomment>%1 is the program&apos;s name, %2 the argument as typed.</extracomment>
        <translation>%1: the game takes no arguments: %2</translation>
    </message>
    <message>
        <source>使い方は「%1 --help」で表示します。</source>
        <extracomment>%1 is the program&apos;s name.</extracomment>
        <translation>Try &apos;%1 --help&apos; for more information.</translation>
    </message>
    <message>
        <source>
キーと設定ファイルの置き場所はマニュアル (man 6 tessaro) にあります。
</source>
        <translation>
The keys, and where the options are kept, are in the manual (man 6 tessaro).
</translation>
    </message>
    <message>
        <source>%1: 標準出力に書き込めません</source>
        <extracomment>%1 is the program&apos;s name; the system&apos;s reason may follow.</extracomment>
        <translation>%1: cannot write to the standard output</translation>
    </message>
</context>
<context>
    <name>sys_info</name>
    <message>
        <source>現時点ではｼｽﾃﾑ情報を使用できません</source>
        <translation>System information is not available now</translation>
    </message>
</context>
<context>
    <name>version_text</name>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ %1.%2.%3</source>
        <extracomment>The version: major, minor and revision.</extracomment>
        <translation>Version %1.%2.%3</translation>
    </message>
</context>
</TS>
