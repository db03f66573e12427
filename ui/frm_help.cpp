#include "ui/frm_help.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <algorithm>

#include "options/marked_text.h"
#include "ui/game_language.h"

namespace tessaro {

namespace {

constexpr char kHelpTitle[] = TESSARO_NOOP("frmHelp", "遊び方");
constexpr char kHelpClose[] = TESSARO_NOOP("frmHelp", "閉じる");
// The text, as the simple markup a text browser shows: headings, paragraphs,
// a list of the keys.
constexpr char kHelpText[] = TESSARO_NOOP(
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

// Wide enough for about this many ideographs a line.
constexpr int kLineLength = 34;

}  // namespace

frmHelp::frmHelp(QWidget* parent) : QDialog(parent) {
    setWindowTitle(Tr("frmHelp", kHelpTitle));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    txtHelp = new QTextBrowser(this);
    txtHelp->setObjectName(QStringLiteral("txtHelp"));
    txtHelp->setAccessibleName(Tr("frmHelp", kHelpTitle));
    txtHelp->setOpenLinks(false);
    txtHelp->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtHelp->setHtml(Tr("frmHelp", kHelpText));

    cmdOK = new QPushButton(Tr("frmHelp", kHelpClose), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    // As wide as a comfortable line in the player's font, as high as the
    // whole text, within most of the screen; the text scrolls beyond that.
    const QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
    const QRect room = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 800, 600);
    const int frame = 2 * txtHelp->frameWidth();
    const int bar = txtHelp->verticalScrollBar()->sizeHint().width();
    const int width = std::min(kLineLength * txtHelp->fontMetrics().horizontalAdvance(QChar(0x3042)) + frame,
                               room.width() * 4 / 5);
    txtHelp->document()->setTextWidth(width - frame);
    const int whole = static_cast<int>(txtHelp->document()->size().height()) + frame;
    const int most = room.height() * 3 / 5;
    // A text that scrolls has the scroll bar beside it, not over it.
    txtHelp->setFixedSize(whole > most ? width + bar : width, std::min(whole, most));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txtHelp);
    layout->addWidget(cmdOK, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // The text first: a screen reader reads it, and the arrow keys scroll it.
    txtHelp->setFocus();
}

}  // namespace tessaro
