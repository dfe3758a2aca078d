#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// The interface language. The values are the primary language identifiers the
// system has always stored: 18 is Korean; anything else is shown in English and
// settles on 9 once the texts are applied.
enum class Language : std::uint16_t { English = 9, Korean = 18 };

// Reads LC_ALL, LC_MESSAGES and LANG in the order the C library gives them
// precedence; the first one that is set and not empty decides. `getEnv` is
// injectable so that tests need not touch the process environment.
using EnvironmentLookup = std::function<const char*(const char*)>;
Language LanguageFromLocale(const EnvironmentLookup& getEnv);

// The language a program's arguments choose with `--lang ko|en` (or
// `--lang=ko`), else the locale's. Read ahead of the parsing of the command
// line, so that its help and its errors are in that language too.
Language LanguageFromArguments(const std::vector<std::string>& arguments,
                               const EnvironmentLookup& getEnv);

// The Korean text in the Korean interface, the English text otherwise.
constexpr std::string_view PickText(Language language, std::string_view korean,
                                    std::string_view english) {
    return language == Language::Korean ? korean : english;
}

}  // namespace orvane
