#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "browser/Browser.h"
#include "catalogue/CatalogueContext.h"
#include "catalogue/ZoneTable.h"

namespace orvane {

// The commands that store maps on the device.
enum class TransferCommand {
    SelectButton,         // the checked rows of the list
    AreaButton,           // the added and modified rows of the shown area
    KoreaNewAndModified,  // zone 0, 'N' and 'U'
    KoreaNew,             // zone 0, 'N'
    OthersNew,            // zones 1 to 27, 'N'
    KoreaModified,        // zone 0, 'U'
    OthersModified,       // zones 1 to 27, 'U'
};

// How the last command or transfer ended, for front ends that need an exit
// status rather than the status line.
enum class TransferOutcome { None, Running, Completed, Refused, Failed, Cancelled };

// Step parameters of the zone commands.
inline constexpr int kKoreaStep = 1;
inline constexpr int kOtherZonesStep = 500;

struct TransferState {
    std::vector<CourseNode*> queue;
    // Non-zero while a transfer or a deletion runs; every command that
    // touches the device refuses to start then.
    std::int32_t queueCount = 0;
    std::int32_t nextIndex = 0;
    int currentZone = 0;
    int stepParameter = 0;
    std::array<bool, kZoneCount> zoneDirty{};
    const CourseNode* failingCourse = nullptr;
};

// Copies the fetched map `local` onto `target`; 0 or the errno.
using MapCopier =
    std::function<int(const std::filesystem::path& local, const std::filesystem::path& target)>;

// Copies through a temporary file in the target's folder that is renamed
// over the target once whole.
int CopyMapAtomically(const std::filesystem::path& local, const std::filesystem::path& target);

// The map transfer and the map deletion. A command fills the queue; the
// front end then calls TransferStep with stepParameter() until StepPending()
// is false (the terminal in a loop, a window from its timers), so that the
// window keeps painting between courses.
class Transfer {
public:
    Transfer(CatalogueContext& context, Browser& browser, MapCopier copier = CopyMapAtomically);

    // True when the queue was filled and the first step is due.
    bool Start(TransferCommand command);
    // Stores the next queued course. A step that arrives while one is still
    // running (a timer firing inside a question) is ignored.
    void TransferStep(int parameter);
    bool StepPending() const { return state_.nextIndex < state_.queueCount; }
    int stepParameter() const { return state_.stepParameter; }
    // Every pending step at once, as a terminal runs a transfer.
    void RunToEnd();
    // The person stops the transfer between two maps. It ends as a cancelled
    // one does: the club list of the zone being stored is rewritten, so the
    // device lists every map stored so far.
    void Stop();

    // 0 stored or skipped at the person's answer; 1 a map name that cannot
    // be a file name; 2 a device write, folder or free-space failure; 5 no
    // device or the fetch failed; 6 cancelled.
    int StoreCourseMap(CourseNode& course);
    void FinishTransfer(int parameter);
    void DeleteSelectedMaps();

    void ShowProgress(std::int32_t count, std::int32_t index, const CourseNode& course);
    void SetStatusById(int id);

    bool Busy() const { return state_.queueCount != 0; }
    const TransferState& state() const { return state_; }
    TransferOutcome outcome() const { return outcome_; }
    // The text of the last refusal or failure the person was shown.
    const std::string& failureText() const { return failureText_; }

private:
    bool DeviceCheck();
    void Refuse(std::string_view korean, std::string_view english);
    void Fail(std::string text);
    bool BuildQueue(TransferCommand command, bool& checksSpace, int& parameter);
    bool QueueCheckedRows();
    bool QueueAreaRows();
    void QueueZones(int first, int last, Mark mark, bool alsoUpdated);
    bool SaveZone(int zone);
    bool SaveZonesForFinish(int parameter);
    int CopyToDevice(const std::filesystem::path& local, const std::filesystem::path& target);
    void ShowCancelled();
    void RecountAndMemory();
    void ShowCompleted();
    void ClearDirty() { state_.zoneDirty.fill(false); }

    CatalogueContext& context_;
    Browser& browser_;
    MapCopier copier_;
    TransferState state_;
    TransferOutcome outcome_ = TransferOutcome::None;
    std::string failureText_;
    bool inStep_ = false;
};

// The stem of a course's map file: the "_" alias when it has one, else the
// name (in the working folder and on the server) or, on the first-generation
// layout, the short key (on the device).
std::string LocalMapStem(const CourseNode& course);
std::string DeviceMapStem(const DeviceLink& device, const CourseNode& course);

// Where the deletion looks for a course's map on the device.
std::filesystem::path DeletionMapPath(const DeviceLink& device, const CourseNode& course);

}  // namespace orvane
