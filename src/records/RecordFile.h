#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

#include "records/RoundRecord.h"

namespace orvane {

// The round a device record text describes, or nothing when the text is empty
// or names another club than `clubName`. Damaged lines never stop the
// reading: missing values read as 0 and labels of holes beyond the 18th are
// read and dropped.
//
//   version value2                      line 1
//   n value3 value4                     line 2
//   club word                           line 3
//   start time, end time                lines 4 and 5, seven numbers each
//   then per hole:
//   label first second score shots (east north club)... [numbers...]
//   hole time stamp (seven numbers)
std::optional<RoundRecord> ParseRecordText(std::string_view text, std::string_view clubName);

// Reads the packed record file `fileName` of `folder` into entry.record when
// it holds a round of entry.name. Returns 1 when read, 0 when rejected
// (a name that would leave the folder, an unreadable or empty file, another
// club).
int readRecordFile(const std::filesystem::path& folder, std::string_view fileName,
                   RecordEntry& entry);

}  // namespace orvane
