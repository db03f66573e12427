#include "ui/frm_records.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "records/records_list_texts.h"
#include "session/game_number.h"
#include "ui/game_language.h"

namespace tessaro {

namespace {

enum Column {
    kMarkColumn,
    kBlocksColumn,
    kMovesColumn,
    kTimeColumn,
    kTimeGameColumn,
    kClicksColumn,
    kClicksGameColumn,
    kColumns
};

const QString kMark = QString::fromUtf8(kRecordsMark);
constexpr int kMostRowsShown = 12;  // a longer list scrolls

QString Text(const std::string& text) { return QString::fromStdString(text); }

// A marked constant of the records window, in the player's language.
QString Marked(const char* text) { return Tr("frmRecords", text); }

QString GameNumberText(const RecordKey& key, const std::optional<std::int32_t>& seed) {
    if (!seed) return Marked(kRecordsNoGameNumber);
    return QString::fromStdString(FormatGameNumber({key.blockN, key.difficulty, *seed}));
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
    setWindowTitle(Marked(kRecordsTitle));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    grdRecords = new QTableWidget(static_cast<int>(table.entries.size()), kColumns, this);
    QStringList headers{QString()};
    for (const char* column : kRecordsColumns) headers << Marked(column);
    // Each best is followed by the number of the game that set it.
    headers.insert(kTimeGameColumn, Marked(kRecordsGameNumberHeader));
    headers.insert(kClicksGameColumn, Marked(kRecordsGameNumberHeader));
    grdRecords->setHorizontalHeaderLabels(headers);
    grdRecords->setAccessibleName(Marked(kRecordsListName));
    grdRecords->verticalHeader()->hide();
    grdRecords->setSelectionMode(QAbstractItemView::NoSelection);
    grdRecords->setEditTriggers(QAbstractItemView::NoEditTriggers);
    int row = 0;
    for (const auto& [key, best] : table.entries) {
        const bool marked = table.last == key;
        grdRecords->setItem(row, kMarkColumn, Cell(marked ? kMark : QString(), marked, Qt::AlignHCenter));
        grdRecords->setItem(row, kBlocksColumn, Cell(Text(RecordBlocksText(key.blockN)), marked, Qt::AlignHCenter));
        grdRecords->setItem(row, kMovesColumn, Cell(Text(RecordMovesText(key.difficulty)), marked, Qt::AlignLeft));
        grdRecords->setItem(row, kTimeColumn, Cell(Text(RecordTimeText(best.seconds)), marked, Qt::AlignRight));
        grdRecords->setItem(row, kTimeGameColumn, Cell(GameNumberText(key, best.secondsSeed), marked, Qt::AlignLeft));
        grdRecords->setItem(row, kClicksColumn, Cell(Text(RecordClicksText(best.clicks)), marked, Qt::AlignRight));
        grdRecords->setItem(row, kClicksGameColumn, Cell(GameNumberText(key, best.clicksSeed), marked, Qt::AlignLeft));
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

    lblEmpty = new QLabel(Marked(kRecordsEmpty), this);
    lblMark = new QLabel(Marked(kRecordsMarkNote), this);
    lblStatus = new QLabel(status, this);
    lblStatus->setTextInteractionFlags(Qt::TextSelectableByMouse);

    cmdOK = new QPushButton(Marked(kRecordsClose), this);
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
