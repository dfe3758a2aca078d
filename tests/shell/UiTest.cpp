#include <gtest/gtest.h>

#include "shell/StringTable.h"
#include "shell/Ui.h"
#include "support/RecordingShell.h"

namespace orvane {
namespace {

class UiTest : public ::testing::Test {
protected:
    testing::RecordingShell shell;
    Ui ui{shell, Language::English};
};

// A formatted status keeps the message shown before it, so that a language
// switch shows that message in the new language.
TEST_F(UiTest, StatusLineFollowsALanguageSwitch) {
    ui.SetLanguage(Language::Korean);
    ui.ShowStatus(message::AnalyzingForeignClubList);
    ui.ShowStatusText("Analyzing USA's Clublist. (zone = 5)");
    EXPECT_EQ(ui.StatusStringId(), 156);
    ui.SetLanguage(Language::English);
    ui.ReloadStatus();
    const std::vector<StatusLine> expected = {{156, "해외 Clublist 분석 중 입니다."},
                                              {0, "Analyzing USA's Clublist. (zone = 5)"},
                                              {156, "Analyzing Clublist in foreign countries."}};
    EXPECT_EQ(shell.statuses(), expected);
}

TEST_F(UiTest, QuestionsCarryTheTitleOfTheLanguageAndReturnTheAnswer) {
    shell.ScriptAnswers({Answer::No});
    ui.SetLanguage(Language::Korean);
    EXPECT_EQ(ui.Ask("지울까요?", "Delete?", Title::Warning, Buttons::YesNoCancel), Answer::No);
    EXPECT_EQ(shell.questions(),
              (std::vector<Question>{{"지울까요?", "경고", Buttons::YesNoCancel}}));
}

}  // namespace
}  // namespace orvane
