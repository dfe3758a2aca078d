#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/CliApp.h"
#include "gui/ManagerOptions.h"
#include "support/ScopedEnvironment.h"

namespace orvane {
namespace {

struct CliRun {
    int exitCode;
    std::string out;
    std::string err;
};

CliRun RunCli(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int exitCode = cli::Run(args, out, err);
    return {exitCode, out.str(), err.str()};
}

bool Holds(const std::string& text, std::string_view part) {
    return text.find(part) != std::string::npos;
}

TEST(CliInformation, VersionIsTheProgramNameAndTheProjectVersion) {
    for (const auto& args : {std::vector<std::string>{"--version"},
                             std::vector<std::string>{"--lang", "ko", "--version"}}) {
        const auto run = RunCli(args);
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.out, "orvane-cli " ORVANE_VERSION "\n");
        EXPECT_EQ(run.err, "");
    }
}

TEST(CliInformation, HelpIsInTheChosenLanguageHeadingsIncluded) {
    const testing::ScopedEnvironment locale("LC_ALL", "ko_KR.UTF-8");
    const auto korean = RunCli({"--help"});
    EXPECT_EQ(korean.exitCode, 0);
    EXPECT_TRUE(
        korean.out.starts_with("Orvane 매니저: 골프 GPS 기기의 골프장 지도와 라운드 기록\n"))
        << korean.out;
    EXPECT_TRUE(Holds(korean.out, "사용법: orvane-cli [옵션] 명령")) << korean.out;
    EXPECT_TRUE(Holds(korean.out, "\n옵션:\n")) << korean.out;
    EXPECT_TRUE(Holds(korean.out, "\n명령:\n")) << korean.out;
    EXPECT_TRUE(Holds(korean.out, "연결 과정을 실행하고 골프장 수를 셉니다")) << korean.out;
    EXPECT_TRUE(Holds(korean.out, "  --yes 함께 쓸 수 없음: --no --cancel\n")) << korean.out;
    EXPECT_FALSE(Holds(korean.out, "Run the connection sequence")) << korean.out;

    const auto english = RunCli({"--lang", "en", "--help"});
    EXPECT_TRUE(Holds(english.out, "Usage: orvane-cli [OPTIONS] COMMAND")) << english.out;
    EXPECT_TRUE(Holds(english.out, "\nCommands:\n")) << english.out;
    EXPECT_TRUE(Holds(english.out, "Run the connection sequence and count the courses"));
    EXPECT_FALSE(Holds(english.out, "골프장")) << english.out;
}

// The commands of a command are translated too, their options as well.
TEST(CliInformation, ACommandsHelpIsInTheChosenLanguage) {
    const auto records = RunCli({"records", "--help", "--lang", "ko"});
    EXPECT_EQ(records.exitCode, 0);
    EXPECT_TRUE(Holds(records.out, "기기의 라운드 기록을 폴더에 저장합니다")) << records.out;
    const auto draw = RunCli({"records", "draw", "--help", "--lang=ko"});
    EXPECT_TRUE(Holds(draw.out, "카드의 홀, 1 ~ 18")) << draw.out;
    EXPECT_TRUE(Holds(draw.out, "이 도움말을 출력하고 끝냅니다")) << draw.out;
    // The help flag stands under the one translated options heading.
    for (const std::string& help : {records.out, draw.out}) {
        EXPECT_FALSE(Holds(help, "Options")) << help;
        EXPECT_TRUE(Holds(help, "옵션:\n  -h,--help")) << help;
    }
}

// Whatever CLI11 calls the mistake.
TEST(CliInformation, AMistakenCommandLineEndsWithStatusTwo) {
    EXPECT_EQ(RunCli({"zone"}).exitCode, 2);
    EXPECT_EQ(RunCli({"--lang", "de", "areas"}).exitCode, 2);
    EXPECT_EQ(RunCli({"no-such-command"}).exitCode, 2);
    const auto twoAnswers = RunCli({"--yes", "--no", "areas"});
    EXPECT_EQ(twoAnswers.exitCode, 2);
    EXPECT_TRUE(Holds(twoAnswers.err, "--yes")) << twoAnswers.err;
}

std::optional<std::string> Manager(const std::vector<std::string>& arguments, const char* locale) {
    return gui::ManagerInformation(arguments, "1.2.3", [locale](const char* name) -> const char* {
        return std::string(name) == "LANG" ? locale : nullptr;
    });
}

TEST(ManagerInformation, VersionAndHelpOrNothing) {
    EXPECT_EQ(Manager({"--version"}, "C"), "orvane-manager 1.2.3\n");
    EXPECT_EQ(Manager({"--device", "/media/x", "--lang", "ko"}, "C"), std::nullopt);

    const auto english = Manager({"-h"}, "C");
    ASSERT_TRUE(english);
    EXPECT_TRUE(
        Holds(*english,
              "Usage: orvane-manager [--device DIR] [--server URL] [--workdir DIR] "
              "[--lang ko|en]\n\nOptions:\n"
              "  --device DIR    Use this folder as the device instead of looking for it\n"))
        << *english;
    EXPECT_TRUE(
        Holds(*english, "\n  --version       Print the program's name and version and exit\n"))
        << *english;

    const auto korean = Manager({"--help"}, "ko_KR.UTF-8");
    ASSERT_TRUE(korean);
    EXPECT_TRUE(
        Holds(*korean, "\n옵션:\n  --device DIR    기기를 찾는 대신 이 폴더를 기기로 씁니다\n"))
        << *korean;
    EXPECT_TRUE(Holds(*korean, "\n  --lang ko|en    화면 언어, ko 또는 en (없으면 로캘에 따름)\n"))
        << *korean;
    EXPECT_EQ(Manager({"--help", "--lang", "en"}, "ko_KR.UTF-8"), english);
}

}  // namespace
}  // namespace orvane
