#pragma once

#include "shell/ShellTexts.h"

// What `--help` prints, for both programs in both languages. The manual pages
// in doc/ say the same in more words; scripts/check-package keeps them in step.
namespace orvane::text::help {

inline constexpr TextPair Description{
    "Orvane 매니저: 골프 GPS 기기의 골프장 지도와 라운드 기록",
    "Orvane Manager: course maps and round records of the golf GPS device"};

// Headings of the help text.
inline constexpr TextPair Usage{"사용법", "Usage"};
inline constexpr TextPair Options{"옵션", "Options"};
inline constexpr TextPair OptionsMark{"옵션", "OPTIONS"};
inline constexpr TextPair Commands{"명령", "Commands"};
inline constexpr TextPair CommandMark{"명령", "COMMAND"};
inline constexpr TextPair Arguments{"인자", "Arguments"};
inline constexpr TextPair Required{"필수", "REQUIRED"};
inline constexpr TextPair Excludes{"함께 쓸 수 없음", "Excludes"};
inline constexpr TextPair Needs{"필요", "Needs"};

// The options both programs take.
inline constexpr TextPair Device{"기기를 찾는 대신 이 폴더를 기기로 씁니다",
                                 "Use this folder as the device instead of looking for it"};
inline constexpr TextPair Server{"업데이트 서버, http://host[:port]",
                                 "Update server, http://host[:port]"};
inline constexpr TextPair Workdir{"받은 파일을 읽는 동안 두는 작업 폴더",
                                  "Working folder for fetched files"};
inline constexpr TextPair Lang{"화면 언어, ko 또는 en (없으면 로캘에 따름)",
                               "Interface language, ko or en (default: from the locale)"};
inline constexpr TextPair Help{"이 도움말을 출력하고 끝냅니다", "Print this help and exit"};
inline constexpr TextPair Version{"프로그램 이름과 버전을 출력하고 끝냅니다",
                                  "Print the program's name and version and exit"};

// orvane-cli's own options.
inline constexpr TextPair Json{"결과를 JSON 으로 출력합니다", "Print the result as JSON"};
inline constexpr TextPair Yes{"질문에 예(또는 확인)로 답합니다",
                              "Answer questions with Yes (or OK)"};
inline constexpr TextPair No{"질문에 아니오로 답합니다", "Answer questions with No"};
inline constexpr TextPair Cancel{"질문에 취소로 답합니다", "Answer questions with Cancel"};

// orvane-cli's commands and their arguments.
inline constexpr TextPair Devices{"기기 찾기가 살펴보는 저장 장치를 나열합니다",
                                  "List the storage volumes discovery looks at"};
inline constexpr TextPair DeviceInfo{"기기의 버전 값을 보여 줍니다",
                                     "Show the device's version values"};
inline constexpr TextPair Connect{"연결 과정을 실행하고 골프장 수를 셉니다",
                                  "Run the connection sequence and count the courses"};
inline constexpr TextPair Zone{"한 존의 서버 골프장과 기기 골프장을 출력합니다",
                               "Print a zone's catalogue and device courses"};
inline constexpr TextPair ZoneNumber{"존 번호", "Zone number"};
inline constexpr TextPair Firmware{"기기의 펌웨어 업그레이드를 제안합니다",
                                   "Offer a firmware upgrade of the device"};
inline constexpr TextPair Areas{"골프장 목록을 나누는 지역을 출력합니다",
                                "Print the areas the course list is browsed by"};
inline constexpr TextPair Courses{"연결하고 지역 탭을 골라 골프장 목록을 출력합니다",
                                  "Connect, choose the area tabs and list the courses"};
inline constexpr TextPair Tabs{"대륙, 국가, 지역, 세부 지역 탭 (T,C,R,S)",
                               "Continent, country, region and sub-area tab (T,C,R,S)"};
inline constexpr TextPair Search{"연결하고 골프장 이름으로 찾습니다",
                                 "Connect and search the catalogue by course name"};
inline constexpr TextPair SearchText{"한 단어, 또는 빈칸으로 나눈 두 단어",
                                     "One word, or two separated by a blank"};
inline constexpr TextPair Pack{"파일을 압축 기록 파일로 씁니다",
                               "Write a file as a packed record file"};
inline constexpr TextPair Unpack{"압축 기록 파일의 내용을 풀어 씁니다",
                                 "Write out what a packed record file holds"};
inline constexpr TextPair InFile{"읽을 파일", "File to read"};
inline constexpr TextPair OutFile{"쓸 파일", "File to write"};
inline constexpr TextPair Download{"연결하고 골프장 지도를 기기에 저장합니다",
                                   "Connect and store course maps on the device"};
inline constexpr TextPair DownloadNames{"이 이름의 행을 저장합니다 (선택 버튼)",
                                        "Store the rows with these names (the select button)"};
inline constexpr TextPair DownloadArea{"지역의 추가·수정된 행을 저장합니다 (지역 버튼)",
                                       "Store the area's added and modified rows"};
inline constexpr TextPair DownloadCommand{"존 명령으로 저장합니다", "Store by zone command"};
inline constexpr TextPair Delete{"연결하고 기기에서 골프장 지도를 지웁니다",
                                 "Connect and delete course maps from the device"};
inline constexpr TextPair DeleteNames{"이 이름의 행의 지도를 지웁니다",
                                      "Delete the maps of the rows with these names"};
inline constexpr TextPair Records{"연결하고 기기의 라운드 기록을 나열합니다",
                                  "Connect and list the device's round records"};
inline constexpr TextPair RecordsSave{"기기의 라운드 기록을 폴더에 저장합니다",
                                      "Save device round records to a folder"};
inline constexpr TextPair RecordFolder{"기록 폴더", "Record folder"};
inline constexpr TextPair AllRows{"모든 기록", "Every record"};
inline constexpr TextPair Rows{"`records` 가 매긴 행 번호, 1부터", "Rows of `records`, from 1"};
inline constexpr TextPair RecordsSaved{"폴더의 라운드 기록을 나열합니다",
                                       "List the round records of a folder"};
inline constexpr TextPair RecordsStats{"기록 폴더의 라운드 통계",
                                       "Round statistics of a record folder"};
inline constexpr TextPair RecordsShow{"저장된 라운드를 스코어카드로 보여 줍니다",
                                      "Show a saved round as a score card"};
inline constexpr TextPair RecordsExport{"저장된 라운드의 샷을 GPX 또는 CSV 로 씁니다",
                                        "Write a saved round's shots as GPX or CSV"};
inline constexpr TextPair RecordFile{"`records saved` 가 보여 주는 기록 파일",
                                     "Record file, as `records saved` names it"};
inline constexpr TextPair Unit{"거리 단위", "Distance unit"};
inline constexpr TextPair RecordsDraw{"저장된 라운드의 홀을 스코어카드처럼 그립니다",
                                      "Draw a hole of a saved round as the score card does"};
inline constexpr TextPair Hole{"카드의 홀, 1 ~ 18", "Hole of the card, 1 to 18"};
inline constexpr TextPair SvgFile{"쓸 SVG 파일", "SVG file to write"};
inline constexpr TextPair GpxFile{"쓸 GPX 파일", "GPX file to write"};
inline constexpr TextPair CsvFile{"쓸 CSV 파일", "CSV file to write"};

}  // namespace orvane::text::help
