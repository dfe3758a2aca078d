#include "cli/RecordFolderView.h"

#include <ostream>

#include "records/RecordViewer.h"

namespace orvane::cli {
namespace {

constexpr TextPair kNoSuchRecord{" 은(는) 이 폴더의 기록 파일이 아닙니다: ",
                                 " is not a round record of "};

}  // namespace

RecordFolderView::RecordFolderView(const CliContext& context, const std::filesystem::path& dir)
    : shell_(context.json ? context.err : context.out, context.answer, false),
      ui_(shell_, context.language),
      http_(context.ServerUrl()),
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
    for (RecordEntry& entry : entries_) {
        if (entry.fileName != file) continue;
        readCourseNames(http(), entry);
        loadCourseGeometry(http(), entry, geometry, context.WorkFolder());
        return &entry;
    }
    context.err << file << PickText(context.language, kNoSuchRecord) << folder_.string() << '\n';
    return nullptr;
}

}  // namespace orvane::cli
