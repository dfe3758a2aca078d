#pragma once

#include <string_view>

#include "shell/Language.h"

namespace orvane {

// A text the code holds in both languages.
struct TextPair {
    std::string_view korean;
    std::string_view english;
};

constexpr std::string_view PickText(Language language, TextPair pair) {
    return PickText(language, pair.korean, pair.english);
}

// The shell's own texts.
namespace text {
inline constexpr TextPair ExitQuestion{"종료 하시겠습니까 ?   ", "Are you exit ?   "};
inline constexpr TextPair ReconnectDevice{"기기를 다시 연결 하십시요.", "Please reconnect the devices."};
inline constexpr TextPair VersionUnreadable{"단말기의 버전을 가져오지 못했습니다.",
                                            "Failed to get the version information of the device."};
inline constexpr TextPair UsaZoneProgress{"미국 Clublist 분석 중 입니다. (zone = %d)",
                                          "Analyzing USA's Clublist. (zone = %d)"};
// Every transfer, deletion, firmware and record command refuses with this
// while a transfer runs.
inline constexpr TextPair NotFinishedDownloading{"다운로드 중 입니다.", "Not finished downloading."};
inline constexpr TextPair AboutCaption{"Orvane Manager 정보", "Orvane Manager Information"};
}  // namespace text

}  // namespace orvane
