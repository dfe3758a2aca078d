#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "device/VersionFile.h"
#include "shell/ResultCode.h"
#include "support/TempFolder.h"

namespace orvane {
namespace {

using testing::TempFolder;

struct VersionCase {
    std::string text;
    int result;
    std::string software;
    std::string hardware;
    std::string market;
    int model;
    std::string courseFolder;
};

class VersionFile : public ::testing::Test {
protected:
    int ReadText(std::string_view text) {
        folder_.Write("System/Ver.ini", text);
        return ReadVersionFile(link_);
    }

    TempFolder folder_;
    DeviceLink link_{.DeviceRoot = folder_.path()};
};

TEST_F(VersionFile, ModelRowsFollowTheHardwareVersion) {
    const VersionCase cases[] = {
        {"V6.1.0Us V4.3.0Us", 0, "V6.1.0Us", "V4.3.0Us", "Us", 9, "Course_V40"},
        {"V5.2.0Kr V4.3.0Kr", 0, "V5.2.0Kr", "V4.3.0Kr", "Kr", 8, "Course_V40"},
        {"V2.5.0Kr V2.5.1Kr", 0, "V2.5.0Kr", "V2.5.1Kr", "Kr", 4, "Course_V40"},
        {"V4.1.0Kr V4.2.0Kr", 0, "V4.1.0Kr", "V4.2.0Kr", "Kr", 3, "Course29"},
        {"V5.1.0Kr V4.2.5Kr\r\nrest is ignored", 0, "V5.1.0Kr", "V4.2.5Kr", "Kr", 7, "Course30"},
        {"V7.0.0Kr V9.9.9Kr", 0, "V7.0.0Kr", "V9.9.9Kr", "Kr", 0, "Course_V40"},
        // A long first token shifts nothing: byte 9 on is the hardware version.
        {"V6.1.0UsXV4.3.0Us", 0, "V6.1.0UsXV4.3.0Us", "V4.3.0Us", "Us", 9, "Course_V40"},
        // Only 19 bytes count, so the hardware token is cut there.
        {"V6.1.0Us V4.3.0Us_extended", 0, "V6.1.0Us", "V4.3.0Us_e", "Us", 9, "Course_V40"},
    };
    for (const VersionCase& c : cases) {
        EXPECT_EQ(ReadText(c.text), c.result) << c.text;
        EXPECT_EQ(link_.SoftwareVersion, c.software) << c.text;
        EXPECT_EQ(link_.HardwareVersion, c.hardware) << c.text;
        EXPECT_EQ(link_.MarketCode, c.market) << c.text;
        EXPECT_EQ(link_.ModelCode, c.model) << c.text;
        EXPECT_EQ(link_.CourseFolder, c.courseFolder) << c.text;
    }
}

TEST_F(VersionFile, UnknownSoftwareFamilyIsRejectedAndKeepsTheModel) {
    ASSERT_EQ(ReadText("V5.1.0Kr V4.2.5Kr"), result::Ok);
    EXPECT_EQ(ReadText("V8.0.0Kr V4.2.0Kr"), result::Rejected);
    EXPECT_EQ(link_.ModelCode, 7);
    EXPECT_EQ(link_.CourseFolder, "Course30");
}

TEST_F(VersionFile, ABlankFileNeverPassesForThePreviousDevice) {
    ASSERT_EQ(ReadText("V6.1.0Us V4.3.0Us"), result::Ok);
    EXPECT_EQ(ReadText("                   "), result::Rejected);
    EXPECT_EQ(link_.SoftwareVersion, "");
    EXPECT_EQ(link_.HardwareVersion, "");
    EXPECT_EQ(link_.MarketCode, "");

    // Software token present, nothing from byte 9 on: no hardware model.
    EXPECT_EQ(ReadText("V6.1.0Us"), result::Ok);
    EXPECT_EQ(link_.HardwareVersion, "");
    EXPECT_EQ(link_.ModelCode, 0);
}

TEST_F(VersionFile, BadFilesFailWithoutTouchingTheVersions) {
    ASSERT_EQ(ReadText("V6.1.0Us V4.3.0Us"), result::Ok);
    const DeviceLink before = link_;

    EXPECT_EQ(ReadText(""), result::Failed);
    EXPECT_EQ(link_.SoftwareVersion, before.SoftwareVersion);

    std::filesystem::remove(folder_.path() / "System/Ver.ini");
    EXPECT_EQ(ReadVersionFile(link_), result::Failed);
    EXPECT_EQ(link_.LastDeviceError, static_cast<std::uint32_t>(ENOENT));

    std::filesystem::create_directory(folder_.path() / "System/Ver.ini");
    EXPECT_EQ(ReadVersionFile(link_), result::Failed);
    EXPECT_EQ(link_.LastDeviceError, static_cast<std::uint32_t>(EISDIR));
    EXPECT_EQ(link_.HardwareVersion, before.HardwareVersion);
    EXPECT_EQ(link_.ModelCode, 9);
}

TEST_F(VersionFile, NoiseAndOversizedFilesAreReadSafely) {
    EXPECT_EQ(ReadText("V"), result::Rejected);
    EXPECT_EQ(ReadText(std::string("\0V6.1.0Us V4.3.0Us", 18)), result::Rejected);

    std::string noise(4096, '\0');
    for (std::size_t i = 0; i < noise.size(); ++i) noise[i] = static_cast<char>((i * 131) ^ 0x5A);
    EXPECT_EQ(ReadText(noise), result::Rejected);

    std::string huge = "V6.1.0Us V4.3.0Us";
    huge.resize(10 * 1024 * 1024, 'x');
    EXPECT_EQ(ReadText(huge), result::Ok);
    EXPECT_EQ(link_.HardwareVersion, "V4.3.0Usxx");
}

TEST(ModelTable, RowsArePrefixTestsInOrder) {
    // "V4.0.1" is not taken for "V4.0.0".
    EXPECT_EQ(ModelFor("V4.0.0Kr", "V4.1.0Kr").modelCode, 2);
    EXPECT_EQ(ModelFor("V4.0.1Kr", "V4.0.0Kr").modelCode, 5);
    EXPECT_EQ(ModelFor("V4.2.", "V4.0.0Kr").modelCode, 0);
}

}  // namespace
}  // namespace orvane
