#pragma once

#include <cstdint>

#include "board/surface.h"

namespace tessaro {

// A move button as the rest of the game sees it.
class Ishape {
public:
    virtual ~Ishape() = default;
    // Draws the button at its stored place, HalfBlock twips square.
    virtual void ButtonMake(Surface& surface, std::int32_t halfBlock) = 0;
    virtual void SetButtonTop(std::int32_t RHS) = 0;
    virtual void SetButtonLeft(std::int32_t RHS) = 0;
    virtual void SetBuFaceN(std::int32_t RHS) = 0;
    virtual void SetBuLineN(std::int32_t RHS) = 0;
    virtual std::int32_t ButtonTop() const = 0;
    virtual std::int32_t ButtonLeft() const = 0;
    virtual std::int32_t BuFaceN() const = 0;  // the move kind 1..6 it makes
    virtual std::int32_t BuLineN() const = 0;  // its line 1..N
};

class clsButtonMake final : public Ishape {
public:
    void ButtonMake(Surface& surface, std::int32_t halfBlock) override;
    void SetButtonTop(std::int32_t RHS) override { ButtonTop_ = RHS; }
    void SetButtonLeft(std::int32_t RHS) override { ButtonLeft_ = RHS; }
    void SetBuFaceN(std::int32_t RHS) override { BuFaceN_ = RHS; }
    void SetBuLineN(std::int32_t RHS) override { BuLineN_ = RHS; }
    std::int32_t ButtonTop() const override { return ButtonTop_; }
    std::int32_t ButtonLeft() const override { return ButtonLeft_; }
    std::int32_t BuFaceN() const override { return BuFaceN_; }
    std::int32_t BuLineN() const override { return BuLineN_; }

private:
    std::int32_t ButtonTop_ = 0;
    std::int32_t ButtonLeft_ = 0;
    std::int32_t BuFaceN_ = 0;
    std::int32_t BuLineN_ = 0;
};

}  // namespace tessaro
