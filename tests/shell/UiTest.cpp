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

TEST_F(UiTest, StatusLineShowsTheMessageInTheCurrentLanguageAndSurvivesASwitch) {
    ui.SetLanguage(Language::Korean);
    ui.ShowStatus(message::ConnectionCompleted);
    ui.SetLanguage(Language::English);
    ui.ReloadStatus();
    ui.SetLanguage(Language::Korean);
    ui.ReloadStatus();

    const std::vector<StatusLine> expected = {
        {126, "연결이 완료 되었습니다."},
        {126, "The connection has been completed."},
        {126, "연결이 완료 되었습니다."},
    };
    EXPECT_EQ(shell.statuses(), expected);
}

TEST_F(UiTest, FormattedStatusKeepsTheMessageForTheNextSwitch) {
    ui.ShowStatus(message::AnalyzingForeignClubList);
    ui.ShowStatusText("Analyzing USA's Clublist. (zone = 5)");
    EXPECT_EQ(ui.StatusStringId(), 156);
    EXPECT_EQ(ui.StatusText(), "Analyzing USA's Clublist. (zone = 5)");
    EXPECT_EQ(shell.statuses().back().stringId, 0);

    ui.ReloadStatus();
    EXPECT_EQ(ui.StatusText(), "Analyzing Clublist in foreign countries.");
}

TEST_F(UiTest, QuestionsCarryTheTitleOfTheLanguageAndReturnTheAnswer) {
    shell.ScriptAnswers({Answer::No, Answer::Yes, Answer::Ok});
    EXPECT_EQ(ui.Ask("종료 하시겠습니까 ?   ", "Are you exit ?   ", Title::Notice, Buttons::YesNo),
              Answer::No);
    ui.SetLanguage(Language::Korean);
    EXPECT_EQ(ui.Ask("지울까요?", "Delete?", Title::Warning, Buttons::YesNoCancel), Answer::Yes);
    ui.SetLanguage(Language::English);
    EXPECT_EQ(ui.Ask("text", "CC: name", Buttons::Ok), Answer::Ok);

    const std::vector<Question> expected = {
        {"Are you exit ?   ", "Notice", Buttons::YesNo},
        {"지울까요?", "경고", Buttons::YesNoCancel},
        {"text", "CC: name", Buttons::Ok},
    };
    EXPECT_EQ(shell.questions(), expected);
    EXPECT_EQ(ui.TitleText(Title::Caution), "Warining !!");
}

TEST_F(UiTest, ProgressStaysOnTheThousandScale) {
    ui.SetProgress(300);
    ui.SetProgress(1200);
    ui.SetProgress(-5);
    EXPECT_EQ(shell.progress(), (std::vector<int>{300, 1000, 0}));
}

}  // namespace
}  // namespace orvane
