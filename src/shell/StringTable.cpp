#include "shell/StringTable.h"

#include <algorithm>
#include <array>
#include <utility>

namespace orvane {
namespace {

constexpr std::pair<int, std::string_view> kStrings[] = {
    {101, "Fairsync 정보(&A)..."},
    {103, "Windows 소켓 초기화에 실패하였습니다."},
    {104, "USB 연결을 기다리고 있습니다."},
    {105, "Waiting for the USB connection."},
    {108, "USB 연결을 확인 바랍니다."},
    {109, "Please check USB connection."},
    {110, "서버접속이 끊어졌습니다."},
    {111, "The connection to the server has been lost."},
    {112, "서버에 접속 중 입니다."},
    {113, "Connecting to the server."},
    {114, "인터넷 연결을 확인 바랍니다."},
    {115, "Please check the internet connection."},
    {116, "서버로부터 데이터 수신 중 입니다."},
    {117, "Receiving data from the server."},
    {118, "USB 연결 중 입니다."},
    {119, "Connecting to USB."},
    {120, "Clublist 분석 중 입니다."},
    {121, "Analyzing Clublist."},
    {126, "연결이 완료 되었습니다."},
    {127, "The connection has been completed."},
    {128, "데이터를 단말기에 저장하고 있습니다."},
    {129, "Storing Data to the device."},
    {130, "추가되었거나 수정된 맵이 없습니다."},
    {131, "No maps added or modified."},
    {134, "기기에 저장중입니다. 잠시만 기다려 주십시요."},
    {135, "Storing data to the device, please wait."},
    {146, "펌웨어 업그레이드 중입니다. 완료가 될 때가지 약 1~3분 정도 소요됩니다."},
    {147, "Upgrading Firmware.. It will take about 1 to 3 minutes for completion."},
    {150, "선택한 맵을 단말기에서 삭제하고 있습니다."},
    {151, "Deteling the selected map from the device."},
    {156, "해외 Clublist 분석 중 입니다."},
    {157, "Analyzing Clublist in foreign countries."},
    {160, "사용자 데이터를 분석 중 입니다."},
    {161, "Analyzing User data."},
    {162, "다운로드에 실패했습니다."},
    {163, "Download failed."},
    {164, "코스맵 다운로드에 실패했습니다."},
    {165, "Downloading a course map data failed."},
    {166, "기기의 맵데이터 확인 중 입니다. 잠시만 기다려 주십시요."},
    {167, "Checking Map Data on Device. Please Wait."},
};

static_assert(std::ranges::is_sorted(kStrings, {}, &std::pair<int, std::string_view>::first));

bool IsKoreanOnly(int id) {
    return id == message::AboutMenuEntry || id == message::SocketsFailed;
}

}  // namespace

std::string_view StringTableText(int id) {
    const auto* found =
        std::ranges::lower_bound(kStrings, id, {}, &std::pair<int, std::string_view>::first);
    if (found == std::end(kStrings) || found->first != id) return {};
    return found->second;
}

std::string_view MessageText(int koreanId, Language language) {
    if (language == Language::Korean || IsKoreanOnly(koreanId)) return StringTableText(koreanId);
    return StringTableText(koreanId + 1);
}

}  // namespace orvane
