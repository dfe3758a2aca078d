#include "records/ScoreCardState.h"

namespace orvane {

void ScoreCardState::Open(Language language) { unit_ = LanguageUnit(language); }

void ScoreCardState::NextHole() {
    shownHole_ = shownHole_ >= kLastHole ? kFirstHole : shownHole_ + 1;
}

void ScoreCardState::PreviousHole() {
    shownHole_ = shownHole_ <= kFirstHole ? kLastHole : shownHole_ - 1;
}

bool ScoreCardState::SelectHole(std::int32_t hole) {
    if (hole < kFirstHole || hole > kLastHole || hole == shownHole_) return false;
    shownHole_ = hole;
    return true;
}

void ScoreCardState::ToggleUnit() {
    unit_ = unit_ == DistanceUnit::Metres ? DistanceUnit::Yards : DistanceUnit::Metres;
}

DistanceUnit LanguageUnit(Language language) {
    return language == Language::Korean ? DistanceUnit::Metres : DistanceUnit::Yards;
}

TextPair UnitButtonText(DistanceUnit unit) {
    return unit == DistanceUnit::Metres ? TextPair{"미터", "Meter"} : TextPair{"야드", "Yard"};
}

const char* UnitSymbol(DistanceUnit unit) { return unit == DistanceUnit::Metres ? "m" : "yd"; }

}  // namespace orvane
