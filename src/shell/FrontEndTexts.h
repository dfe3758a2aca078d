#pragma once

#include "shell/ShellTexts.h"

// Texts the front ends show beyond the system's own messages: the command
// line's summaries and usage errors, the window's additions. Kept here so that
// every text a person reads exists in both languages in one place.
namespace orvane::text {

// The device went away while connected.
inline constexpr TextPair DeviceDisconnected{"기기 연결이 끊어졌습니다. USB 연결을 기다리고 있습니다.",
                                             "The device was disconnected. Waiting for the USB connection."};

// Names of the window's controls for assistive technology.
inline constexpr TextPair ProgressName{"진행 상황", "Progress"};
inline constexpr TextPair SearchBoxName{"찾을 골프장 이름", "Golf course name to search"};
inline constexpr TextPair FindButtonName{"찾기", "Find"};
inline constexpr TextPair CourseListName{"골프장 목록", "Course list"};
inline constexpr TextPair DevicePictureName{"기기 그림", "Device picture"};

// Device survey.
inline constexpr TextPair NoUsbVolume{"USB 저장 장치가 연결되어 있지 않습니다.",
                                      "No USB storage volume is mounted."};
inline constexpr TextPair RulesLabel{"규칙: ", "rules: "};
inline constexpr TextPair NoRule{"없음", "none"};
inline constexpr TextPair VersionFileLabel{"  버전 파일: ", "  version file: "};
inline constexpr TextPair VersionNotTried{"확인 안 함", "not tried"};
inline constexpr TextPair VersionParsed{"읽음", "parsed"};
inline constexpr TextPair VersionOtherFamily{"다른 기종", "other family"};
inline constexpr TextPair VersionUnreadableShort{"읽을 수 없음", "unreadable"};

// Course counts after a connection: "<group>: <n> courses, <a> added, <m> modified".
inline constexpr TextPair KoreaGroup{"한국", "Korea"};
inline constexpr TextPair OverseasGroup{"해외", "Overseas"};
inline constexpr TextPair UsaGroup{"미국", "USA"};
inline constexpr TextPair GroupCountsFormat{"%s: 골프장 %d개, 추가 %d개, 수정 %d개",
                                            "%s: %d courses, %d added, %d modified"};

// The area tabs as the command line prints them.
inline constexpr TextPair ContinentStrip{"대륙", "Continent"};
inline constexpr TextPair CountryStrip{"국가", "Country"};
inline constexpr TextPair RegionStrip{"지역", "Region"};
inline constexpr TextPair SubAreaStrip{"세부 지역", "Sub-area"};
inline constexpr TextPair CountryCountFormat{"%s: 국가 %d개", "%s: %d countries"};
inline constexpr TextPair SelectionFormat{"  [선택 코드 %d%s]", "  [selection %d%s]"};
inline constexpr TextPair SubdividedMark{", 세부 지역 있음", ", subdivided"};
inline constexpr TextPair RegionZoneFormat{"  zone %d, 지역 번호 %d", "  zone %d, region %d"};
inline constexpr TextPair NoSubAreas{", 세부 지역 없음", ", no sub-areas"};

// Naming rows and commands on the command line.
inline constexpr TextPair NoCourseNamedFormat{"선택한 지역에 %s 골프장이 없습니다",
                                              "no course named %s in the chosen area"};
inline constexpr TextPair NothingChanged{"바뀐 것이 없습니다", "nothing was changed"};
inline constexpr TextPair DownloadNeedsChoice{"download 에는 --names, --area 또는 --command 가 필요합니다",
                                              "download needs --names, --area or --command"};
inline constexpr TextPair ExportNeedsTarget{"records export 에는 --gpx 또는 --csv 가 필요합니다",
                                            "records export needs --gpx or --csv"};
inline constexpr TextPair SaveNeedsRows{"records save: --all 또는 --rows 를 주십시오",
                                        "records save: give --all or --rows"};
inline constexpr TextPair NoSuchRecordRow{"해당 번호의 기록이 없습니다: ", "There is no record row "};

// Answers to a question, as a terminal names them.
inline constexpr TextPair AnswerOk{"확인", "OK"};
inline constexpr TextPair AnswerCancel{"취소", "Cancel"};
inline constexpr TextPair AnswerYes{"예", "Yes"};
inline constexpr TextPair AnswerNo{"아니오", "No"};

// Files the command line reads and writes; each follows the file's name.
inline constexpr TextPair CannotRead{" 을(를) 읽을 수 없습니다.", " cannot be read."};
inline constexpr TextPair CannotWrite{" 에 쓸 수 없습니다: ", " cannot be written: "};

}  // namespace orvane::text
