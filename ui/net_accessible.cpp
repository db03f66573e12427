#include "ui/net_accessible.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QPointer>
#include <map>
#include <utility>

#include "session/game.h"
#include "session/game_texts.h"
#include "ui/client_area.h"
#include "ui/qt_surface.h"

namespace tessaro {

namespace {

// One move button. It has no widget of its own: it finds its button in the
// game by its move whenever it is asked, so it stays valid across resizes
// and new games that keep the line.
class MoveButtonAccessible final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    MoveButtonAccessible(ClientArea* area, Move move) : area_(area), move_(move) {}

    Move move() const { return move_; }

    bool isValid() const override { return Button() != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return area_ ? area_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return area_ ? QAccessible::queryAccessibleInterface(area_.data()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? QString::fromStdString(MoveButtonName(move_)) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::Role role() const override { return QAccessible::Button; }

    QRect rect() const override {
        const Ishape* button = Button();
        if (button == nullptr) return {};
        const TwipsScale scale = area_->surface().Scale();
        const std::int32_t side = area_->game->BoardState().HalfBlock;
        const QPoint topLeft(scale.ToPixels(button->ButtonLeft()), scale.ToPixels(button->ButtonTop()));
        const QPoint bottomRight(scale.ToPixels(button->ButtonLeft() + side),
                                 scale.ToPixels(button->ButtonTop() + side));
        return {area_->mapToGlobal(topLeft), area_->mapToGlobal(bottomRight)};
    }

    QAccessible::State state() const override {
        QAccessible::State state;
        state.focusable = true;
        if (!isValid() || !area_->isVisible()) {
            state.invisible = true;
            return state;
        }
        const Ishape* marked = area_->game->MarkedButton();
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
        if (!area_ || area_->game == nullptr) return nullptr;
        const Board& board = area_->game->BoardState();
        const auto i = FindButton(board, move_);
        return i ? board.ButtonObjs[*i].get() : nullptr;
    }

    QPointer<ClientArea> area_;
    Move move_;
};

// The net: the controls on it as Qt sees them, then one child per move
// button of the running game, in the order of ButtonObjs.
class NetAccessible final : public QAccessibleWidget {
public:
    explicit NetAccessible(ClientArea* area)
        : QAccessibleWidget(area, QAccessible::Grouping, QString::fromUtf8(kNetName)) {}
    ~NetAccessible() override {
        for (const auto& [move, id] : buttons_) QAccessible::deleteAccessibleInterface(id);
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Description)
            return QString::fromStdString(NetDescription(NetGame() ? NetGame()->CubeState() : nullptr));
        return QAccessibleWidget::text(t);
    }

    int childCount() const override { return QAccessibleWidget::childCount() + static_cast<int>(Buttons().size()); }

    QAccessibleInterface* child(int index) const override {
        const int controls = QAccessibleWidget::childCount();
        if (index < controls) return QAccessibleWidget::child(index);
        const auto& buttons = Buttons();
        const auto i = static_cast<std::size_t>(index - controls);
        if (i >= buttons.size()) return nullptr;
        return ButtonInterface({buttons[i]->BuFaceN(), buttons[i]->BuLineN()});
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        if (const auto* button = dynamic_cast<const MoveButtonAccessible*>(child)) {
            if (NetGame() == nullptr) return -1;
            const auto i = FindButton(NetGame()->BoardState(), button->move());
            return i ? QAccessibleWidget::childCount() + static_cast<int>(*i) : -1;
        }
        return QAccessibleWidget::indexOfChild(child);
    }

    QAccessibleInterface* focusChild() const override {
        const Ishape* marked = NetGame() ? NetGame()->MarkedButton() : nullptr;
        if (marked != nullptr && widget()->hasFocus()) return ButtonInterface({marked->BuFaceN(), marked->BuLineN()});
        return QAccessibleWidget::focusChild();
    }

    // The one interface of the button that makes this move, made when first asked for.
    QAccessibleInterface* ButtonInterface(Move move) const {
        const std::pair key(NumberOf(move.kind), move.line);
        const auto found = buttons_.find(key);
        if (found != buttons_.end()) return QAccessible::accessibleInterface(found->second);
        auto* made = new MoveButtonAccessible(static_cast<ClientArea*>(widget()), move);
        buttons_.emplace(key, QAccessible::registerAccessibleInterface(made));
        return made;
    }

private:
    const Game* NetGame() const { return static_cast<ClientArea*>(widget())->game; }
    const std::vector<std::unique_ptr<Ishape>>& Buttons() const {
        static const std::vector<std::unique_ptr<Ishape>> none;
        return NetGame() ? NetGame()->BoardState().ButtonObjs : none;
    }

    mutable std::map<std::pair<std::int32_t, std::int32_t>, QAccessible::Id> buttons_;
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
    if (className == QLatin1String(QComboBox::staticMetaObject.className()))
        return new NamedComboAccessible(static_cast<QComboBox*>(object));
    return nullptr;
}

}  // namespace

void InstallAccessibility() { QAccessible::installFactory(Factory); }

void NetChanged(ClientArea* area) {
    if (!QAccessible::isActive()) return;  // nobody listens
    QAccessibleEvent event(area, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

void MarkMoved(ClientArea* area, Move move) {
    if (!QAccessible::isActive() || !area->hasFocus()) return;
    auto* net = dynamic_cast<NetAccessible*>(QAccessible::queryAccessibleInterface(area));
    if (net == nullptr) return;
    QAccessibleEvent event(net->ButtonInterface(move), QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

}  // namespace tessaro
