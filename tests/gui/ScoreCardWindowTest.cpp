#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include "RecordWindowsDriver.h"
#include "SuiteWorld.h"
#include "gui/CViewRecordData.h"
#include "gui/HolePainter.h"
#include "platform/CurlHttpClient.h"
#include "records/Clubs.h"
#include "records/HoleSvg.h"
#include "records/PlayedShots.h"
#include "records/RecordLists.h"
#include "records/RecordViewer.h"
#include "records/RoundExport.h"
#include "util/Text.h"
#include "util/TextDecoding.h"

namespace orvane::testing {

// Score cards of the rounds of one demo device, saved into a record folder.
const WorldRecipe kWorldRecipe{13, {"--courses", "300", "--no-maps"}, "model9-us"};

namespace {

constexpr std::string_view kMapMissingEnglish = "Downloading a course map data failed.";

// A saved round as the core shows it on its card: the record listed with
// the connected catalogue, its course names and holes fetched from the
// server by the core alone.
struct ExpectedRound {
    RecordEntry entry;
    CourseGeometry geometry;
};

class ScoreCardWindow : public ::testing::Test {
protected:
    std::unique_ptr<WindowDriver> Connect(Language language) {
        auto driver = ConnectedWindow(Device(), scratch_.path(), language);
        RunOnWorker(*driver, [](Session& s) { s.recordFolder.path = World().records(); });
        return driver;
    }
    static std::filesystem::path Device() {
        return World().world().Device(kWorldRecipe.savedFamily);
    }

    ExpectedRound Expected(WindowDriver& driver, const std::string& fileName) {
        EXPECT_TRUE(driver.WaitIdle());
        std::vector<RecordEntry> entries = buildSavedRecordList(
            driver.session().catalogue, World().records(), ListRecordFolder(World().records()));
        RecordEntry* entry = FindSavedRound(entries, fileName);
        EXPECT_NE(entry, nullptr) << fileName;
        if (entry == nullptr) return {};
        CurlHttpClient http(World().world().server().url());
        std::filesystem::create_directories(scratch_.path() / "expected");
        CourseGeometry geometry = LoadRoundDetails(http, *entry, scratch_.path() / "expected");
        return {*entry, std::move(geometry)};
    }

    static std::string Eighteen() { return RoundFiles(World().records(), EighteenWithMap).front(); }

