#pragma once

#include <span>

#include "shell/ShellTexts.h"

namespace orvane {

// What a menu item or a button of the main window asks for.
enum class WindowCommand {
    None,  // a separator
    SearchCourses,
    FindInstrument,
    Exit,
    DeleteSelectedMaps,
    SaveRecords,
    ViewRecords,
    RoundStatistics,
    KoreanTexts,
    EnglishTexts,
    About,
    DownloadKoreaNewAndModified,
    DownloadKoreaNew,
    DownloadKoreaModified,
    DownloadOthersNew,
    DownloadOthersModified,
    Firmware,
    StopTransfer,
};

// One item of the two menu bars: its id in the Korean bar and in the
// English one, its text (with the "&" of its mnemonic) in each.
struct MenuItem {
    int koreanId = 0;
    int englishId = 0;
    TextPair text;
    WindowCommand command = WindowCommand::None;

    bool IsSeparator() const { return command == WindowCommand::None; }
};

struct Menu {
    TextPair title;
    std::span<const MenuItem> items;
};

// The menu bar, menu by menu in order. The Download menu, the statistics
// item and Stop go beyond the system's own menus; they reach commands the
// system only had ids for, in the same style.
std::span<const Menu> MainMenus();

// The owner-drawn buttons' text lines (the second is used by the two-line
// buttons only).
struct ButtonText {
    int controlId = 0;
    TextPair firstLine;
    TextPair secondLine;
};
const ButtonText* FindButtonText(int controlId);

// The about box.
inline constexpr std::string_view kAboutProductLine = "Orvane Manager V1.00";
inline constexpr std::string_view kAboutDateLine = "--  2019.08.01";
inline constexpr TextPair kAboutOk{"확인", "OK"};
// The main window's caption.
inline constexpr std::string_view kWindowCaption = "Orvane Manager V1.00";

}  // namespace orvane
