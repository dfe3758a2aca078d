#include "util/TextDecoding.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

// "남서울" as the Korean Windows code page writes it.
constexpr std::string_view kNamseoulCp949 = "\xB3\xB2\xBC\xAD\xBF\xEF";

TEST(DisplayText, KeepsUtf8AndDecodesCp949) {
    EXPECT_EQ(DisplayText("Pine Valley"), "Pine Valley");
    EXPECT_EQ(DisplayText("남서울 CC"), "남서울 CC");
    EXPECT_EQ(DisplayText(std::string(kNamseoulCp949) + " CC"), "남서울 CC");
}

TEST(DisplayText, ReplacesWhatNeitherEncodingReads) {
    // 0xFF is no CP949 lead byte; a lead byte at the very end has no trail.
    EXPECT_EQ(DisplayText("A\xFF" "B"), "A\xEF\xBF\xBD" "B");
    EXPECT_EQ(DisplayText(std::string(kNamseoulCp949) + "\xB3"), "남서울\xEF\xBF\xBD");
    // Noise such as a binary version file still gives valid UTF-8.
    std::string noise;
    for (int i = 0; i < 256; ++i) noise.push_back(static_cast<char>(255 - i));
    EXPECT_TRUE(IsValidUtf8(DisplayText(noise)));
}

TEST(DisplayText, RejectsMalformedUtf8Forms) {
    EXPECT_TRUE(IsValidUtf8("\xF0\x9F\x8F\x8C"));      // U+1F3CC
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));             // overlong "/"
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));         // a surrogate
    EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));     // past U+10FFFF
    EXPECT_FALSE(IsValidUtf8("\xE2\x82"));             // cut short
}

TEST(FoldedCase, LowersLettersOfEveryScript) {
    EXPECT_EQ(FoldedCase("Golf CLUB"), "golf club");
    EXPECT_EQ(FoldedCase("ÖSTERREICH Golf"), "österreich golf");
    EXPECT_EQ(FoldedCase("남서울 CC"), "남서울 cc");
}

}  // namespace
}  // namespace orvane
