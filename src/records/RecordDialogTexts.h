#pragma once

#include <array>

#include "shell/ShellTexts.h"

// What the record windows write on their controls, in both languages, and
// the names assistive technology reads for controls whose text alone says
// too little.
namespace orvane {

// A list column: its heading and its width in pixels.
struct RecordColumn {
    TextPair heading;
    int width = 0;
};

inline constexpr TextPair kDateColumn{"날짜_시간", "Date_Hour"};
inline constexpr TextPair kClubColumn{"골프장", "Club Name"};

// The save dialog.
inline constexpr TextPair kSaveDialogTitle{"기록데이터저장하기", "Save Record Data"};
inline constexpr TextPair kSaveButton{"저장(&S)", "Save(&S)"};
inline constexpr TextPair kCancelButton{"취소(&C)", "Cancel(&C)"};
inline constexpr std::array<RecordColumn, 2> kSaveDialogColumns{{
    {kDateColumn, 120},
    {kClubColumn, 160},
}};

// The record viewer.
inline constexpr TextPair kViewerTitle{"기록데이터보기", "View Record Data"};
inline constexpr TextPair kViewButton{"보기(&V)", "View(&V)"};
inline constexpr std::array<RecordColumn, 5> kViewerColumns{{
    {kDateColumn, 100},
    {kClubColumn, 160},
    {{"전", "Out"}, 40},
    {{"후", "In"}, 40},
    {{"합계", "Total"}, 50},
}};

// The score card, beyond the texts it shares with the command line.
inline constexpr TextPair kExitScoreCard{"확인(&X)", "Exit(&X)"};
inline constexpr TextPair kScoreCardCaption{"Score Card", "Score Card"};
inline constexpr std::array<TextPair, 5> kShotRowCaptions{{
    {"1st", "1st"},
    {"2nd", "2nd"},
    {"3rd", "3rd"},
    {"4th", "4th"},
    {"5th", "5th"},
}};

// Exporting the round or the hole shown from the score card.
inline constexpr TextPair kExportButton{"내보내기(&E)…", "&Export…"};
inline constexpr TextPair kExportTitle{"기록 내보내기", "Export Round"};
inline constexpr TextPair kGpxFilter{"라운드 GPX 파일 (*.gpx)", "Round as GPX (*.gpx)"};
inline constexpr TextPair kCsvFilter{"라운드 CSV 파일 (*.csv)", "Round as CSV (*.csv)"};
inline constexpr TextPair kSvgFilter{"홀 그림 SVG (*.svg)", "Hole picture as SVG (*.svg)"};
inline constexpr TextPair kPngFilter{"홀 그림 PNG (*.png)", "Hole picture as PNG (*.png)"};
inline constexpr TextPair kExportFailed{"파일을 저장하지 못했습니다.\r\n%s",
                                        "The file could not be written.\r\n%s"};

// The round statistics window.
inline constexpr TextPair kStatisticsTitle{"기록 통계", "Round Statistics"};
inline constexpr TextPair kCloseButton{"닫기(&C)", "&Close"};

// Names for assistive technology. "%d" is a hole number.
inline constexpr TextPair kRecordListName{"기록 데이터 목록", "Record list"};
inline constexpr TextPair kHoleCellName{"%d번 홀", "Hole %d"};
inline constexpr TextPair kParCellName{"%d번 홀 파 %s", "Hole %d par %s"};
inline constexpr TextPair kScoreCellName{"%d번 홀 스코어 %s", "Hole %d score %s"};
inline constexpr TextPair kNotPlayed{"기록 없음", "not played"};
inline constexpr TextPair kHoleViewName{"%d번 홀 그림", "Drawing of hole %d"};
// "1st shot: Driver, 230 yards".
inline constexpr TextPair kShotRowName{"%s 샷: %s, %s %s", "%s shot: %s, %s %s"};
inline constexpr TextPair kUnitButtonName{"거리 단위: %s", "Distance unit: %s"};
inline constexpr TextPair kMetresName{"미터", "metres"};
inline constexpr TextPair kYardsName{"야드", "yards"};
inline constexpr TextPair kHoleToParName{"홀별 파 대비 타수", "Strokes to par by hole"};
inline constexpr TextPair kClubTableName{"클럽별 거리", "Distance by club"};

}  // namespace orvane
