#pragma once

#include <cstdint>

#include "shell/Language.h"
#include "shell/ShellTexts.h"

namespace orvane {

enum class DistanceUnit { Metres, Yards };

// The score card's choices that outlive one opening of it: the hole shown
// and the distance unit.
class ScoreCardState {
public:
    static constexpr std::int32_t kFirstHole = 1;
    static constexpr std::int32_t kLastHole = 18;

    // Each opening starts in the unit of the interface's language: metres
    // in Korean, yards in English. The hole shown last stays.
    void Open(Language language);

    std::int32_t shownHole() const { return shownHole_; }
    DistanceUnit unit() const { return unit_; }

    // Wrap around all 18 holes, however many the round had.
    void NextHole();
    void PreviousHole();
    // A click on a hole's cells; false (nothing to redraw) when `hole` is
    // already shown or is no hole of the card.
    bool SelectHole(std::int32_t hole);
    void ToggleUnit();

private:
    std::int32_t shownHole_ = kFirstHole;
    DistanceUnit unit_ = DistanceUnit::Metres;
};

// The unit a card opens in: metres in Korean, yards in English.
DistanceUnit LanguageUnit(Language language);

// The unit button's text for `unit`.
TextPair UnitButtonText(DistanceUnit unit);

// "m" or "yd", written after a distance.
const char* UnitSymbol(DistanceUnit unit);

}  // namespace orvane
