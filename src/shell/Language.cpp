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

}  // namespace orvane
