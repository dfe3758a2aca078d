#include "catalogue/DeviceFiles.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "catalogue/ZoneTable.h"
#include "device/DeviceFileAccess.h"
#include "device/DevicePaths.h"
#include "device/DeviceVolume.h"
#include "device/VersionFile.h"
#include "net/Fetch.h"
#include "shell/ResultCode.h"
#include "shell/StringTable.h"
#include "util/SafeFile.h"
#include "util/Text.h"

namespace orvane {
namespace {

// Writes above this size show their progress.
constexpr std::size_t kProgressThreshold = 49152;
// From this size on the status line asks the person to wait.
constexpr std::size_t kLongWrite = 30001;

DeviceFileRead Failure(DeviceLink& device, int stage) {
    device.LastDeviceError = static_cast<std::uint32_t>(errno);
    return {{}, stage + errno};
}

std::string PieceStatus(Language language, std::size_t left, std::size_t length, int pieces,
                        std::size_t piece) {
    const int l = static_cast<int>(left), n = static_cast<int>(length), p = static_cast<int>(piece);
    return language == Language::Korean
               ? Format("%dbytes 중 %dbytes 남음 -- (%d, %d)", n, l, pieces, p)
               : Format("%dbytes left of %dbytes -- (%d, %d)", l, n, pieces, p);
}

std::optional<int> ClubListZone(const DeviceLink& device, std::string_view name) {
    return ZoneOfDeviceClubList(name, device.ModelCode);
}

bool IsClubListName(std::string_view name) {
    return StartsWithIgnoringCase(name, "Cl_") || name.starts_with("ClubList");
}

}  // namespace

DeviceFileRead ReadDeviceFile(DeviceLink& device, const CourseNode* course, std::string_view name) {
    const std::string relative =
        DevicePathFor(device, name, course ? std::optional(course->id) : std::nullopt);
    const DeviceFile file = OpenDeviceFile(device, relative);
    if (!file.open()) return Failure(device, kOpenFailed);
    struct stat info {};
    if (::fstat(file.get(), &info) != 0) return Failure(device, kOpenFailed);
    if (info.st_size == 0) {
        errno = 0;
        return Failure(device, kEmptyFile);
    }
    std::string bytes(static_cast<std::size_t>(info.st_size), '\0');
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const ssize_t got = ::read(file.get(), bytes.data() + filled, bytes.size() - filled);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return Failure(device, kReadFailed);
        if (got == 0) break;
        filled += static_cast<std::size_t>(got);
    }
    // A file that shrank under us is taken as far as it went.
    bytes.resize(filled);
    return {std::move(bytes), 0};
}

int LoadDeviceFile(CatalogueContext& context, const CourseNode* course, std::string_view name) {
    DeviceFileRead read = ReadDeviceFile(context.device, course, name);
    if (name == "Ver.ini") {
        if (read.code != 0) return result::Rejected;
        const std::string_view text(read.bytes);
        context.device.VersionText =
            std::string(text.substr(0, std::min(text.find('\0'), kVersionTextLength)));
        return result::Ok;
    }
    if (IsClubListName(name)) {
        const auto zone = ClubListZone(context.device, name);
        if (!zone) return result::Failed;
        std::string& text = context.data.DeviceText[static_cast<std::size_t>(*zone)];
        text = std::move(read.bytes);
        return read.code == 0 ? result::Ok : result::Rejected;
    }
    return read.code == 0 ? result::Ok : result::Rejected;
}

int WriteDeviceFile(DeviceLink& device, Ui& ui, const std::filesystem::path& path,
                    std::string_view bytes) {
    const std::size_t length = bytes.size();
    if (FreeBytes(device) < length + kFreeSpaceMargin) {
        ui.Notify("저장 공간이 부족합니다.", "No enough storage space.");
        ui.ShowStatusText("");
        return result::Rejected;
    }
    if (const int refused = CheckDeviceFolders(device, path); refused != 0) {
        device.LastDeviceError = static_cast<std::uint32_t>(refused);
        return result::Rejected;
    }
    // The old file is replaced only once the new one is whole on the device.
    AtomicFileWriter writer(path);
    const auto failed = [&] {
        device.LastDeviceError = static_cast<std::uint32_t>(writer.error());
        return result::Rejected;
    };
    if (!writer.Open()) return failed();

    const int pieces = static_cast<int>(length / kWritePiece);
    int written = 0;
    for (std::size_t offset = 0; offset < length; offset += kWritePiece) {
        const std::string_view piece = bytes.substr(offset, kWritePiece);
        if (!writer.Write(piece)) return failed();
        ++written;
        if (length > kProgressThreshold) {
            ui.SetProgress(1000 * written / (pieces + 1));
            ui.ShowStatusText(PieceStatus(ui.language(), length - offset - piece.size(), length,
                                          written, piece.size()));
        }
    }
    if (length >= kLongWrite) ui.ShowStatus(message::StoringPleaseWait);
    if (!writer.Commit()) return failed();
    return result::Ok;
}

std::string ServerMapFolder(const DeviceLink& device, std::int32_t courseId) {
    return "Download//" + CourseMapFolder(device, courseId, "//");
}

PutResult PutDeviceFile(CatalogueContext& context, const CourseNode* course,
                        std::string_view name) {
    DeviceLink& device = context.device;
    if (IsClubListName(name)) {
        const auto zone = ClubListZone(device, name);
        if (!zone) return {result::Failed};
        std::string_view text = context.data.DeviceText[static_cast<std::size_t>(*zone)];
        const bool binary = device.ModelCode == kFirstGenerationModel;
        // A text list ends at its first zero byte; a binary one has its length.
        if (!binary) text = text.substr(0, text.find('\0'));
        const auto path = DeviceFilePath(device, DevicePathFor(device, name));
        return {WriteDeviceFile(device, context.ui, path, text)};
    }
    if (course == nullptr) return {result::Rejected};
    const auto fetched =
        FetchToFile(context.http, context.workFolder, ServerMapFolder(device, course->id), name);
    if (!fetched) return {result::NoDevice};
    return {result::Ok, *fetched};
}

}  // namespace orvane
