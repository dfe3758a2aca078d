#include "shell/Language.h"

namespace orvane {

Language LanguageFromLocale(const EnvironmentLookup& getEnv) {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = getEnv(variable);
        if (value == nullptr || *value == '\0') continue;
        return std::string_view(value).starts_with("ko") ? Language::Korean : Language::English;
    }
    return Language::English;
}

Language LanguageFromArguments(const std::vector<std::string>& arguments,
                               const EnvironmentLookup& getEnv) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string_view value;
        if (arguments[i] == "--lang" && i + 1 < arguments.size())
            value = arguments[i + 1];
        else if (arguments[i].starts_with("--lang="))
            value = std::string_view(arguments[i]).substr(7);
        if (value == "ko") return Language::Korean;
        if (value == "en") return Language::English;
    }
    return LanguageFromLocale(getEnv);
}

}  // namespace orvane
