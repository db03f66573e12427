#include "ui/net_accessible.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QHash>
#include <QLabel>
#include <QPointer>
#include <QTabBar>
#include <array>
#include <map>
#include <tuple>
#include <utility>

#include "session/game.h"
#include "session/game_texts.h"
#include "ui/client_area.h"
#include "ui/game_language.h"
#include "ui/options_panel.h"
#include "ui/qt_surface.h"

namespace tessaro {

namespace {

// The faces as a reader meets them, in the net's reading order: the face
// above the band, the band of four from its left end, the face below.
constexpr std::array<int, 6> kFacesInNetOrder = {kTop, kBack, kLeft, kFront, kRight, kBottom};

QString Text(const std::string& text) { return QString::fromStdString(text); }

// A square of the net, given in twips, on the screen.
QRect ScreenRect(const ClientArea& area, std::int32_t left, std::int32_t top, std::int32_t side) {
    const TwipsScale scale = area.surface().Scale();
    const QPoint topLeft(scale.ToPixels(left), scale.ToPixels(top));
    const QPoint bottomRight(scale.ToPixels(left + side), scale.ToPixels(top + side));
    return {area.mapToGlobal(topLeft), area.mapToGlobal(bottomRight)};
}

class NetAccessible;
NetAccessible* NetOf(ClientArea* area);

// A part of the net without a widget of its own: it finds what it shows in
// the game whenever it is asked, so it stays valid across resizes and new
// games that keep it.
class NetPart : public QAccessibleInterface {
public:
    explicit NetPart(ClientArea* area) : area_(area) {}

    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return area_ ? area_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return area_ ? QAccessible::queryAccessibleInterface(area_.data()) : nullptr;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}

protected:
    const Game* NetGame() const { return area_ ? area_->game : nullptr; }
    // Blocks per face side, 0 while there is no net.
    int BlockN() const { return NetGame() ? NetGame()->BlockN() : 0; }
    bool Shown() const { return area_ && area_->isVisible(); }

    QPointer<ClientArea> area_;
};

// One move button, found in the game by its move.
class MoveButtonAccessible final : public NetPart, public QAccessibleActionInterface {
public:
    MoveButtonAccessible(ClientArea* area, Move move) : NetPart(area), move_(move) {}

    Move move() const { return move_; }

    bool isValid() const override { return Button() != nullptr; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? Text(MoveButtonName(move_)) : QString();
    }
    QAccessible::Role role() const override { return QAccessible::Button; }

    QRect rect() const override {
        const Ishape* button = Button();
        if (button == nullptr) return {};
        return ScreenRect(*area_, button->ButtonLeft(), button->ButtonTop(), NetGame()->BoardState().HalfBlock);
    }

    QAccessible::State state() const override {
        QAccessible::State state;
        state.focusable = true;
        if (!isValid() || !Shown()) {
            state.invisible = true;
            return state;
        }
        const Ishape* marked = NetGame()->MarkedButton();
        state.focused = area_->hasFocus() && marked != nullptr && Move{marked->BuFaceN(), marked->BuLineN()} == move_;
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
    void doAction(const QString& name) override {
        if (name != pressAction() || !area_) return;
        // The press runs from the event loop, as a mouse press does: a
        // screen reader's call returns at once, even when the press wins
        // and the congratulations window waits for its OK.
        QMetaObject::invokeMethod(
            area_.data(),
            [area = area_, move = move_] {
            if (area && area->onPressButton) area->onPressButton(move);
            },
            Qt::QueuedConnection);
    }

private:
    const Ishape* Button() const {
        if (NetGame() == nullptr) return nullptr;
        const Board& board = NetGame()->BoardState();
        const auto i = FindButton(board, move_);
        return i ? board.ButtonObjs[*i].get() : nullptr;
    }

    Move move_;
};

// What the game last told: its name is the sentence. Qt 6.4 has no
// announcement event, and its bridge to the accessibility bus sends no
// object attributes, so no live region either. What it does send is an
// object's showing state, and a screen reader such as Orca speaks a
// notification that shows, without moving the focus from the button the
// player is on, and keeps it among its notifications to read again. So
// every announcement names this notification anew and shows it, once.
class NoticeAccessible final : public NetPart {
public:
    using NetPart::NetPart;

