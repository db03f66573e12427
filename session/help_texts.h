#pragma once
// The "How to play" window's texts (UTF-8), which F1 opens in every front
// end: its title, its button, and the text as the simple markup that a text
// browser and a page both show (headings, paragraphs, a list of the keys,
// bold names). Marked for translation; whoever shows one turns it into the
// player's language.

#include "options/marked_text.h"

namespace tessaro {

inline constexpr char kHelpTitle[] = TESSARO_NOOP("frmHelp", "遊び方");
inline constexpr char kHelpClose[] = TESSARO_NOOP("frmHelp", "閉じる");
// The text, as the simple markup a text browser shows: headings, paragraphs,
// a list of the keys.
inline constexpr char kHelpText[] = TESSARO_NOOP(
    "frmHelp",
    "<h3>目標</h3>"
    "<p>立方体の六つの面が、十字形の展開図として並んでいます。シャッフルされた面を、六つともそれぞれ一色に"
    "そろえると勝ちです。<b>Game &gt; Start</b> でオプションのブロック数と難易度の新しいゲームが始まり、"
    "シャッフルが終わると時計が動き出します。</p>"
    "<h3>ボタン</h3>"
    "<p>正面（十字の中央の面）と右の面のそばに、濃い色の小さなボタンがあります。正面の左右のボタンはその行を"
    "帯に沿って左右へ、正面の上下のボタンはその列を上の面と裏を通って上下へ動かします。右の面の上下のボタンは、"
    "正面のまわりの輪を回します。端の行や列を動かすと、となりの面も四分の一回ります。ボタンを押すたびに"
    "クリック回数が一つ増えます。</p>"
    "<h3>キー</h3>"
    "<ul>"
    "<li><b>Z</b>　最近の手を一手ずつ取り消します（難易度のシャッフル回数まで）。</li>"
    "<li><b>Y</b>　Z で取り消した手を、一手ずつ順にやり直します。ボタンを押したときと同じく、一回の"
    "クリックと数えます。新しい手を打つと、やり直せる手はなくなります。</li>"
    "<li><b>矢印キー</b>　最初の一回で移動ボタンに白黒の枠が付き、次からは枠をボタンからボタンへ動かします。</li>"
    "<li><b>Space</b>、<b>Enter</b>　枠の付いたボタンを押します。</li>"
    "<li><b>Esc</b>　デモ中なら、残りの手をすぐに済ませてデモを終わらせます。この説明も閉じます。</li>"
    "<li><b>Shift+S</b>　練習用の隠しコマンドです。次からのゲームのシャッフル回数（0から9999）を決めます。</li>"
    "<li><b>F1</b>　この説明を開きます。</li>"
    "</ul>"
    "<h3>記録</h3>"
    "<p><b>Game &gt; Records</b> に、ブロック数と難易度ごとの最短時間と最少クリック数が、それを出したゲームの"
    "番号とともに残ります。シャッフルしてから時計が動いていたゲームが記録になります（デモのあとのゲームは"
    "なりません）。</p>"
    "<h3>ゲーム番号</h3>"
    "<p>シャッフルしたゲームには「3-20-4093127」のような番号があります。ブロック数、シャッフルの回数、乱数の"
    "種で、同じ番号はどのパソコンでも同じシャッフルになります。<b>Game &gt; Copy game number</b> で今のゲームの"
    "番号をコピーし、<b>Game &gt; Start from number...</b> に番号を入れると、そのゲームをそのまま始められます。"
    "友達と同じシャッフルで競えます。</p>");

}  // namespace tessaro
