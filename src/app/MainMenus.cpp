#include "app/MainMenus.h"

#include <array>

namespace orvane {
namespace {

using C = WindowCommand;
constexpr MenuItem kSeparator{};

constexpr std::array kFileMenu{
    MenuItem{32774, 32806, {"골프장 찾기", "&Search for Golf Course"}, C::SearchCourses},
    kSeparator,
    MenuItem{32829, 32830, {"기기 찾기", "Instrument &Find"}, C::FindInstrument},
    kSeparator,
    MenuItem{32773, 32795, {"종료", "&Exit"}, C::Exit},
};

// Commands the system handles by id without a menu of its own.
constexpr std::array kDownloadMenu{
    MenuItem{32786, 32808, {"한국 추가/수정 맵 내려받기", "&Korea: New and Modified Maps"},
             C::DownloadKoreaNewAndModified},
    MenuItem{32790, 32811, {"한국 추가 맵 내려받기", "Korea: &New Maps"}, C::DownloadKoreaNew},
    MenuItem{32792, 32813, {"한국 수정 맵 내려받기", "Korea: &Modified Maps"},
             C::DownloadKoreaModified},
    kSeparator,
    MenuItem{32791, 32812, {"해외 추가 맵 내려받기", "&Other Zones: New Maps"}, C::DownloadOthersNew},
    MenuItem{32793, 32814, {"해외 수정 맵 내려받기", "Other &Zones: Modified Maps"},
             C::DownloadOthersModified},
    kSeparator,
    MenuItem{32783, 32796, {"펌웨어 업그레이드", "&Firmware Upgrade"}, C::Firmware},
    kSeparator,
    MenuItem{32840, 32841, {"내려받기 중지", "S&top Download"}, C::StopTransfer},
};

constexpr std::array kDeletionMenu{
    MenuItem{32784, 32802, {"선택한 맵 삭제", "&Selected Map"}, C::DeleteSelectedMaps},
};

constexpr std::array kRecordMenu{
    MenuItem{32817, 32818, {"기록 데이터 PC 저장", "&Save to PC"}, C::SaveRecords},
    MenuItem{32819, 32820, {"기록 데이터 보기", "&View Record"}, C::ViewRecords},
    kSeparator,
    MenuItem{32842, 32843, {"기록 통계 보기", "Round S&tatistics"}, C::RoundStatistics},
};

constexpr std::array kLanguageMenu{
    MenuItem{32797, 32800, {"&Korean", "&Korean"}, C::KoreanTexts},
    MenuItem{32798, 32799, {"&English", "&English"}, C::EnglishTexts},
};

constexpr std::array kHelpMenu{
    MenuItem{32782, 32801, {"버전 보기", "&Versions"}, C::About},
};

constexpr std::array kMenus{
    Menu{{"파일(&F)", "&File"}, kFileMenu},
    Menu{{"내려받기(&D)", "&Download"}, kDownloadMenu},
    Menu{{"삭제(&T)", "D&eletion"}, kDeletionMenu},
    Menu{{"기록관리(&R)", "&Record Data"}, kRecordMenu},
    Menu{{"&Language", "&Language"}, kLanguageMenu},
    Menu{{"도움말(&H)", "&Help"}, kHelpMenu},
};

constexpr std::array kButtonTexts{
    ButtonText{1002, {"선택한 맵", "Selected Map"}, {"내려받기", "Download"}},
    ButtonText{1003, {"선택지역", "Selected Area"}, {"내려받기", "Download"}},
    ButtonText{1158, {"아시아", "Asia"}, {}},
    ButtonText{1159, {"아메리카", "America"}, {}},
    ButtonText{1160, {"유 럽", "European"}, {}},
    ButtonText{1161, {"기 타", "Others"}, {}},
    ButtonText{1162, {"검색결과", "Searched"}, {}},
    ButtonText{1013, {"종 료", "Quit"}, {}},
};

}  // namespace

std::span<const Menu> MainMenus() { return kMenus; }

const ButtonText* FindButtonText(int controlId) {
    for (const ButtonText& text : kButtonTexts) {
        if (text.controlId == controlId) return &text;
    }
    return nullptr;
}

}  // namespace orvane
