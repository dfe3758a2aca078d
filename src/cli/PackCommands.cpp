#include "cli/PackCommands.h"

#include <iostream>

#include "cli/OutputFile.h"
#include "records/PackedFile.h"
#include "shell/ShellTexts.h"
#include "util/Files.h"

namespace orvane::cli {
namespace {

// Each text follows the file name it is about.
constexpr TextPair kCannotRead{" 을(를) 읽을 수 없습니다.", " cannot be read."};
constexpr TextPair kNotPacked{" 은(는) 읽을 수 있는 기록 파일이 아닙니다.",
                              " is not a readable packed record file."};
constexpr TextPair kTooLarge{
    " 은(는) 너무 커서 기록 파일로 만들 수 없습니다 (204,800 바이트 미만).",
    " is too large to pack: a record file holds fewer than 204,800 bytes."};
constexpr TextPair kOneValue{
    " 에는 한 가지 바이트 값만 있어, 기록 파일에서 내용을 되살릴 수 없습니다.",
    " holds a single byte value; its packed file cannot give the content back."};

void Say(const CliContext& context, const std::filesystem::path& file, TextPair text) {
    context.err << file.string() << PickText(context.language, text) << '\n';
}

}  // namespace

int PackCommand(const CliContext& context, const std::filesystem::path& in,
                const std::filesystem::path& out) {
    const std::optional<std::string> bytes = ReadFileBytes(in);
    if (!bytes) {
        Say(context, in, kCannotRead);
        return 1;
    }
    const std::optional<std::string> packed = PackBytes(*bytes);
    if (!packed) {
        Say(context, in, kTooLarge);
        return 1;
    }
    // The file is still the one the application would save; the warning only
    // keeps the loss from going unnoticed.
    if (!bytes->empty() && bytes->find_first_not_of((*bytes)[0]) == std::string::npos)
        Say(context, in, kOneValue);
    return WriteOutputFile(context, out, *packed) ? 0 : 1;
}

int UnpackCommand(const CliContext& context, const std::filesystem::path& in,
                  const std::filesystem::path& out) {
    const std::optional<std::string> file = ReadFileBytes(in);
    if (!file) {
        Say(context, in, kCannotRead);
        return 1;
    }
    const std::optional<std::string> bytes = UnpackBytes(*file);
    if (!bytes) {
        Say(context, in, kNotPacked);
        return 1;
    }
    return WriteOutputFile(context, out, *bytes) ? 0 : 1;
}

}  // namespace orvane::cli
