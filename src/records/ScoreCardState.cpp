#include "records/ScoreCardState.h"

namespace orvane {

void ScoreCardState::Open(Language language) {
    unit_ = language == Language::Korean ? DistanceUnit::Metres : DistanceUnit::Yards;
}

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

TextPair UnitButtonText(DistanceUnit unit) {
    return unit == DistanceUnit::Metres ? TextPair{"미터", "Meter"} : TextPair{"야드", "Yard"};
}

}  // namespace orvane
