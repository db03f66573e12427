#include "ui/options_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

#include <algorithm>
#include <initializer_list>
#include <vector>

#include "options/difficulty_words.h"
#include "options/number_text.h"
#include "options/panel_texts.h"
#include "ui/caption_fit.h"
#include "ui/game_language.h"

namespace tessaro {

namespace {

// Where the panel lies on the main window, in twips.
constexpr int kHomeLeft = 3240, kHomeTop = 2040;
constexpr int kOpenLeft = 800, kOpenTop = 100;
constexpr int kWidth = 3165, kHeight = 3255;
// The closest that two of its controls stand side by side or one above the
// other (the two buttons, the two check boxes): a caption that grows into
// the room beside its control leaves at least this much.
constexpr int kClosest = 105;

QString Text(const char* text) { return QString::fromUtf8(text); }

// Shows a value in a box, with the box's entry on the same value, so that
// the arrow keys and the mouse wheel step on from what is shown. A value
// the list lacks ("Combo1", 12) stands on no entry: the next step down
// then goes to the top of the list, and up stays, rather than going on from
// an entry that was chosen or shown before and is no longer seen.
void ShowInBox(QComboBox* box, const QString& text) {
    box->setCurrentIndex(box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
    box->setEditText(text);
}

// The same for a value typed into the box, just before an arrow key or the
// wheel steps from it.
class StepFromShown final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* box = static_cast<QComboBox*>(watched);
        const auto* key = event->type() == QEvent::KeyPress ? static_cast<QKeyEvent*>(event) : nullptr;
        const bool step = event->type() == QEvent::Wheel ||
                          (key && (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down ||
                                   key->key() == Qt::Key_PageUp || key->key() == Qt::Key_PageDown));
        if (step && box->itemText(box->currentIndex()) != box->currentText()) ShowInBox(box, box->currentText());
        return false;
    }
};

template <std::size_t n>
QComboBox* MakeCombo(QWidget* parent, const char* const (&entries)[n]) {
    auto* combo = new QComboBox(parent);
    combo->setEditable(true);
    // Typed text stays typed text: it is neither added to the list nor
    // completed or case-folded into a list entry, so "ultra" stays "ultra".
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    for (const char* entry : entries) combo->addItem(QString::fromLatin1(entry));
    // Measured by its entries from the start, not only once shown: the panel
    // fits the box to its longest entry before it first shows.
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    ShowInBox(combo, Text(kPanelComboStartText));
    combo->installEventFilter(new StepFromShown(combo));
    return combo;
}

}  // namespace

OptionsPanel::OptionsPanel(QWidget* parent, OptionsStore& store, TwipsScale scale)
    : QTabWidget(parent), store_(store), scale_(scale) {
    setObjectName(QStringLiteral("sstOption"));
    page_ = new QWidget;
    addTab(page_, Text(kPanelTabCaption));
    // Only the controls on the page take part in the tab order.
    tabBar()->setFocusPolicy(Qt::NoFocus);

    lblOption_[0] = new QLabel(Text(kBlockCountCaption), page_);
    cmbOption_[0] = MakeCombo(page_, kBlockCountEntries);
    lblOption_[1] = new QLabel(Text(kDifficultyCaption), page_);
    cmbOption_[1] = MakeCombo(page_, kDifficultyEntries);
    // Each box is named by its caption, for screen readers.
    lblOption_[0]->setBuddy(cmbOption_[0]);
    lblOption_[1]->setBuddy(cmbOption_[1]);
    chkOption_[0] = new QCheckBox(Text(kShowShuffleCaption), page_);
    chkOption_[0]->setChecked(true);
    chkOption_[1] = new QCheckBox(Text(kDemonstrationCaption), page_);
    cmdOk_ = new QPushButton(Tr("OptionsPanel", kPanelOkCaption), page_);
    cmdCancel_ = new QPushButton(Text(kPanelCancelCaption), page_);
    // Outside a dialog these only act while the button has the focus; Enter
    // and Esc everywhere else in the panel reach keyPressEvent below.
    cmdOk_->setDefault(true);
    cmdCancel_->setAutoDefault(true);

    const char* names[] = {"lblOption0", "lblOption1", "cmbOption0", "cmbOption1", "chkOption0", "chkOption1"};
    QWidget* named[] = {lblOption_[0], lblOption_[1], cmbOption_[0], cmbOption_[1], chkOption_[0], chkOption_[1]};
    for (std::size_t i = 0; i < std::size(named); ++i) named[i]->setObjectName(QString::fromLatin1(names[i]));
    cmdOk_->setObjectName(QStringLiteral("cmdOk"));
    cmdCancel_->setObjectName(QStringLiteral("cmdCancel"));

    placements_ = {{
        {cmbOption_[0], 1320, 600, 1455, 300},
        {cmbOption_[1], 1320, 1080, 1455, 300},
        {chkOption_[0], 240, 1680, 2295, 255},
        {chkOption_[1], 240, 2040, 2535, 255},
        {cmdOk_, 1080, 2640, 855, 420},
        {cmdCancel_, 2040, 2640, 855, 420},
        {lblOption_[0], 240, 720, 855, 255},
        {lblOption_[1], 240, 1200, 855, 255},
    }};
    QWidget::setTabOrder(cmbOption_[0], cmbOption_[1]);
    QWidget::setTabOrder(cmbOption_[1], chkOption_[0]);
    QWidget::setTabOrder(chkOption_[0], chkOption_[1]);
    QWidget::setTabOrder(chkOption_[1], cmdOk_);
    QWidget::setTabOrder(cmdOk_, cmdCancel_);

    connect(cmdOk_, &QPushButton::clicked, this, &OptionsPanel::cmdOk_Click);
    connect(cmdCancel_, &QPushButton::clicked, this, &OptionsPanel::cmdCancel_Click);

    // The page sits below the tab strip, wherever the style puts it; the
    // controls are laid out from the panel's own corner, so follow the page.
    page_->installEventFilter(this);
    page_->parentWidget()->installEventFilter(this);

    showMessage = [this](const QString& text) { QMessageBox::warning(this, window()->windowTitle(), text); };

    setGeometry(scale_.ToPixels(kHomeLeft), scale_.ToPixels(kHomeTop), scale_.ToPixels(kWidth),
                scale_.ToPixels(kHeight));
    FitControls();
    PlaceControls();
    hide();
}

