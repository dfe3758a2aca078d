#include "cli/PackCommands.h"

#include <iostream>

#include "cli/OutputFile.h"
#include "records/PackedFile.h"
#include "records/PackingTexts.h"
#include "shell/FrontEndTexts.h"
#include "util/Files.h"
#include "util/TextDecoding.h"

namespace orvane::cli {
namespace {

void Say(const CliContext& context, const std::filesystem::path& file, std::string_view text) {
    context.err << DisplayText(file.string()) << text << '\n';
}

void Say(const CliContext& context, const std::filesystem::path& file, TextPair text) {
    Say(context, file, PickText(context.language, text));
}

}  // namespace

int PackCommand(const CliContext& context, const std::filesystem::path& in,
                const std::filesystem::path& out) {
    const std::optional<std::string> bytes = ReadFileBytes(in);
    if (!bytes) {
        Say(context, in, text::CannotRead);
        return 1;
    }
    const std::optional<std::string> packed = PackBytes(*bytes);
    if (!packed) {
        Say(context, in, TooLargeToPackText(context.language));
        return 1;
    }
    // The file is still the one the application would save; the warning only
    // keeps the loss from going unnoticed.
    if (HoldsOneByteValue(*bytes)) Say(context, in, kOneByteValue);
    return WriteOutputFile(context, out, *packed) ? 0 : 1;
}

int UnpackCommand(const CliContext& context, const std::filesystem::path& in,
                  const std::filesystem::path& out) {
    const std::optional<std::string> file = ReadFileBytes(in);
    if (!file) {
        Say(context, in, text::CannotRead);
        return 1;
    }
    const std::optional<std::string> bytes = UnpackBytes(*file);
    if (!bytes) {
        Say(context, in, kNotPackedFile);
        return 1;
    }
    return WriteOutputFile(context, out, *bytes) ? 0 : 1;
}

}  // namespace orvane::cli
