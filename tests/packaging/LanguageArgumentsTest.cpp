#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/Language.h"

namespace orvane {
namespace {

Language Chosen(const std::vector<std::string>& arguments, const char* locale) {
    return LanguageFromArguments(arguments, [locale](const char* name) -> const char* {
        return std::string(name) == "LANG" ? locale : nullptr;
    });
}

TEST(LanguageFromArguments, LangOptionWinsOverTheLocaleInEitherSpelling) {
    EXPECT_EQ(Chosen({"--lang", "ko", "--help"}, "en_US.UTF-8"), Language::Korean);
    EXPECT_EQ(Chosen({"records", "--help", "--lang=ko"}, "C"), Language::Korean);
    EXPECT_EQ(Chosen({"--lang", "en", "connect"}, "ko_KR.UTF-8"), Language::English);
    EXPECT_EQ(Chosen({"--help"}, "ko_KR.UTF-8"), Language::Korean);
}

// The parser refuses these later; until then the locale decides.
TEST(LanguageFromArguments, AMissingOrUnknownValueLeavesItToTheLocale) {
    EXPECT_EQ(Chosen({"--help", "--lang"}, "ko_KR.UTF-8"), Language::Korean);
    EXPECT_EQ(Chosen({"--lang", "de"}, "ko_KR.UTF-8"), Language::Korean);
    EXPECT_EQ(Chosen({"--language=ko"}, "C"), Language::English);
}

}  // namespace
}  // namespace orvane