    void Set(const QString& text) { text_ = text; }

    bool isValid() const override { return !area_.isNull(); }
    QString text(QAccessible::Text t) const override { return t == QAccessible::Name ? text_ : QString(); }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QRect rect() const override { return {}; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.readOnly = true;
        state.invisible = text_.isEmpty() || !Shown();
        return state;
    }

private:
    QString text_;
};

// One block of a face: a table cell named by its colour as drawn.
class BlockAccessible final : public NetPart, public QAccessibleTableCellInterface {
public:
    BlockAccessible(ClientArea* area, int face, int row, int col)
        : NetPart(area), face_(face), row_(row), col_(col), told_(Colour()) {}

    // The colour readers were last told of, and whether it has changed since.
    bool ColourChanged() {
        const std::int32_t now = Colour();
        return std::exchange(told_, now) != now;
    }

    int face() const { return face_; }

    bool isValid() const override { return !area_.isNull() && row_ <= BlockN() && col_ <= BlockN(); }
    QAccessibleInterface* parent() const override;
    QString text(QAccessible::Text t) const override {
        if (!isValid()) return {};
        if (t == QAccessible::Name) return Text(ColourWord(Colour()));
        if (t == QAccessible::Description) return Text(BlockPlace(row_, col_));
        return {};
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QRect rect() const override {
        if (!isValid()) return {};
        const Board& board = NetGame()->BoardState();
        const clsBlockMake& block = board.Block(face_, row_, col_, BlockN());
        return ScreenRect(*area_, block.BlockLeft, block.BlockTop, board.BlockSize);
    }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.readOnly = true;
        state.invisible = !isValid() || !Shown();
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return col_ - 1; }
    int rowIndex() const override { return row_ - 1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    std::int32_t Colour() const {
        const int n = BlockN();
        if (row_ > n || col_ > n) return 0;
        return NetGame()->BoardState().Block(face_, row_, col_, n).BlockColor;
    }

    int face_, row_, col_;  // rows and columns from 1, as the cube counts them
    std::int32_t told_;
};

// One face: a table of N x N blocks, named after its place in the net.
class FaceAccessible final : public NetPart, public QAccessibleTableInterface {
public:
    FaceAccessible(ClientArea* area, int face) : NetPart(area), face_(face), told_(Solved()) {}

    int face() const { return face_; }
    // Whether it is of one colour, and whether that changed since readers were told.
    bool SolvedChanged() {
        const bool now = Solved();
        return std::exchange(told_, now) != now;
    }

    bool isValid() const override { return !area_.isNull(); }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return Text(FaceName(face_));
        if (t == QAccessible::Description && Solved()) return Tr("game_texts", kFaceSolvedText);
        return {};
    }
    QAccessible::Role role() const override { return QAccessible::Table; }
    QRect rect() const override {
        const int n = BlockN();
        if (n == 0) return {};
        const Board& board = NetGame()->BoardState();
        const clsBlockMake& first = board.Block(face_, 1, 1, n);
        return ScreenRect(*area_, first.BlockLeft, first.BlockTop, n * board.BlockSize);
    }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.readOnly = true;
        state.invisible = BlockN() == 0 || !Shown();
        return state;
    }
    int childCount() const override { return BlockN() * BlockN(); }
    QAccessibleInterface* child(int index) const override {
        const int n = BlockN();
        return index >= 0 && index < n * n ? cellAt(index / n, index % n) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* block = dynamic_cast<const BlockAccessible*>(child);
        if (block == nullptr || !block->isValid() || block->face() != face_) return -1;
        return block->rowIndex() * BlockN() + block->columnIndex();
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = 0; i < childCount(); ++i)
            if (QAccessibleInterface* cell = child(i); cell != nullptr && cell->rect().contains(x, y)) return cell;
        return nullptr;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this) : nullptr;
    }

    // Rows and columns from 0, as Qt counts them.
    QAccessibleInterface* cellAt(int row, int column) const override;
    int columnCount() const override { return BlockN(); }
    int rowCount() const override { return BlockN(); }
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    bool Solved() const { return NetGame() && NetGame()->CubeState() && NetGame()->CubeState()->FaceSolved(face_); }

    int face_;
    bool told_;
};

