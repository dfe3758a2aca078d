#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "device/VersionFile.h"
#include "shell/ResultCode.h"
#include "support/TempFolder.h"

namespace orvane {
namespace {

class VersionFile : public ::testing::Test {
protected:
    int ReadText(std::string_view text) {
        folder_.Write("System/Ver.ini", text);
        return ReadVersionFile(link_);
    }
    // software|hardware|market|model|course folder, as the last read left them.
    std::string Versions() const {
        return link_.SoftwareVersion + '|' + link_.HardwareVersion + '|' + link_.MarketCode + '|' +
               std::to_string(link_.ModelCode) + '|' + link_.CourseFolder;
    }

    testing::TempFolder folder_;
    DeviceLink link_{.DeviceRoot = folder_.path()};
};

TEST_F(VersionFile, ModelRowsFollowTheHardwareVersion) {
    const std::pair<std::string, std::string> cases[] = {
        {"V5.1.0Kr V4.2.5Kr\r\nrest is ignored", "V5.1.0Kr|V4.2.5Kr|Kr|7|Course30"},
        // A long first token shifts nothing: byte 9 on is the hardware version.
        {"V6.1.0UsXV4.3.0Us", "V6.1.0UsXV4.3.0Us|V4.3.0Us|Us|9|Course_V40"},
        // Only 19 bytes count, so the hardware token is cut there.
        {"V6.1.0Us V4.3.0Us_extended", "V6.1.0Us|V4.3.0Us_e|Us|9|Course_V40"},
        {"V6.1.0Us V4.3.0Us" + std::string(64 * 1024, 'x'), "V6.1.0Us|V4.3.0Usxx|Us|9|Course_V40"},
    };
    for (const auto& [text, versions] : cases) {
        EXPECT_EQ(ReadText(text), result::Ok) << text.substr(0, 30);
        EXPECT_EQ(Versions(), versions);
    }
}

// A blank or foreign file must never pass for the previous device.
TEST_F(VersionFile, RejectedFilesClearTheVersionsButKeepTheModel) {
    ASSERT_EQ(ReadText("V5.1.0Kr V4.2.5Kr"), result::Ok);
    EXPECT_EQ(ReadText("V8.0.0Kr V4.2.0Kr"), result::Rejected);
    EXPECT_EQ(Versions(), "V8.0.0Kr|||7|Course30");
    EXPECT_EQ(ReadText("                   "), result::Rejected);
    EXPECT_EQ(ReadText(std::string("\0V6.1.0Us V4.3.0Us", 18)), result::Rejected);
    EXPECT_EQ(Versions(), "|||7|Course30");
    // Software token present, nothing from byte 9 on: no hardware model.
    EXPECT_EQ(ReadText("V6.1.0Us"), result::Ok);
    EXPECT_EQ(Versions(), "V6.1.0Us|||0|Course_V40");
}

TEST_F(VersionFile, UnreadableFilesFailWithoutTouchingTheVersions) {
    ASSERT_EQ(ReadText("V6.1.0Us V4.3.0Us"), result::Ok);
    const std::string before = Versions();
    EXPECT_EQ(ReadText(""), result::Failed);
    std::filesystem::remove(folder_.path() / "System/Ver.ini");
    EXPECT_EQ(ReadVersionFile(link_), result::Failed);
    EXPECT_EQ(link_.LastDeviceError, static_cast<std::uint32_t>(ENOENT));
    std::filesystem::create_directory(folder_.path() / "System/Ver.ini");
    EXPECT_EQ(ReadVersionFile(link_), result::Failed);
    EXPECT_EQ(link_.LastDeviceError, static_cast<std::uint32_t>(EISDIR));
    EXPECT_EQ(Versions(), before);
}

}  // namespace
}  // namespace orvane
