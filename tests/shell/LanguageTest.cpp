#include <gtest/gtest.h>

#include <map>
#include <string>

#include "shell/Language.h"
#include "shell/StringTable.h"

namespace orvane {
namespace {

Language FromEnvironment(std::map<std::string, std::string> variables) {
    return LanguageFromLocale([&](const char* name) -> const char* {
        const auto found = variables.find(name);
        return found == variables.end() ? nullptr : found->second.c_str();
    });
}

TEST(Language, LocaleVariablesDecideInTheirPrecedence) {
    EXPECT_EQ(FromEnvironment({{"LANG", "ko_KR.UTF-8"}}), Language::Korean);
    EXPECT_EQ(FromEnvironment({{"LANG", "de_DE.UTF-8"}}), Language::English);
    EXPECT_EQ(FromEnvironment({}), Language::English);
    EXPECT_EQ(FromEnvironment({{"LC_ALL", "en_US.UTF-8"}, {"LANG", "ko_KR"}}), Language::English);
    EXPECT_EQ(FromEnvironment({{"LC_MESSAGES", "ko_KR"}, {"LANG", "C"}}), Language::Korean);
    // An empty variable is as good as unset.
    EXPECT_EQ(FromEnvironment({{"LC_ALL", ""}, {"LANG", "ko"}}), Language::Korean);
}

TEST(Language, AnyPrimaryIdButKoreanIsEnglish) {
    EXPECT_EQ(LanguageFromPrimaryId(18), Language::Korean);
    EXPECT_EQ(LanguageFromPrimaryId(7), Language::English);  // German
    EXPECT_EQ(PickText(Language::Korean, "알림", "Notice"), "알림");
    EXPECT_EQ(PickText(Language::English, "알림", "Notice"), "Notice");
}

TEST(StringTable, MessagesSitAtTheirIdsWithEnglishAtTheNext) {
    struct Case {
        int id;
        std::string_view korean;
        std::string_view english;
    };
    const Case cases[] = {
        {message::DeletingSelectedMap, "선택한 맵을 단말기에서 삭제하고 있습니다.",
         "Deteling the selected map from the device."},
        {message::CheckingMapData, "기기의 맵데이터 확인 중 입니다. 잠시만 기다려 주십시요.",
         "Checking Map Data on Device. Please Wait."},
        {message::UpgradingFirmware,
         "펌웨어 업그레이드 중입니다. 완료가 될 때가지 약 1~3분 정도 소요됩니다.",
         "Upgrading Firmware.. It will take about 1 to 3 minutes for completion."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MessageText(c.id, Language::Korean), c.korean) << c.id;
        EXPECT_EQ(MessageText(c.id, Language::English), c.english) << c.id;
        EXPECT_EQ(StringTableText(c.id + 1), c.english) << c.id;
    }
}

TEST(StringTable, EveryMessageHasBothTextsButTheKoreanOnlyOnes) {
    const int ids[] = {104, 108, 110, 112, 114, 116, 118, 120, 126, 128,
                       130, 134, 146, 150, 156, 160, 162, 164, 166};
    for (int id : ids) {
        EXPECT_FALSE(StringTableText(id).empty()) << id;
        EXPECT_FALSE(StringTableText(id + 1).empty()) << id + 1;
        EXPECT_NE(StringTableText(id), StringTableText(id + 1)) << id;
    }
    EXPECT_EQ(MessageText(message::SocketsFailed, Language::English),
              "Windows 소켓 초기화에 실패하였습니다.");
    EXPECT_EQ(MessageText(message::AboutMenuEntry, Language::English), "Fairsync 정보(&A)...");
    EXPECT_TRUE(StringTableText(102).empty());
    EXPECT_TRUE(StringTableText(168).empty());
}

}  // namespace
}  // namespace orvane
