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
    EXPECT_EQ(FromEnvironment({{"LC_ALL", "en_US.UTF-8"}, {"LANG", "ko_KR"}}), Language::English);
    EXPECT_EQ(FromEnvironment({{"LC_MESSAGES", "ko_KR"}, {"LANG", "C"}}), Language::Korean);
    // An empty variable is as good as unset.
    EXPECT_EQ(FromEnvironment({{"LC_ALL", ""}, {"LANG", "ko"}}), Language::Korean);
}

// Each message's English text sits at the next id, as the status tests show;
// two entries have none and show the Korean one instead.
TEST(StringTable, KoreanOnlyEntriesShowInEveryLanguage) {
    EXPECT_EQ(MessageText(message::AboutMenuEntry, Language::English), "Fairsync 정보(&A)...");
    EXPECT_TRUE(StringTableText(168).empty());
}

}  // namespace
}  // namespace orvane
