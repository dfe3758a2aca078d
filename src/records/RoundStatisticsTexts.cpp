#include "records/RoundStatisticsTexts.h"

#include "records/RecordLists.h"
#include "util/Text.h"
#include "util/TextDecoding.h"

namespace orvane {

TextPair RoundLengthText(std::int32_t holes) {
    return holes > kHolesPerHalf ? kEighteenHoles : kNineHoles;
}

std::string RoundsPlayedText(const RoundStatistics& statistics, Language language) {
    return Format("%zu (%s: %lld, %s: %lld)", statistics.series.size(),
                  std::string(PickText(language, kEighteenHoles)).c_str(),
                  static_cast<long long>(statistics.eighteen.strokes.count),
                  std::string(PickText(language, kNineHoles)).c_str(),
                  static_cast<long long>(statistics.nine.strokes.count));
}

std::string MeanText(const WholeMean& mean) {
    const auto tenths = mean.Tenths();
    return tenths ? OneDecimalText(*tenths) : std::string(kNoFigure);
}

std::string ToParText(const WholeMean& mean) {
    const auto tenths = mean.Tenths();
    return (tenths > 0 ? "+" : "") + MeanText(mean);
}

std::string PlayedRoundText(const std::vector<RecordEntry>& entries,
                            const std::optional<PlayedRound>& round, Language language) {
    if (!round) return std::string(kNoFigure);
    const RecordEntry& entry = entries[round->entry];
    // Decoded piece by piece: the club's bytes may be CP949 and the length's
    // label is UTF-8.
    return Format("%s  %s  %d (%s)", DisplayText(entry.date).c_str(),
                  DisplayText(ShownClubName(entry, language)).c_str(), round->strokes,
                  std::string(PickText(language, RoundLengthText(round->holes))).c_str());
}

}  // namespace orvane
