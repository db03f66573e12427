#include "board/button_focus.h"

#include <cstdint>
#include <cstdlib>
#include <tuple>

namespace tessaro {

std::optional<std::size_t> NextButton(const Board& board, std::size_t from, Arrow arrow) {
    const auto& buttons = board.ButtonObjs;
    if (from >= buttons.size()) return std::nullopt;
    const bool across = arrow == Arrow::Left || arrow == Arrow::Right;  // the arrow runs along x
    const std::int64_t sign = arrow == Arrow::Right || arrow == Arrow::Down ? 1 : -1;
    const Ishape& here = *buttons[from];

    // Smaller is better: out of line, distance along, distance across, index.
    using Rank = std::tuple<bool, std::int64_t, std::int64_t, std::size_t>;
    std::optional<Rank> best;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const std::int64_t dx = std::int64_t{buttons[i]->ButtonLeft()} - here.ButtonLeft();
        const std::int64_t dy = std::int64_t{buttons[i]->ButtonTop()} - here.ButtonTop();
        const std::int64_t along = sign * (across ? dx : dy);
        const std::int64_t aside = std::llabs(across ? dy : dx);
        if (along <= 0) continue;  // not beyond this button (this button itself among them)
        const Rank rank{aside >= board.HalfBlock, along, aside, i};
        if (!best || rank < *best) best = rank;
    }
    if (!best) return std::nullopt;
    return std::get<3>(*best);
}

}  // namespace tessaro