// The net: the controls on it as Qt sees them, the notification, the six
// faces, then one child per move button of the running game, in the order
// of ButtonObjs. The parts without a widget are made when first asked for
// and live as long as the net.
class NetAccessible final : public QAccessibleWidget {
public:
    explicit NetAccessible(ClientArea* area)
        : QAccessibleWidget(area, QAccessible::Grouping, Tr("game_texts", kNetName)), area_(area) {
        Nets().insert(area, this);
    }
    ~NetAccessible() override {
        // Run while the area is destroyed, when it is no longer a ClientArea: only its address is used.
        Nets().remove(area_);
        for (const auto& [move, id] : buttons_) QAccessible::deleteAccessibleInterface(id);
        for (const auto& [place, id] : blocks_) QAccessible::deleteAccessibleInterface(id);
        for (const auto& [face, id] : faces_) QAccessible::deleteAccessibleInterface(id);
        if (notice_ != 0) QAccessible::deleteAccessibleInterface(notice_);
    }

    // The net's interface once someone has asked for it, else nullptr.
    static NetAccessible* Existing(const ClientArea* area) { return Nets().value(area, nullptr); }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Description) return Text(NetDescription(NetGame() ? NetGame()->CubeState() : nullptr));
        return QAccessibleWidget::text(t);
    }

    int childCount() const override { return FirstButton() + static_cast<int>(Buttons().size()); }

    QAccessibleInterface* child(int index) const override {
        const int controls = QAccessibleWidget::childCount();
        if (index < controls) return QAccessibleWidget::child(index);
        if (index == controls) return Notice();
        if (index < FirstButton())
            return FaceInterface(kFacesInNetOrder[static_cast<std::size_t>(index - controls - 1)]);
        const auto& buttons = Buttons();
        const auto i = static_cast<std::size_t>(index - FirstButton());
        if (i >= buttons.size()) return nullptr;
        return ButtonInterface({buttons[i]->BuFaceN(), buttons[i]->BuLineN()});
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        const int controls = QAccessibleWidget::childCount();
        if (const auto* button = dynamic_cast<const MoveButtonAccessible*>(child)) {
            if (NetGame() == nullptr) return -1;
            const auto i = FindButton(NetGame()->BoardState(), button->move());
            return i ? FirstButton() + static_cast<int>(*i) : -1;
        }
        if (const auto* face = dynamic_cast<const FaceAccessible*>(child)) {
            for (std::size_t i = 0; i < kFacesInNetOrder.size(); ++i)
                if (kFacesInNetOrder[i] == face->face()) return controls + 1 + static_cast<int>(i);
        }
        if (child == Notice()) return controls;
        return QAccessibleWidget::indexOfChild(child);
    }

    QAccessibleInterface* focusChild() const override {
        const Ishape* marked = NetGame() ? NetGame()->MarkedButton() : nullptr;
        if (marked != nullptr && widget()->hasFocus()) return ButtonInterface({marked->BuFaceN(), marked->BuLineN()});
        return QAccessibleWidget::focusChild();
    }

    // The one interface of the button that makes this move.
    QAccessibleInterface* ButtonInterface(Move move) const {
        return Part(buttons_, std::pair(NumberOf(move.kind), move.line),
                    [&] { return new MoveButtonAccessible(Area(), move); });
    }
    QAccessibleInterface* FaceInterface(int face) const {
        return Part(faces_, face, [&] { return new FaceAccessible(Area(), face); });
    }
    QAccessibleInterface* BlockInterface(int face, int row, int col) const {
        return Part(blocks_, std::tuple(face, row, col), [&] { return new BlockAccessible(Area(), face, row, col); });
    }
    NoticeAccessible* Notice() const {
        if (notice_ == 0) notice_ = QAccessible::registerAccessibleInterface(new NoticeAccessible(Area()));
        return static_cast<NoticeAccessible*>(QAccessible::accessibleInterface(notice_));
    }

    // After a redraw: the blocks a reader has met whose colour changed get
    // their new names, the faces whose state changed a new description.
    void TellChanges() const {
        for (const auto& [place, id] : blocks_)
            if (auto* block = static_cast<BlockAccessible*>(QAccessible::accessibleInterface(id));
                block != nullptr && block->isValid() && block->ColourChanged()) {
                QAccessibleEvent event(block, QAccessible::NameChanged);
                QAccessible::updateAccessibility(&event);
            }
        for (const auto& [face, id] : faces_)
            if (auto* table = static_cast<FaceAccessible*>(QAccessible::accessibleInterface(id));
                table != nullptr && table->SolvedChanged()) {
                QAccessibleEvent event(table, QAccessible::DescriptionChanged);
                QAccessible::updateAccessibility(&event);
            }
    }

