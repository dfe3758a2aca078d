// A round record's text and the score card made from it.
#include "FuzzSupport.h"
#include "records/RecordFile.h"
#include "records/ScoreCard.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvane;
    std::optional<RoundRecord> record = ParseRecordText(fuzz::Text(data, size), "Club");
    if (!record) return 0;
    fuzz::Require(record->holeCount == 9 || record->holeCount == 18, "hole count");
    RecordEntry entry;
    entry.name = entry.displayName = "Club";
    entry.date = "2024.05.01_10";
    entry.record = std::make_unique<RoundRecord>(std::move(*record));
    BuildScoreCard(entry, Language::Korean);
    BuildScoreCard(entry, Language::English);
    return 0;
}
