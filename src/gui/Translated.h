#pragma once

#include <QString>
#include <string_view>

#include "shell/ShellTexts.h"

namespace orvane::gui {

// A core text as Qt shows it.
inline QString FromCore(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// One of a Korean / English pair, by the interface language.
inline QString Translated(Language language, TextPair text) {
    return FromCore(PickText(language, text));
}

}  // namespace orvane::gui
