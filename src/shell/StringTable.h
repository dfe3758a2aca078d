#pragma once

#include <string_view>

#include "shell/Language.h"

namespace orvane {

// Message k of the string table has its Korean text at id k and its English
// text at id k + 1; a few messages exist in Korean only and are shown as they
// are in both languages.
namespace message {
inline constexpr int AboutMenuEntry = 101;
inline constexpr int SocketsFailed = 103;
inline constexpr int WaitingForUsb = 104;
inline constexpr int CheckUsbConnection = 108;
inline constexpr int ServerConnectionLost = 110;
inline constexpr int ConnectingToServer = 112;
inline constexpr int CheckInternetConnection = 114;
inline constexpr int ReceivingFromServer = 116;
inline constexpr int ConnectingToUsb = 118;
inline constexpr int AnalyzingClubList = 120;
inline constexpr int ConnectionCompleted = 126;
inline constexpr int StoringDataToDevice = 128;
inline constexpr int NoMapsAddedOrModified = 130;
inline constexpr int StoringPleaseWait = 134;
inline constexpr int UpgradingFirmware = 146;
inline constexpr int DeletingSelectedMap = 150;
inline constexpr int AnalyzingForeignClubList = 156;
inline constexpr int AnalyzingUserData = 160;
inline constexpr int DownloadFailed = 162;
inline constexpr int CourseMapDownloadFailed = 164;
inline constexpr int CheckingMapData = 166;
}  // namespace message

// The text stored under `id`, or an empty view for an id the table lacks.
std::string_view StringTableText(int id);

// Message `koreanId` in `language`, by the id / id + 1 rule.
std::string_view MessageText(int koreanId, Language language);

}  // namespace orvane
