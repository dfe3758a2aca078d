#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "browser/Transfer.h"
#include "device/DeviceFileAccess.h"
#include "device/DevicePaths.h"
#include "util/SafeFile.h"
#include "util/Text.h"

namespace orvane {
namespace {

constexpr int kDeletingStatus = 150;

std::filesystem::path MapUnder(const std::filesystem::path& base, std::int32_t number,
                               const std::string& stem) {
    const std::string name = stem + ".dat";
    if (!IsSafeFileName(name)) return {};
    return base / Format("%06d", number / 100) / Format("%02d", number % 100) / name;
}

// 0 when a course's map can go or is not there, else the errno. A map
// reached through a symbolic link, or a folder in the map's place, is refused
// rather than followed or left behind unnoticed.
int MapRemovalRefused(const DeviceLink& device, const std::filesystem::path& path) {
    if (const int refused = CheckDeviceFolders(device, path))
        return refused == ENOENT ? 0 : refused;
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) return errno == ENOENT ? 0 : errno;
    if (S_ISLNK(info.st_mode)) return ELOOP;
    if (S_ISDIR(info.st_mode)) return EISDIR;
    return 0;
}

CourseNode* FindCatalogueCourse(CatalogueData& data, std::string_view name, int& zone) {
    for (std::size_t z = 0; z < data.CatalogueList.size(); ++z) {
        for (CourseNode& course : data.CatalogueList[z]) {
            if (course.name == name) {
                zone = static_cast<int>(z);
                return &course;
            }
        }
    }
    return nullptr;
}

}  // namespace

std::filesystem::path DeletionMapPath(const DeviceLink& device, const CourseNode& course) {
    const std::int32_t number = FirstGenerationMapNumber(course.id);
    if (course.fileKey.starts_with("_"))
        return MapUnder(device.DeviceRoot / "Cour107", number, course.fileKey);
    if (device.ModelCode == kFirstGenerationModel)
        return MapUnder(device.DeviceRoot / "Cour107", number, course.shortKey);
    return MapUnder(device.DeviceRoot / device.CourseFolder, course.id, course.name);
}

void Transfer::DeleteSelectedMaps() {
    Ui& ui = context_.ui;
    outcome_ = TransferOutcome::None;
    failureText_.clear();
    if (!DeviceCheck()) return;
    if (Busy()) {
        Refuse(text::NotFinishedDownloading.korean, text::NotFinishedDownloading.english);
        return;
    }
    ui.SetProgress(0);
    const auto deletable = [](const CourseRow& row) { return row.checked && !row.IsAdded(); };
    const auto& rows = browser_.list.rows();
    const auto count = std::count_if(rows.begin(), rows.end(), deletable);
    if (count == 0) {
        Refuse("선택된 데이터가 없습니다.", "No selected map.");
        return;
    }
    if (ui.Ask("선택한 맵을 삭제 하시겠습니까 ?",
               "Are you sure you want to delete the selected map ?", Title::Warning,
               Buttons::YesNo) != Answer::Yes) {
        ui.ShowStatusText(ui.StatusText());
        outcome_ = TransferOutcome::Cancelled;
        return;
    }
    ui.SetProgress(0);
    ui.ShowStatus(kDeletingStatus);
    state_.queueCount = static_cast<std::int32_t>(count);
    const int continent = browser_.continentTab.selected;
    const int country = browser_.countryTab.selected;

    std::int32_t done = 0;
    for (std::size_t index = 0; index < browser_.list.rows().size(); ++index) {
        if (!deletable(browser_.list.rows()[index])) continue;
        int zone = 0;
        CourseNode* course =
            FindCatalogueCourse(context_.data, browser_.list.rows()[index].course->name, zone);
        if (course == nullptr) continue;
        const std::filesystem::path path = DeletionMapPath(context_.device, *course);
        // A map that cannot go keeps its club list entry.
        int error = path.empty() ? 0 : MapRemovalRefused(context_.device, path);
        bool stopped = error != 0;
        if (!stopped) {
            const Mark before = course->mark;
            course->mark = Mark::New;
            // The club list forgets the course before its map goes, so a
            // deletion stopped at any point never lists a missing map.
            stopped = !SaveZone(zone);
            if (!stopped && !path.empty() && ::unlink(path.c_str()) != 0 && errno != ENOENT) {
                error = errno;
                course->mark = before;
                SaveZone(zone);
                stopped = true;
            }
        }
        if (error != 0) {
            context_.device.LastDeviceError = static_cast<std::uint32_t>(error);
            ui.ShowStatusText(
                Format("USB Error = (%u), Course = %s", error, course->title.c_str()));
            Fail(ui.StatusText());
        }
        if (stopped) {
            // Left set, the count would refuse every later command for the
            // rest of the run.
            state_.queueCount = 0;
            ClearDirty();
            return;
        }
        ++done;
        ui.SetProgress(static_cast<int>(1000.0 / state_.queueCount * done));
        ShowProgress(state_.queueCount, done, *course);
        browser_.list.MarkDeleted(index);
        browser_.RefreshHeaders();
        browser_.UpdateMemoryLine();
    }
    RecountAndMemory();
    state_.queueCount = 0;
    ClearDirty();
    ui.SetProgress(1000);
    browser_.continentTab.selected = continent;
    browser_.countryTab.selected = country;
    browser_.ShowArea();
    ShowCompleted();
}

}  // namespace orvane
