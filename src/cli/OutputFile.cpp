#include "cli/OutputFile.h"

#include <ostream>
#include <system_error>

#include "shell/FrontEndTexts.h"
#include "util/SafeFile.h"
#include "util/TextDecoding.h"

namespace orvane::cli {

bool WriteOutputFile(const CliContext& context, const std::filesystem::path& out,
                     std::string_view bytes) {
    int error = 0;
    // A file on the PC, as durable as any tool's output (gzip's, curl's): whole
    // under its name or not there, but not flushed, which would cost more
    // than the rest of a short command together.
    if (WriteFileAtomically(out, bytes, &error, Durability::Unflushed)) return true;
    context.err << DisplayText(out.string()) << PickText(context.language, text::CannotWrite)
                << std::generic_category().message(error) << '\n';
    return false;
}

}  // namespace orvane::cli
