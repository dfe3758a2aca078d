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

TEST_F(PackCommands, PackThenUnpackGivesTheSameBytesSilently) {
    const std::string record = "1,0.5,20240501,09\r\n1,4,317,127.0381\r\n2,3,171,127.0402\r\n";
    folder_.Write("round.txt", record);
    const ProcessResult packed = Cli({"pack", At("round.txt"), At("round.dat")});
    const ProcessResult unpacked = Cli({"unpack", At("round.dat"), At("back.txt")});
    EXPECT_EQ(packed.exitCode, 0);
    EXPECT_EQ(unpacked.exitCode, 0);
    EXPECT_EQ(packed.out + packed.err + unpacked.out + unpacked.err, "");
    EXPECT_EQ(ReadWholeFile(At("back.txt")), record);
}

TEST_F(PackCommands, RefusalsExitOneWithTheirMessage) {
    folder_.Write("garbage.dat", "1.1 2/99 not a table");
    folder_.Write("large.txt", std::string(204800, '7'));
    folder_.Write("small.txt", "3,4\n");
    const std::vector<std::pair<std::vector<std::string>, std::string>> refusals = {
        {{"unpack", At("garbage.dat"), At("out.txt")},
         At("garbage.dat") + " is not a readable packed record file.\n"},
        {{"unpack", At("none"), At("out.txt")}, At("none") + " cannot be read.\n"},
        {{"pack", At("large.txt"), At("out.txt")},
         At("large.txt") +
             " is too large to pack: a record file holds fewer than 204,800 bytes.\n"},
        {{"pack", At("small.txt"), At("no/such/out.dat")},
         At("no/such/out.dat") + " cannot be written: No such file or directory\n"},
    };
    for (const auto& [args, message] : refusals) {
        const ProcessResult refused = Cli(args);
        EXPECT_EQ(refused.exitCode, 1) << args[1];
        EXPECT_EQ(refused.err, message);
    }
    EXPECT_FALSE(std::filesystem::exists(At("out.txt")));
}

}  // namespace
}  // namespace orvane