void OptionsPanel::FitControls() {
    // The sizes are fixed in twips, while the player's font can be wider or
    // larger than the one they were made for. A caption a little wider than
    // its box takes some of the room beside it, and nothing moves; when that
    // room is not enough, the controls grow to their captions, pushing the
    // rest on with every space kept, and the panel grows with them.
    std::vector<PlacedBox> placed;
    int top = scale_.ToPixels(kHeight);
    for (const Placement& p : placements_) {
        placed.push_back({p.widget, QRect(scale_.ToPixels(p.left), scale_.ToPixels(p.top), scale_.ToPixels(p.width),
                                          scale_.ToPixels(p.height))});
        top = std::min(top, placed.back().box.top());
    }
    QStyleOptionTabWidgetFrame frame;
    initStyleOption(&frame);
    const QRect inside = style()->subElementRect(QStyle::SE_TabWidgetTabContents, &frame, this);
    std::vector<QRect> boxes;
    QSize growth(0, 0);
    if (auto grown = GrowInPlace(placed, scale_.ToPixels(kClosest), inside)) {
        boxes = std::move(*grown);
    } else {
        FittedBoxes fitted = FitToCaptions(placed);
        boxes = std::move(fitted.boxes);
        growth = fitted.growth;
    }
    // A taller tab strip moves everything down below it.
    const int strip = std::max(0, tabBar()->sizeHint().height() + 2 - top);
    for (std::size_t i = 0; i < placements_.size(); ++i) fitted_[i] = boxes[i].translated(0, strip);
    resize(width() + growth.width(), height() + growth.height() + strip);
}

void OptionsPanel::PlaceControls() {
    const QPoint origin = page_->mapTo(this, QPoint(0, 0));
    for (std::size_t i = 0; i < placements_.size(); ++i)
        placements_[i].widget->setGeometry(fitted_[i].translated(-origin));
}

bool OptionsPanel::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == page_ || watched == page_->parentWidget()) &&
        (event->type() == QEvent::Move || event->type() == QEvent::Resize))
        PlaceControls();
    return QTabWidget::eventFilter(watched, event);
}

void OptionsPanel::keyPressEvent(QKeyEvent* event) {
    // Keys that a control of the panel did not use arrive here.
    if ((event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: cmdOk_Click(); return;
        case Qt::Key_Escape: cmdCancel_Click(); return;
        default: break;
        }
    }
    QTabWidget::keyPressEvent(event);
}

void OptionsPanel::FocusBlockCount() {
    cmbOption_[0]->setFocus(Qt::OtherFocusReason);
    cmbOption_[0]->lineEdit()->selectAll();
}

void OptionsPanel::mnuOption_Click() {
    move(scale_.ToPixels(kOpenLeft), scale_.ToPixels(kOpenTop));
    raise();
    show();

    const FileResult loaded = store_.Load();
    const OptionsRecord& record = store_.Record();
    ShowInBox(cmbOption_[0], QString::number(record.OptBlockN));
    // A number of moves without a word (from the practice command) leaves
    // the box as it was, so OK then keeps that number.
    if (const auto word = DifficultyWordForMoves(record.Difficulty))
        ShowInBox(cmbOption_[1], QString::fromLatin1(word->data(), static_cast<qsizetype>(word->size())));
    chkOption_[0]->setChecked(record.ShowShuffle != 0);

    if (!loaded.ok && !loaded.told) showMessage(QString::fromStdString(OptionsFileMessage(loaded, false)));
    FocusBlockCount();
}

void OptionsPanel::cmdOk_Click() {
    const WholeNumber blockCount = ParseWholeNumber(cmbOption_[0]->currentText().toStdString());
    if (!blockCount.ok()) {
        // Nothing is taken from the panel until the whole of it can be.
        showMessage(Tr("OptionsPanel", blockCount.status == NumberTextStatus::OutOfRange
                                           ? kBlockCountOutOfRangeMessage
                                           : kBlockCountNotANumberMessage));
        FocusBlockCount();
        return;
    }

    // Only what the panel sets: text that is no difficulty word keeps the
    // number the file holds (one the practice command set, perhaps in
    // another copy of the game).
    OptionsChange change;
    change.OptBlockN = blockCount.value;
    change.Difficulty = MovesForDifficultyWord(cmbOption_[1]->currentText().toStdString());
    change.ShowShuffle = static_cast<std::int16_t>(chkOption_[0]->isChecked() ? -1 : 0);
    const FileResult saved = store_.Change(change);
    hide();
    // The store keeps the record, so the choices hold for this run anyway.
    if (!saved.ok) showMessage(QString::fromStdString(OptionsFileMessage(saved, true)));
}

void OptionsPanel::cmdCancel_Click() { hide(); }

bool OptionsPanel::IsChecked(int index) const {
    if (index < 0 || index >= static_cast<int>(chkOption_.size())) return false;
    return chkOption_[static_cast<std::size_t>(index)]->checkState() == Qt::Checked;
}

}  // namespace tessaro
