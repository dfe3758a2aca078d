#include "cli/RecordFolderView.h"

#include <ostream>

#include "records/RecordViewer.h"
#include "util/TextDecoding.h"

namespace orvane::cli {
namespace {

constexpr TextPair kNoSuchRecord{" 은(는) 이 폴더의 기록 파일이 아닙니다: ",
                                 " is not a round record of "};

}  // namespace

RecordFolderView::RecordFolderView(const CliContext& context, const std::filesystem::path& dir)
    : shell_(context.json ? context.err : context.out, context.language, context.answer, false),
      ui_(shell_, context.language),
      http_(OpenHttpClient(context.server)),
      folder_(dir) {
    if (context.device) run_.emplace(context);
    RecordFolder folder{dir};
    const CatalogueData unconnected;
    const bool busy = run_ && run_->session().transfer.Busy();
    entries_ = OpenRecordViewer(ui(), busy, folder, run_ ? run_->session().catalogue : unconnected)
                   .value_or(std::vector<RecordEntry>{});
}

RecordEntry* RecordFolderView::Open(const CliContext& context, const std::string& file,
                                    CourseGeometry& geometry) {
    RecordEntry* entry = FindSavedRound(entries_, file);
    if (entry == nullptr) {
        context.err << DisplayText(file) << PickText(context.language, kNoSuchRecord)
                    << DisplayText(folder_.string()) << '\n';
        return nullptr;
    }
    geometry = LoadRoundDetails(http(), *entry, context.WorkFolder());
    return entry;
}

}  // namespace orvane::cli