    TempFolder scratch_;
};

std::string Text(const QLabel& label) { return label.text().toStdString(); }

// The drawings agree shape by shape.
void ExpectSameDrawing(const HoleDrawing& shown, const HoleDrawing& expected) {
    EXPECT_EQ(shown.caption, expected.caption);
    EXPECT_EQ(shown.mapMissing, expected.mapMissing);
    ASSERT_EQ(shown.areas.size(), expected.areas.size());
    for (std::size_t i = 0; i < shown.areas.size(); ++i) {
        EXPECT_EQ(shown.areas[i].kind, expected.areas[i].kind);
        EXPECT_EQ(shown.areas[i].points, expected.areas[i].points);
    }
    EXPECT_EQ(shown.tees, expected.tees);
    ASSERT_EQ(shown.shots.size(), expected.shots.size());
    for (std::size_t k = 0; k < shown.shots.size(); ++k) {
        EXPECT_EQ(shown.shots[k].at, expected.shots[k].at);
        EXPECT_EQ(shown.shots[k].number, expected.shots[k].number);
    }
}

// The shot panel lists the hole's strokes in `unit`, with their club.
void ExpectShotRows(gui::CViewScore& card, const HoleDrawing& drawing, DistanceUnit unit) {
    for (std::size_t row = 0; row < kShotRows; ++row) {
        SCOPED_TRACE(row);
        if (row >= drawing.rows.size()) {
            EXPECT_EQ(Text(card.shots().distance(row)), "");
            EXPECT_TRUE(card.shots().badge(row).pixmap().isNull());
            continue;
        }
        const Stroke& stroke = drawing.rows[row];
        const std::string distance = DistanceText(stroke.metres, unit);
        EXPECT_EQ(Text(card.shots().distance(row)), distance);
        EXPECT_FALSE(card.shots().badge(row).pixmap().isNull());
        const std::string unitName = unit == DistanceUnit::Metres ? "metres" : "yards";
        EXPECT_EQ(card.shots().row(row).accessibleName().toStdString(),
                  Format("%s shot: %s, %s %s", card.shots().row(row).title().toStdString().c_str(),
                         ClubName(stroke.club, Language::English).c_str(), distance.c_str(),
                         unitName.c_str()));
    }
}

// The card's texts are the core's card of the round; the hole view and the
// shot panel are the core's drawing of the hole shown.
TEST_F(ScoreCardWindow, ShowsTheCoresCardAndHoleAndStepsThroughTheHoles) {
    auto driver = Connect(Language::English);
    const std::string file = Eighteen();
    ExpectedRound expected = Expected(*driver, file);
    gui::CViewScore* card = OpenScoreCard(*driver, file);
    ASSERT_NE(card, nullptr);
    EXPECT_EQ(card->windowTitle(), "View Detail Record Data");
    // The same holes; only the hole last drawn may differ.
    CourseGeometry shownGeometry = card->geometry();
    shownGeometry.currentHole = expected.geometry.currentHole;
    EXPECT_EQ(shownGeometry, expected.geometry);
    ASSERT_TRUE(expected.geometry.loaded);

    const ScoreCardTexts texts = BuildScoreCard(expected.entry, Language::English);
    EXPECT_EQ(Text(card->clubLine()), DisplayText(texts.clubLine));
    EXPECT_EQ(Text(card->dateLine()), texts.dateLine);
    EXPECT_EQ(Text(card->timeLine()), texts.timeLine);
    const RoundRecord& record = *expected.entry.record;
    for (std::int32_t hole = 1; hole <= 18; ++hole) {
        SCOPED_TRACE(hole);
        const auto at = static_cast<std::size_t>(hole - 1);
        EXPECT_EQ(card->card().holeCell(hole).text().toInt(), hole);
        EXPECT_EQ(Text(card->card().parCell(hole)), texts.parCells[at]);
        EXPECT_EQ(Text(card->card().scoreCell(hole)), texts.scoreCells[at]);
        EXPECT_EQ(card->card().parCell(hole).accessibleName().toStdString(),
                  Format("Hole %d par %s", hole, texts.parCells[at].c_str()));
        EXPECT_EQ(card->card().scoreCell(hole).accessibleName().toStdString(),
                  Format("Hole %d score %s", hole, texts.scoreCells[at].c_str()));
    }
    for (std::size_t half = 0; half < 2; ++half) {
        EXPECT_EQ(Text(card->card().courseLine(half)), DisplayText(texts.courseLines[half]));
        EXPECT_EQ(Text(card->card().parTotal(half)), texts.parTotals[half]);
        EXPECT_EQ(Text(card->card().strokeTotal(half)), texts.strokeTotals[half]);
    }
    EXPECT_EQ(Text(card->card().totalLine()),
              Format("Total :  %d + %d = %d", record.FrontStrokes(), record.BackStrokes(),
                     record.FrontStrokes() + record.BackStrokes()));
    // The course lines name the courses from the club's file, not its letters.
    EXPECT_GT(Text(card->card().courseLine(0)).size(), std::string("Course :   A").size());

    // English cards measure in yards; the unit button turns them to metres.
    HoleDrawing hole1 = DrawHole(expected.geometry, record, 1, kHoleViewRect);
    ExpectSameDrawing(card->holeView().drawing(), hole1);
    EXPECT_EQ(card->holeView().title(), "Hole 1");
    ASSERT_GE(hole1.rows.size(), 2u);
    EXPECT_EQ(card->unitButton().text(), "Yard");
    ExpectShotRows(*card, hole1, DistanceUnit::Yards);
    WindowDriver::Click(card->unitButton());
    EXPECT_EQ(card->unitButton().text(), "Meter");
    EXPECT_EQ(card->unitButton().accessibleName(), "Distance unit: Meter");
    ExpectShotRows(*card, hole1, DistanceUnit::Metres);

    // Prev from hole 1 wraps to 18, Next back to 1; a cell shows its hole.
    WindowDriver::Click(card->previousButton());
    EXPECT_EQ(card->holeView().title(), "Hole 18");
    EXPECT_TRUE(card->card().scoreCell(18).property("shown").toBool());
    EXPECT_FALSE(card->card().scoreCell(1).property("shown").toBool());
    ExpectSameDrawing(card->holeView().drawing(),
                      DrawHole(expected.geometry, record, 18, kHoleViewRect));
    WindowDriver::Click(card->nextButton());
    EXPECT_EQ(card->holeView().title(), "Hole 1");
    WindowDriver::Click(card->card().parCell(5));
    EXPECT_EQ(card->holeView().title(), "Hole 5");
    const HoleDrawing hole5 = DrawHole(expected.geometry, record, 5, kHoleViewRect);
    ExpectSameDrawing(card->holeView().drawing(), hole5);
    ExpectShotRows(*card, hole5, DistanceUnit::Metres);

    // The next card opens on the hole shown last, in the language's unit.
    WindowDriver::Click(card->exitButton());
    ASSERT_TRUE(WaitFor([] { return !WindowShown<gui::CViewScore>(); }));
    WaitForWindow<gui::CViewRecordData>()->close();
    card = OpenScoreCard(*driver, RoundFiles(World().records(), NineWithMap).front());
    ASSERT_NE(card, nullptr);
    EXPECT_EQ(card->holeView().title(), "Hole 5");
    EXPECT_EQ(card->unitButton().text(), "Yard");
}

// A nine-hole round leaves the back nine empty; a club without holes on
// the server shows the map failure in the view, in the card's language.
TEST_F(ScoreCardWindow, NineHoleRoundAndAClubWithoutHolesInKorean) {
    auto driver = Connect(Language::Korean);
    const std::string nine = RoundFiles(World().records(), NineWithMap).front();
    const ExpectedRound expected = Expected(*driver, nine);
    gui::CViewScore* card = OpenScoreCard(*driver, nine);
    ASSERT_NE(card, nullptr);
    const RoundRecord& record = *expected.entry.record;
    for (std::int32_t hole = 10; hole <= 18; ++hole) {
        EXPECT_EQ(Text(card->card().parCell(hole)), "");
        EXPECT_EQ(Text(card->card().scoreCell(hole)), "");
        EXPECT_EQ(card->card().parCell(hole).accessibleName().toStdString(),
                  Format("%d번 홀 파 기록 없음", hole));
    }
    EXPECT_EQ(Text(card->card().parTotal(1)), "0");
    EXPECT_EQ(Text(card->card().strokeTotal(1)), "0");
    EXPECT_EQ(Text(card->card().totalLine()),
              Format("Total :  %d + 0 = %d", record.FrontStrokes(), record.FrontStrokes()));
    EXPECT_EQ(card->unitButton().text(), "미터");
    EXPECT_EQ(card->previousButton().text(), "이전홀");
    EXPECT_EQ(card->nextButton().text(), "다음홀");
    EXPECT_FALSE(card->holeView().drawing().mapMissing);
    card->close();
    WaitForWindow<gui::CViewRecordData>()->close();

    const std::string own = RoundFiles(World().records(), [](const RecordEntry& entry) {
                                return entry.name.starts_with("MyCC");
                            }).front();
    card = OpenScoreCard(*driver, own);
    ASSERT_NE(card, nullptr);
    EXPECT_TRUE(card->holeView().drawing().mapMissing);
    EXPECT_EQ(card->holeView().accessibleDescription(), "코스맵 다운로드에 실패했습니다.");
    EXPECT_EQ(Text(card->shots().distance(0)), "");
    // The card itself is whole.
    EXPECT_FALSE(Text(card->card().totalLine()).empty());
    EXPECT_NE(Text(card->card().parCell(1)), "");
}

// Export writes the core's GPX, CSV and SVG bytes and the PNG twin of the
// SVG; the dialog opens where the last file went.
TEST_F(ScoreCardWindow, ExportWritesTheRoundAndTheHoleShown) {
    auto driver = Connect(Language::English);
    const std::string file = Eighteen();
    ExpectedRound expected = Expected(*driver, file);
    gui::CViewScore* card = OpenScoreCard(*driver, file);
    ASSERT_NE(card, nullptr);
    WindowDriver::Click(card->card().holeCell(3));
    const RoundRecord& record = *expected.entry.record;
    const HoleDrawing hole3 = DrawHole(expected.geometry, record, 3, kHoleViewRect);

    const auto out = scratch_.path() / "export";
    std::filesystem::create_directories(out);
    FileDialogAnswerer files;
    files.Script(out / "round.gpx", 0);
    files.Script(out / "round.csv", 1);
    files.Script(out / "hole.svg", 2);
    // A name without the format's suffix gets it.
    files.Script(out / "hole", 3);
    for (const char* name : {"round.gpx", "round.csv", "hole.svg", "hole.png"}) {
        ASSERT_TRUE(WaitFor([&] { return card->exportButton().isEnabled(); }));
        WindowDriver::Click(card->exportButton());
        ASSERT_TRUE(WaitFor([&] { return std::filesystem::exists(out / name); })) << name;
    }
    EXPECT_TRUE(driver->WaitIdle());
    ASSERT_EQ(files.shown().size(), 4u);
    EXPECT_EQ(files.shown()[0].caption, "Export Round");
    EXPECT_EQ(files.shown()[0].folder.toStdString(), World().records().string());
    EXPECT_EQ(files.shown()[3].folder.toStdString(), out.string());

    EXPECT_EQ(ReadWholeFile(out / "round.gpx"),
              RoundGpx(record, expected.geometry, RoundTitle(expected.entry, Language::English)));
    EXPECT_EQ(ReadWholeFile(out / "round.csv"),
              RoundCsv(record, expected.geometry, DistanceUnit::Yards));
    EXPECT_EQ(ReadWholeFile(out / "hole.svg"),
              HoleSvg(hole3, kHoleViewRect, kHoleCanvas, kMapMissingEnglish));
    QSvgRenderer svg(QString::fromStdString((out / "hole.svg").string()));
    EXPECT_TRUE(svg.isValid());
    const QImage png(QString::fromStdString((out / "hole.png").string()));
    ASSERT_FALSE(png.isNull());
    EXPECT_EQ(png.convertToFormat(QImage::Format_ARGB32),
              gui::HolePicture(hole3, QString::fromUtf8(kMapMissingEnglish.data()))
                  .convertToFormat(QImage::Format_ARGB32));
}

// The pixels on which two pictures of one size differ by more than a shade
// of anti-aliasing.
int DifferingPixels(const QImage& a, const QImage& b) {
    const QImage left = a.convertToFormat(QImage::Format_ARGB32);
    const QImage right = b.convertToFormat(QImage::Format_ARGB32);
    int differing = 0;
    for (int y = 0; y < left.height(); ++y) {
        for (int x = 0; x < left.width(); ++x) {
            const QRgb p = left.pixel(x, y), q = right.pixel(x, y);
            const int most = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                       std::abs(qBlue(p) - qBlue(q))});
            if (most > 64) ++differing;
        }
    }
    return differing;
}

