#include "browser/Transfer.h"

#include <algorithm>
#include <cerrno>

#include "browser/AreaQuery.h"
#include "catalogue/DeviceFiles.h"
#include "catalogue/SaveDeviceZone.h"
#include "device/DeviceFileAccess.h"
#include "device/DevicePaths.h"
#include "device/DeviceVolume.h"
#include "shell/ResultCode.h"
#include "util/Files.h"
#include "util/SafeFile.h"
#include "util/Text.h"

namespace orvane {
namespace {

constexpr std::string_view kApplicationTitle = "Orvane Manager";
// Room a new map must leave free on the device besides its own bytes.
constexpr std::uint64_t kMapFreeSpaceMargin = 0x40000;

constexpr int kStoringStatus = 128;
constexpr int kNothingToStoreStatus = 130;
constexpr int kServerLostStatus = 110;
// A map name from the server that would not stay inside its folder.
constexpr TextPair kUnusableMapName{"사용할 수 없는 파일 이름입니다: %s",
                                    "The map's file name cannot be used: %s"};

// Removes the fetched copy in the working folder, whatever happened to it.
void RemoveLocal(const std::filesystem::path& local) {
    std::error_code ignored;
    std::filesystem::remove(local, ignored);
}

struct ZoneWrite {
    int zone;
    bool onlyIfDirty;
};

void AddRange(std::vector<ZoneWrite>& writes, int first, int last, bool onlyIfDirty) {
    for (int zone = first; zone <= last; ++zone) writes.push_back({zone, onlyIfDirty});
}

bool IsOneOf(int value, std::initializer_list<int> values) {
    return std::find(values.begin(), values.end(), value) != values.end();
}

}  // namespace

int CopyMapAtomically(const std::filesystem::path& local, const std::filesystem::path& target) {
    const std::optional<std::string> bytes = ReadFileBytes(local);
    if (!bytes) return errno != 0 ? errno : EIO;
    int error = 0;
    return WriteFileAtomically(target, *bytes, &error) ? 0 : (error != 0 ? error : EIO);
}

std::string LocalMapStem(const CourseNode& course) {
    return course.fileKey.starts_with("_") ? course.fileKey : course.name;
}

std::string DeviceMapStem(const DeviceLink& device, const CourseNode& course) {
    if (course.fileKey.starts_with("_")) return course.fileKey;
    return device.ModelCode == kFirstGenerationModel ? course.shortKey : course.name;
}

Transfer::Transfer(CatalogueContext& context, Browser& browser, MapCopier copier)
    : context_(context), browser_(browser), copier_(std::move(copier)) {}

bool Transfer::DeviceCheck() {
    DeviceLink& device = context_.device;
    errno = ENOENT;
    if (!device.DeviceRoot.empty() && DeviceVolumePresent(device)) return true;
    device.LastDeviceError = static_cast<std::uint32_t>(errno);
    Refuse("기기를 연결 하십시요.", "Please connect the device.");
    return false;
}

void Transfer::Refuse(std::string_view korean, std::string_view english) {
    failureText_ = context_.ui.Text(korean, english);
    outcome_ = TransferOutcome::Refused;
    context_.ui.Notify(korean, english);
}

void Transfer::Fail(std::string text) {
    if (failureText_.empty()) failureText_ = std::move(text);
    outcome_ = TransferOutcome::Failed;
}

void Transfer::SetStatusById(int id) {
    if (id == 0) {
        context_.ui.ReloadStatus();
    } else {
        context_.ui.ShowStatus(id);
    }
}

void Transfer::ShowProgress(std::int32_t count, std::int32_t index, const CourseNode& course) {
    const bool korean = context_.ui.language() == Language::Korean;
    context_.ui.ShowStatusText(
        korean ? Format("%d개 중 %d개 완료 (%s CC, Area = %d, Zone = %d)", count, index,
                        course.name.c_str(), course.id, course.zone)
               : Format("%d Completed of %d (%s CC, Area = %d, Zone = %d)", index, count,
                        course.name.c_str(), course.id, course.zone));
}

bool Transfer::Start(TransferCommand command) {
    Ui& ui = context_.ui;
    outcome_ = TransferOutcome::None;
    failureText_.clear();
    if (!DeviceCheck()) return false;
    if (Busy()) {
        Refuse(text::NotFinishedDownloading.korean, text::NotFinishedDownloading.english);
        return false;
    }
    ui.SetProgress(0);
    state_.queue.clear();
    bool checksSpace = true;
    int parameter = 0;
    if (!BuildQueue(command, checksSpace, parameter)) return false;

    int newCount = 0;
    for (const CourseNode* course : state_.queue) newCount += course->mark == Mark::New ? 1 : 0;
    if (checksSpace && newCount > browser_.remainingMapCount) {
        const bool korean = ui.language() == Language::Korean;
        const std::string box = Format(
            korean
                ? "기기의 저장 공간이 부족합니다.    \r\n\r\n(선택된 골프장:%d, 남은 공간:%d)    "
                : "No more free space in device.    \r\n\r\n(Selected Maps:%d, Free Space:%d)    ",
            newCount, browser_.remainingMapCount);
        Refuse(box, box);
        ui.ShowStatusText(ui.StatusText());
        state_.queue.clear();
        return false;
    }
    state_.queueCount = static_cast<std::int32_t>(state_.queue.size());
    state_.nextIndex = 0;
    state_.currentZone = state_.queue.front()->zone;
    state_.stepParameter = parameter;
    state_.failingCourse = nullptr;
    outcome_ = TransferOutcome::Running;
    return true;
}

bool Transfer::BuildQueue(TransferCommand command, bool& checksSpace, int& parameter) {
    Ui& ui = context_.ui;
    const auto refuse = [&](std::string_view korean, std::string_view english) {
        Refuse(korean, english);
        ui.ShowStatusText(ui.StatusText());
        return false;
    };
    switch (command) {
        case TransferCommand::SelectButton:
            parameter = browser_.SelectionCode();
            if (!QueueCheckedRows()) return refuse("선택된 데이터가 없습니다.", "No selected map.");
            return true;
        case TransferCommand::AreaButton:
            parameter = browser_.SelectionCode();
            if (!QueueAreaRows())
                return refuse("선택된 지역에 새로운 데이터가 없습니다.",
                              "No new map for the selected area.");
            return true;
        default:
            break;
    }
    ui.ShowStatus(kStoringStatus);
    const bool korea = command == TransferCommand::KoreaNewAndModified ||
                       command == TransferCommand::KoreaNew ||
                       command == TransferCommand::KoreaModified;
    parameter = korea ? kKoreaStep : kOtherZonesStep;
    const int first = korea ? 0 : 1;
    const int last = korea ? 0 : kZoneCount - 1;
    const bool modified =
        command == TransferCommand::KoreaModified || command == TransferCommand::OthersModified;
    checksSpace = !modified;
    QueueZones(first, last, modified ? Mark::Updated : Mark::New,
               command == TransferCommand::KoreaNewAndModified);
    if (!state_.queue.empty()) return true;
    if (command == TransferCommand::KoreaNewAndModified) {
        ui.ShowStatus(kNothingToStoreStatus);
        failureText_ = ui.StatusText();
        outcome_ = TransferOutcome::Refused;
        return false;
    }
    return modified ? refuse("수정된 데이터가 없습니다.", "No modified map.")
                    : refuse("새로운 데이터가 없습니다.", "No new map.");
}

bool Transfer::QueueCheckedRows() {
    const auto& rows = browser_.list.rows();
    if (std::none_of(rows.begin(), rows.end(), [](const CourseRow& row) { return row.checked; }))
        return false;
    context_.ui.ShowStatus(kStoringStatus);
    for (const CourseRow& row : rows) {
        if (!row.checked) continue;
        // Found again by name in the zone of the row's area, as the list
        // has always found its courses.
        std::vector<CourseNode>* zone = FindZoneListForArea(context_.data, row.course->id);
        if (zone == nullptr) continue;
        const auto found = std::find_if(zone->begin(), zone->end(), [&](const CourseNode& course) {
            return course.name == row.course->name;
        });
        if (found != zone->end()) state_.queue.push_back(&*found);
    }
    return !state_.queue.empty();
}

bool Transfer::QueueAreaRows() {
    const auto& rows = browser_.list.rows();
    bool announced = false;
    for (const CourseRow& row : rows) {
        if (!row.IsAdded() && !row.IsModified()) continue;
        if (!announced) context_.ui.ShowStatus(kStoringStatus);
        announced = true;
        CourseNode* found = nullptr;
        for (auto& zone : context_.data.CatalogueList) {
            for (CourseNode& course : zone) {
                if (course.name == row.course->name && course.id == row.course->id) {
                    found = &course;
                    break;
                }
            }
            if (found != nullptr) break;
        }
        if (found != nullptr) state_.queue.push_back(found);
    }
    return !state_.queue.empty();
}

void Transfer::QueueZones(int first, int last, Mark mark, bool alsoUpdated) {
    for (int zone = first; zone <= last; ++zone) {
        for (CourseNode& course : context_.data.CatalogueList[static_cast<std::size_t>(zone)]) {
            if (course.mark == mark || (alsoUpdated && course.mark == Mark::Updated))
                state_.queue.push_back(&course);
        }
    }
}

bool Transfer::SaveZone(int zone) {
    if (SaveDeviceZone(context_, zone) == result::Ok) return true;
    Fail(Format("USB Error = (%u)", context_.device.LastDeviceError));
    return false;
}

void Transfer::TransferStep(int parameter) {
    if (inStep_ || !StepPending()) return;
    inStep_ = true;
    struct StepEnd {
        bool& flag;
        ~StepEnd() { flag = false; }
    } stepEnd{inStep_};

    Ui& ui = context_.ui;
    state_.stepParameter = parameter;
    const std::int32_t count = state_.queueCount;
    const std::int32_t index = state_.nextIndex;
    ui.SetProgress(static_cast<int>(1000.0 / count * index));
    CourseNode& course = *state_.queue[static_cast<std::size_t>(index)];
    ShowProgress(count, index, course);

    const int stored = StoreCourseMap(course);
    if (stored == result::Ok) {
        course.mark = Mark::Stored;
        state_.zoneDirty[static_cast<std::size_t>(course.zone)] = true;
        ++state_.nextIndex;
        if (state_.nextIndex >= state_.queueCount) {
            FinishTransfer(parameter);
            return;
        }
        // A zone's club list is rewritten once all its queued maps are in
        // place, so the device never lists a map it does not have.
        const int nextZone = state_.queue[static_cast<std::size_t>(state_.nextIndex)]->zone;
        if (nextZone != state_.currentZone) {
            const int finished = state_.currentZone;
            state_.currentZone = nextZone;
            if (!SaveZone(finished)) state_.queueCount = 0;
        }
        return;
    }
    // The maps stored before the failure stay on the device; as a cancel
    // does, the zone's club list is rewritten so that the device lists them.
    if (state_.zoneDirty[static_cast<std::size_t>(state_.currentZone)] &&
        DeviceVolumePresent(context_.device))
        SaveDeviceZone(context_, state_.currentZone);
    if (stored == result::Rejected) {
        const CourseNode* failing = state_.failingCourse ? state_.failingCourse : &course;
        ui.ShowStatusText(Format("USB Error = (%u), Course = %s", context_.device.LastDeviceError,
                                 failing->title.c_str()));
    }
    state_.queueCount = 0;
    if (stored == result::Cancelled) {
        outcome_ = TransferOutcome::Cancelled;
        failureText_ = ui.StatusText();
    } else {
        Fail(ui.StatusText());
    }
}

int Transfer::StoreCourseMap(CourseNode& course) {
    Ui& ui = context_.ui;
    DeviceLink& device = context_.device;
    if (!DeviceCheck()) {
        ui.ShowStatusText("");
        ui.SetProgress(0);
        return result::NoDevice;
    }
    if (course.mark == Mark::Stored) {
        const bool korean = ui.language() == Language::Korean;
        const std::string question =
            korean
                ? Format("%s : 이미 저장되어 있는 골프장입니다.\r\n다운로드 하시겠습니까 ? ",
                         course.title.c_str())
                : Format("%s : Already Stored Course.\r\nDownload anyway ? ", course.title.c_str());
        const Answer answer = ui.Ask(question, kApplicationTitle, Buttons::YesNoCancel);
        if (answer == Answer::Cancel) {
            ShowCancelled();
            return result::Cancelled;
        }
        if (answer != Answer::Yes) return result::Ok;
    }

    const std::string localName = LocalMapStem(course) + ".dat";
    const std::string deviceName = DeviceMapStem(device, course) + ".dat";
    if (!IsSafeFileName(localName) || !IsSafeFileName(deviceName)) {
        const std::string& shown = IsSafeFileName(localName) ? deviceName : localName;
        ui.ShowStatusText(Format(std::string(ui.Text(kUnusableMapName)).c_str(), shown.c_str()));
        return result::Failed;
    }
    const PutResult fetched = PutDeviceFile(context_, &course, localName);
    if (fetched.code != result::Ok) {
        SetStatusById(kServerLostStatus);
        return result::NoDevice;
    }
    const std::filesystem::path local = context_.workFolder / localName;
    const auto failed = [&](std::uint32_t error) {
        if (error != 0) device.LastDeviceError = error;
        state_.failingCourse = &course;
        RemoveLocal(local);
        return result::Rejected;
    };

    const bool firstGeneration = device.ModelCode == kFirstGenerationModel;
    const std::int32_t number = firstGeneration ? FirstGenerationMapNumber(course.id) : course.id;
    std::filesystem::path folder =
        device.DeviceRoot / (firstGeneration ? std::string("Cour107") : device.CourseFolder);
    for (const std::string& level :
         {std::string(), Format("%06d", number / 100), Format("%02d", number % 100)}) {
        if (!level.empty()) folder /= level;
        if (!EnsureFolder(device, folder)) return failed(0);
    }

    if (course.mark == Mark::New &&
        FreeBytes(device) < fetched.fetchedLength + kMapFreeSpaceMargin) {
        failed(ENOSPC);
        ui.Notify("저장 공간이 부족합니다.", "Not enough free space.");
        failureText_ = ui.Text("저장 공간이 부족합니다.", "Not enough free space.");
        ui.ShowStatusText("");
        return result::Rejected;
    }

    const std::filesystem::path target = folder / deviceName;
    const int error = CopyToDevice(local, target);
    if (error != 0) return failed(static_cast<std::uint32_t>(error));
    RemoveLocal(local);
    return result::Ok;
}

int Transfer::CopyToDevice(const std::filesystem::path& local,
                           const std::filesystem::path& target) {
    std::error_code ignored;
    // A read-only map from an earlier copy must not stop the replacement.
    std::filesystem::permissions(
        target, std::filesystem::perms::owner_write,
        std::filesystem::perm_options::add | std::filesystem::perm_options::nofollow, ignored);
    if (copier_(local, target) == 0) return 0;

    // The old map is moved aside and the copy tried once more; should that
    // fail too, the old map goes back under its name, so the device keeps
    // the map its club list names.
    std::filesystem::path aside = target;
    aside.replace_extension(".ddd");
    std::error_code moveError;
    std::filesystem::rename(target, aside, moveError);
    const int error = copier_(local, target);
    if (error == 0) return 0;
    if (!moveError) std::filesystem::rename(aside, target, ignored);
    return error;
}

void Transfer::ShowCancelled() {
    Ui& ui = context_.ui;
    ui.ShowStatusText(std::string(ui.Text("취소 중 입니다 ...", "Download Cancelling ...")));
    // The maps stored so far in this zone are in place: the club list
    // names them.
    SaveDeviceZone(context_, state_.currentZone);
    browser_.ShowArea();
    ui.ShowStatusText(std::string(ui.Text("취소 되었습니다 !", "Download Cancelled !")));
    ui.SetProgress(0);
}

void Transfer::RunToEnd() {
    while (StepPending()) TransferStep(state_.stepParameter);
}

void Transfer::Stop() {
    if (!StepPending() || inStep_) return;
    ShowCancelled();
    state_.queueCount = 0;
    outcome_ = TransferOutcome::Cancelled;
    failureText_ = context_.ui.StatusText();
}

void Transfer::RecountAndMemory() {
    browser_.counts = CatalogueCounts(context_.data);
    browser_.UpdateMemoryLine();
}

bool Transfer::SaveZonesForFinish(int parameter) {
    std::vector<ZoneWrite> writes;
    const int region = browser_.regionTab.selected;
    const auto addZoneOf = [&](MatchKind kind) {
        if (const auto zone = DeviceZone(kind, region)) writes.push_back({*zone, false});
    };
    const int p = parameter;
    if (p == 0) {
        AddRange(writes, 0, 4, true);
    } else if (p == 1) {
        writes.push_back({0, true});
    } else if (p == 2) {
        addZoneOf(MatchKind::Japan);
    } else if (p == 3) {
        writes.push_back({1, true});
    } else if ((p >= 4 && p <= 11) || (p >= 103 && p <= 107) || (p >= 302 && p <= 306)) {
        writes.push_back({4, false});
    } else if (p == 100) {
        AddRange(writes, 4, 20, true);
    } else if (p == 101) {
        addZoneOf(MatchKind::Usa);
    } else if (p == 102) {
        writes.push_back({20, true});
    } else if (p == 200) {
        AddRange(writes, 22, 27, true);
    } else if (p == 201) {
        addZoneOf(MatchKind::UnitedKingdom);
    } else if (IsOneOf(p, {202, 205, 214})) {
        for (int zone : {24, 26, 27}) writes.push_back({zone, true});
    } else if (IsOneOf(p, {203, 209, 211})) {
        for (int zone : {25, 24, 26, 27}) writes.push_back({zone, true});
    } else if (IsOneOf(p, {204, 207, 208, 213, 215})) {
        writes.push_back({27, true});
    } else if (IsOneOf(p, {206, 210, 212})) {
        for (int zone : {26, 27}) writes.push_back({zone, true});
    } else if (p == 300) {
        // The whole "Others" view also takes Australian courses, whose zone
        // is not zone 4; their club list must learn of the new maps too.
        writes.push_back({4, false});
        writes.push_back({21, true});
    } else if (p == 301) {
        writes.push_back({21, true});
    } else if (p == 400) {
        writes.push_back({state_.currentZone, false});
    } else if (p == kOtherZonesStep) {
        AddRange(writes, 1, kZoneCount - 1, true);
    }
    for (const ZoneWrite& write : writes) {
        if (write.onlyIfDirty && !state_.zoneDirty[static_cast<std::size_t>(write.zone)]) continue;
        if (!SaveZone(write.zone)) return false;
    }
    if (p == kOtherZonesStep) browser_.SelectContinent(0);
    return true;
}

void Transfer::FinishTransfer(int parameter) {
    Ui& ui = context_.ui;
    if (!SaveZonesForFinish(parameter)) {
        // Left set, the count would refuse every later command with "Not
        // finished downloading." for the rest of the run.
        state_.queueCount = 0;
        return;
    }
    RecountAndMemory();
    state_.queueCount = 0;
    ClearDirty();
    ui.SetProgress(1000);
    const int continent = parameter == kOtherZonesStep ? 0 : parameter / 100;
    const int country = parameter == kOtherZonesStep ? 0 : parameter % 100;
    if (browser_.continentTab.selected != continent) browser_.SelectContinent(continent);
    if (browser_.countryTab.selected != country) browser_.SelectCountry(country);
    browser_.ShowArea();
    ShowCompleted();
}

void Transfer::ShowCompleted() {
    Ui& ui = context_.ui;
    ui.ShowStatusText(std::string(
        ui.Text("완료 되었습니다. USB를 분리하고 기기의 전원을 다시 켜야 적용 됩니다.",
                "Operation Completed. Disconnect USB, then device will apply the modification.")));
    outcome_ = TransferOutcome::Completed;
    ui.Ask(
        "USB를 분리하고 5초 이상을 기다린 후에,\r\n\r\nLED가 정상적으로 깜빡이면 기기를 "
        "조작하셔야 합니다.\r\n\r\n바로 조작하시면 기기의 메모리가 파괴되어 작동이 안됩니다.",
        "After disconnecting USB,\r\n\r\nplease wait for more than 5 seconds until LED normally "
        "blinks for operation.\r\n\r\nIf operate the device too early, then memory will be "
        "destroyed.",
        Title::Caution, Buttons::Ok);
}

}  // namespace orvane