private:
    static QHash<const ClientArea*, NetAccessible*>& Nets() {
        static QHash<const ClientArea*, NetAccessible*> nets;
        return nets;
    }
    ClientArea* Area() const { return static_cast<ClientArea*>(widget()); }
    const Game* NetGame() const { return Area()->game; }
    const std::vector<std::unique_ptr<Ishape>>& Buttons() const {
        static const std::vector<std::unique_ptr<Ishape>> none;
        return NetGame() ? NetGame()->BoardState().ButtonObjs : none;
    }
    // The notification and the faces stand between the controls and the buttons.
    int FirstButton() const { return QAccessibleWidget::childCount() + 1 + static_cast<int>(kFacesInNetOrder.size()); }

    template <typename Key, typename Make>
    static QAccessibleInterface* Part(std::map<Key, QAccessible::Id>& parts, const Key& key, Make make) {
        const auto found = parts.find(key);
        if (found != parts.end()) return QAccessible::accessibleInterface(found->second);
        QAccessibleInterface* made = make();
        parts.emplace(key, QAccessible::registerAccessibleInterface(made));
        return made;
    }

    mutable std::map<std::pair<std::int32_t, std::int32_t>, QAccessible::Id> buttons_;
    mutable std::map<int, QAccessible::Id> faces_;
    mutable std::map<std::tuple<int, int, int>, QAccessible::Id> blocks_;
    mutable QAccessible::Id notice_ = 0;
    const ClientArea* area_;
};

NetAccessible* NetOf(ClientArea* area) {
    return area ? dynamic_cast<NetAccessible*>(QAccessible::queryAccessibleInterface(area)) : nullptr;
}

QAccessibleInterface* BlockAccessible::parent() const {
    NetAccessible* net = NetOf(area_.data());
    return net ? net->FaceInterface(face_) : nullptr;
}

QAccessibleInterface* FaceAccessible::cellAt(int row, int column) const {
    const int n = BlockN();
    NetAccessible* net = NetOf(area_.data());
    if (row < 0 || column < 0 || row >= n || column >= n || net == nullptr) return nullptr;
    return net->BlockInterface(face_, row + 1, column + 1);
}

// A label lying on the net: a status label or a demonstration picture. It
// is named by its text only while it is shown; hidden, it says nothing
// (the labels' design captions are their own internal names).
class NetLabelAccessible final : public QAccessibleWidget {
public:
    explicit NetLabelAccessible(QLabel* label) : QAccessibleWidget(label) {}

    QAccessible::Role role() const override {
        return Label()->pixmap().isNull() ? QAccessible::StaticText : QAccessible::Graphic;
    }

    QString text(QAccessible::Text t) const override {
        // Its own text, also when it has an accessible name to keep it quiet (ReadOnRequest).
        if (t == QAccessible::Name) return Label()->isVisible() ? Label()->text() : QString();
        return QAccessibleWidget::text(t);
    }

private:
    QLabel* Label() const { return static_cast<QLabel*>(widget()); }
};