// The window's painter and the command line's SVG draw a hole alike.
TEST_F(ScoreCardWindow, PaintedHoleAgreesWithTheSvgOfRecordsDraw) {
    auto driver = Connect(Language::English);
    const std::string file = Eighteen();
    ExpectedRound expected = Expected(*driver, file);
    const RoundRecord& record = *expected.entry.record;
    for (const std::int32_t hole : {1, 8, 14}) {
        SCOPED_TRACE(hole);
        const auto svgFile = scratch_.path() / Format("hole%d.svg", hole);
        const ProcessResult drawn =
            World().world().Cli({"records", "draw", file, "--dir", World().records().string(),
                                 "--hole", std::to_string(hole), "--svg", svgFile.string()},
                                Device(), scratch_.path() / "cli");
        ASSERT_EQ(drawn.exitCode, 0) << drawn.err;

        const QImage painted =
            gui::HolePicture(DrawHole(expected.geometry, record, hole, kHoleViewRect),
                             QString::fromUtf8(kMapMissingEnglish.data()));
        QImage rendered(painted.size(), QImage::Format_ARGB32_Premultiplied);
        rendered.fill(Qt::transparent);
        QSvgRenderer svg(QString::fromStdString(svgFile.string()));
        ASSERT_TRUE(svg.isValid());
        QPainter painter(&rendered);
        svg.render(&painter);
        painter.end();
        // A few pixels of the glyphs may differ; shot markers one pixel
        // smaller already differ on hundreds.
        EXPECT_LE(DifferingPixels(painted, rendered), 20);
    }
}

}  // namespace
}  // namespace orvane::testing
