#include "gui/RecordWindows.h"

#include <QPointer>
#include <memory>

#include "gui/CRoundStatistics.h"
#include "gui/CSaveRecord.h"
#include "gui/CViewRecordData.h"
#include "gui/CViewScore.h"
#include "records/RecordSaving.h"
#include "records/RecordViewer.h"
#include "records/RoundStatistics.h"

namespace orvane::gui {
namespace {

// What a command's job hands to the window it opens.
struct Opening {
    bool allowed = false;
    Language language = Language::English;
    std::vector<RecordEntry> entries;
    QString folder;
};

// The record folder's rounds, after the viewer's refusals and question.
void ListSavedRounds(Session& s, Opening& opening) {
    opening.language = s.ui.language();
    auto entries = OpenRecordViewer(s.ui, s.transfer.Busy(), s.recordFolder, s.catalogue);
    if (!entries) return;
    opening.allowed = true;
    opening.entries = std::move(*entries);
    opening.folder = QString::fromStdString(s.recordFolder.path->string());
}

}  // namespace

RecordWindows::RecordWindows(CoreWorker& worker, Prompter& prompter, QWidget& mainWindow)
    : worker_(worker), prompter_(prompter), mainWindow_(mainWindow), export_(worker_) {}

void RecordWindows::Open(WindowCommand command) {
    switch (command) {
        case WindowCommand::SaveRecords:
            OpenSaveDialog();
            break;
        case WindowCommand::ViewRecords:
            OpenViewer();
            break;
        case WindowCommand::RoundStatistics:
            OpenStatistics();
            break;
        default:
            break;
    }
}

void RecordWindows::Present(QDialog* window, QWidget* after) {
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowModality(Qt::ApplicationModal);
    prompter_.SetParentWindow(window);
    QPointer<QWidget> owner(after);
    connect(window, &QObject::destroyed, this,
            [this, owner] { prompter_.SetParentWindow(owner ? owner.data() : &mainWindow_); });
    window->show();
}

void RecordWindows::OpenSaveDialog() {
    auto opening = std::make_shared<Opening>();
    worker_.Run(
        [opening](Session& s) {
            opening->language = s.ui.language();
            opening->allowed = SaveToPcAllowed(s.ui, s.transfer.Busy(), s.device);
            if (opening->allowed) opening->entries = s.deviceRecords;
        },
        [this, opening] {
            if (!opening->allowed) return;
            Present(new CSaveRecord(std::move(opening->entries), opening->language, saveSort_,
                                    worker_, &mainWindow_),
                    &mainWindow_);
        });
}

void RecordWindows::OpenViewer() {
    auto opening = std::make_shared<Opening>();
    worker_.Run([opening](Session& s) { ListSavedRounds(s, *opening); },
              [this, opening] {
                  if (!opening->allowed) return;
                  export_.OfferFolder(opening->folder);
                  const Language language = opening->language;
                  auto* viewer = new CViewRecordData(std::move(opening->entries), language,
                                                     viewerSort_, worker_, &mainWindow_);
                  connect(viewer, &CViewRecordData::scoreCardRequested, this,
                          [this, viewer, language](const RecordEntry& entry) {
                              OpenScoreCard(entry, language, *viewer);
                          });
                  Present(viewer, &mainWindow_);
              });
}

void RecordWindows::OpenScoreCard(const RecordEntry& entry, Language language, QWidget& over) {
    auto* card = new CViewScore(entry, language, card_, &over);
    connect(card, &CViewScore::exportRequested, this, [this, card] { export_.Export(*card); });
    Present(card, &over);

    struct Details {
        RecordEntry entry;
        CourseGeometry geometry;
    };
    auto details = std::make_shared<Details>(Details{entry, {}});
    QPointer<CViewScore> shownCard(card);
    worker_.Run(
        [details](Session& s) {
            details->geometry =
                LoadRoundDetails(s.http, details->entry, s.catalogueContext.workFolder);
        },
        [shownCard, details] {
            if (shownCard)
                shownCard->SetDetails(std::move(details->entry), std::move(details->geometry));
        });
}

void RecordWindows::OpenStatistics() {
    auto opening = std::make_shared<Opening>();
    auto statistics = std::make_shared<RoundStatistics>();
    worker_.Run(
        [opening, statistics](Session& s) {
            ListSavedRounds(s, *opening);
            if (opening->allowed) *statistics = ComputeRoundStatistics(opening->entries);
        },
        [this, opening, statistics] {
            if (!opening->allowed) return;
            Present(new CRoundStatistics(opening->entries, *statistics, opening->language,
                                         &mainWindow_),
                    &mainWindow_);
        });
}

}  // namespace orvane::gui
