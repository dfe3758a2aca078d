#include "cli/OutputFile.h"

#include <ostream>
#include <system_error>

#include "shell/ShellTexts.h"
#include "util/SafeFile.h"

namespace orvane::cli {
namespace {

// Follows the file name it is about.
constexpr TextPair kCannotWrite{" 에 쓸 수 없습니다: ", " cannot be written: "};

}  // namespace

bool WriteOutputFile(const CliContext& context, const std::filesystem::path& out,
                     std::string_view bytes) {
    int error = 0;
    if (WriteFileAtomically(out, bytes, &error)) return true;
    context.err << out.string() << PickText(context.language, kCannotWrite)
                << std::generic_category().message(error) << '\n';
    return false;
}

}  // namespace orvane::cli
