#include "ui/frm_records.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "options/difficulty_words.h"
#include "ui/game_language.h"

namespace tessaro {

namespace {

enum Column { kMarkColumn, kBlocksColumn, kMovesColumn, kTimeColumn, kClicksColumn, kColumns };

const QString kMark = QStringLiteral("★");
constexpr int kMostRowsShown = 12;  // a longer list scrolls

//: A number of shuffle moves or of clicks in the records list.
QString TimesText(std::int32_t times) { return Tr("frmRecords", "%1回").arg(times); }

QString MovesText(std::int32_t moves) {
    QString text = TimesText(moves);
    if (const auto word = DifficultyWordForMoves(moves))
        text += QStringLiteral(" (%1)").arg(QString::fromUtf8(word->data(), static_cast<qsizetype>(word->size())));
    return text;
}

// "00時間01分05秒", as the game's clock shows it, but the hours run on past a day.
QString RecordTimeText(std::int32_t seconds) {
    const std::int32_t s = std::max(seconds, 0);
    //: A time in the records list: %1 hours, %2 minutes, %3 seconds, two digits each.
    return Tr("frmRecords", "%1時間%2分%3秒")
        .arg(s / 3600, 2, 10, QLatin1Char('0'))
        .arg(s / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(s % 60, 2, 10, QLatin1Char('0'));
}

QTableWidgetItem* Cell(const QString& text, bool marked, Qt::Alignment alignment) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsEnabled);
    if (marked) {
        QFont font = item->font();
        font.setBold(true);
        item->setFont(font);
    }
    return item;
}

}  // namespace

frmRecords::frmRecords(const RecordsTable& table, const QString& status, QWidget* parent) : QDialog(parent) {
    setWindowTitle(Tr("frmRecords", "記録"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    grdRecords = new QTableWidget(static_cast<int>(table.entries.size()), kColumns, this);
    grdRecords->setHorizontalHeaderLabels({QString(), Tr("frmRecords", "ブロック数"), Tr("frmRecords", "難易度"),
                                           Tr("frmRecords", "最短時間"), Tr("frmRecords", "最少クリック数")});
    grdRecords->setAccessibleName(Tr("frmRecords", "記録の一覧"));
    grdRecords->verticalHeader()->hide();
    grdRecords->setSelectionMode(QAbstractItemView::NoSelection);
    grdRecords->setEditTriggers(QAbstractItemView::NoEditTriggers);
    int row = 0;
    for (const auto& [key, best] : table.entries) {
        const bool marked = table.last == key;
        grdRecords->setItem(row, kMarkColumn, Cell(marked ? kMark : QString(), marked, Qt::AlignHCenter));
        grdRecords->setItem(row, kBlocksColumn,
                            Cell(QStringLiteral("%1×%1").arg(key.blockN), marked, Qt::AlignHCenter));
        grdRecords->setItem(row, kMovesColumn, Cell(MovesText(key.difficulty), marked, Qt::AlignLeft));
        grdRecords->setItem(row, kTimeColumn, Cell(RecordTimeText(best.seconds), marked, Qt::AlignRight));
        grdRecords->setItem(row, kClicksColumn, Cell(TimesText(best.clicks), marked, Qt::AlignRight));
        ++row;
    }
    // The list shows every column, and up to a dozen rows before it
    // scrolls; a wider window gives the room to the last column.
    grdRecords->resizeColumnsToContents();
    grdRecords->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    int width = grdRecords->horizontalHeader()->length() + 2 * grdRecords->frameWidth();
    if (grdRecords->rowCount() > kMostRowsShown) width += grdRecords->verticalScrollBar()->sizeHint().width();
    else grdRecords->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdRecords->setMinimumWidth(width);
    grdRecords->setFixedHeight(grdRecords->horizontalHeader()->sizeHint().height() +
                               std::min(grdRecords->rowCount(), kMostRowsShown) *
                                   grdRecords->verticalHeader()->defaultSectionSize() +
                               2 * grdRecords->frameWidth());
    grdRecords->horizontalHeader()->setStretchLastSection(true);

    lblEmpty = new QLabel(Tr("frmRecords",
                             "まだ記録はありません。\n難易度のあるゲームを解くと、ブロック数と難易度ごとに\n"
                             "最短時間と最少クリック数がここに残ります。"),
                          this);
    //: %1 is the mark (a star) of one entry in the list.
    lblMark = new QLabel(Tr("frmRecords", "%1 は最後に記録を更新したゲームです。").arg(kMark), this);
    lblStatus = new QLabel(status, this);
    lblStatus->setTextInteractionFlags(Qt::TextSelectableByMouse);

    cmdOK = new QPushButton(Tr("frmRecords", "閉じる"), this);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    const bool any = !table.entries.empty();
    grdRecords->setVisible(any);
    lblEmpty->setVisible(!any);
    lblMark->setVisible(table.last.has_value() && table.entries.count(*table.last) > 0);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grdRecords);
    layout->addWidget(lblEmpty);
    layout->addWidget(lblMark);
    layout->addWidget(lblStatus);
    layout->addWidget(cmdOK, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    cmdOK->setFocus();
}

}  // namespace tessaro
