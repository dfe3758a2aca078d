#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/Process.h"
#include "support/TempFolder.h"

namespace orvane {
namespace {

using testing::ProcessResult;
using testing::ReadWholeFile;
using testing::RunProcess;
using testing::TempFolder;

class PackCommands : public ::testing::Test {
protected:
    ProcessResult Cli(std::vector<std::string> args) {
        args.insert(args.begin(), ORVANE_CLI);
        return RunProcess(args, {"LANG=C"});
    }
    std::string At(const char* name) const { return (folder_.path() / name).string(); }

    TempFolder folder_;
};

TEST_F(PackCommands, PackThenUnpackGivesTheSameBytes) {
    std::string record = "1,0.5,20240501,09\r\n";
    for (int hole = 1; hole <= 18; ++hole)
        record += std::to_string(hole) + ",4," + std::to_string(300 + hole * 17) + ",127.0381\r\n";
    folder_.Write("round.txt", record);

    const ProcessResult packed = Cli({"pack", At("round.txt"), At("round.dat")});
    ASSERT_EQ(packed.exitCode, 0) << packed.err;
    EXPECT_EQ(ReadWholeFile(At("round.dat")).substr(0, 4), "1.1 ");
    const ProcessResult unpacked = Cli({"unpack", At("round.dat"), At("back.txt")});
    ASSERT_EQ(unpacked.exitCode, 0) << unpacked.err;
    EXPECT_EQ(ReadWholeFile(At("back.txt")), record);
    EXPECT_EQ(packed.out + packed.err + unpacked.out + unpacked.err, "");
}

TEST_F(PackCommands, UnreadableInputsExitOneWithAMessage) {
    folder_.Write("garbage.dat", "1.1 2/99 not a table");
    const ProcessResult english = Cli({"unpack", At("garbage.dat"), At("out.txt")});
    EXPECT_EQ(english.exitCode, 1);
    EXPECT_EQ(english.err, At("garbage.dat") + " is not a readable packed record file.\n");
    const ProcessResult korean = Cli({"unpack", At("garbage.dat"), At("out.txt"), "--lang", "ko"});
    EXPECT_EQ(korean.exitCode, 1);
    EXPECT_EQ(korean.err, At("garbage.dat") + " 은(는) 읽을 수 있는 기록 파일이 아닙니다.\n");
    EXPECT_FALSE(std::filesystem::exists(At("out.txt")));

    for (const char* command : {"pack", "unpack"}) {
        const ProcessResult missing = Cli({command, At("none"), At("out.txt")});
        EXPECT_EQ(missing.exitCode, 1);
        EXPECT_EQ(missing.err, At("none") + " cannot be read.\n");
    }
    folder_.Write("large.txt", std::string(204800, '7'));
    const ProcessResult large = Cli({"pack", At("large.txt"), At("out.dat")});
    EXPECT_EQ(large.exitCode, 1);
    EXPECT_EQ(
        large.err,
        At("large.txt") + " is too large to pack: a record file holds fewer than 204,800 bytes.\n");
    folder_.Write("small.txt", "3,4\n");
    const ProcessResult unwritable = Cli({"pack", At("small.txt"), At("no/such/out.dat")});
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_EQ(unwritable.err,
              At("no/such/out.dat") + " cannot be written: No such file or directory\n");
}

}  // namespace
}  // namespace orvane