// The options panel: a dialog named by its one tab. The tab strip only
// carries that caption; Qt's tab would also report itself focused at all
// times, whether the panel is shown or not, so it is left out.
class PanelAccessible final : public QAccessibleWidget {
public:
    explicit PanelAccessible(OptionsPanel* panel) : QAccessibleWidget(panel, QAccessible::Dialog) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return Panel()->tabText(0);
        return QAccessibleWidget::text(t);
    }
    int childCount() const override { return QAccessibleWidget::childCount() - (StripAt() >= 0 ? 1 : 0); }
    QAccessibleInterface* child(int index) const override {
        const int strip = StripAt();
        return QAccessibleWidget::child(strip >= 0 && index >= strip ? index + 1 : index);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const int i = QAccessibleWidget::indexOfChild(child);
        const int strip = StripAt();
        if (strip < 0 || i < strip) return i;
        return i == strip ? -1 : i - 1;
    }

private:
    OptionsPanel* Panel() const { return static_cast<OptionsPanel*>(widget()); }
    int StripAt() const {
        for (int i = 0; i < QAccessibleWidget::childCount(); ++i)
            if (QAccessibleWidget::child(i)->object() == Panel()->tabBar()) return i;
        return -1;
    }
};

// Qt calls a combo box on Linux by the text it holds, so a screen reader
// says "2" or "Combo1" where the player needs to hear what it asks for. This
// one is called by its accessible name, else by its label (the QLabel whose
// buddy it is), and holds its text as its value.
class NamedComboAccessible final : public QAccessibleWidget {
public:
    explicit NamedComboAccessible(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return Box()->currentText();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = Box()->isEditable();
        state.expandable = true;
        state.expanded = Box()->view()->isVisible();
        state.collapsed = !state.expanded;
        return state;
    }
    QStringList actionNames() const override { return QAccessibleWidget::actionNames() << showMenuAction(); }
    void doAction(const QString& name) override {
        if (name == showMenuAction()) Box()->showPopup();
        else QAccessibleWidget::doAction(name);
    }

private:
    QComboBox* Box() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
    if (className == QLatin1String(ClientArea::staticMetaObject.className()))
        return new NetAccessible(static_cast<ClientArea*>(object));
    if (className == QLatin1String(OptionsPanel::staticMetaObject.className()))
        return new PanelAccessible(static_cast<OptionsPanel*>(object));
    if (className == QLatin1String(QComboBox::staticMetaObject.className()))
        return new NamedComboAccessible(static_cast<QComboBox*>(object));
    if (className == QLatin1String(QLabel::staticMetaObject.className()) &&
        qobject_cast<ClientArea*>(object->parent()) != nullptr)
        return new NetLabelAccessible(static_cast<QLabel*>(object));
    return nullptr;
}

}  // namespace

void InstallAccessibility() { QAccessible::installFactory(Factory); }

void NetChanged(ClientArea* area) {
    NetAccessible* net = NetAccessible::Existing(area);
    if (net == nullptr && !QAccessible::isActive()) return;  // nobody has asked, nobody listens
    QAccessibleEvent event(area, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
    if (net == nullptr) net = NetAccessible::Existing(area);
    if (net != nullptr) net->TellChanges();
}

void MarkMoved(ClientArea* area, Move move) {
    if (!QAccessible::isActive() || !area->hasFocus()) return;
    NetAccessible* net = NetOf(area);
    if (net == nullptr) return;
    QAccessibleEvent event(net->ButtonInterface(move), QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

void AnnounceOnNet(ClientArea* area, const QString& text) {
    NetAccessible* net = NetOf(area);
    if (net == nullptr) return;
    NoticeAccessible* notice = net->Notice();
    notice->Set(text);
    // The new name first, for readers that keep names; then the showing,
    // which is what a reader speaks.
    QAccessibleEvent named(notice, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    QAccessibleEvent shown(notice, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

void ReadOnRequest(QLabel* label) {
    // Qt tells readers of every new text of a label without an accessible
    // name of its own, which for the clock is every second. With one it is
    // quiet, while its interface (NetLabelAccessible) is still named by the
    // text it shows, read whenever a reader asks.
    //: The clock label's name for screen readers.
    label->setAccessibleName(Tr("net_accessible", "所要時間"));
}

}  // namespace tessaro
