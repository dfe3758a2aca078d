#include "cli/JsonOutput.h"

#include <ostream>

#include "util/TextDecoding.h"

namespace orvane::cli {
namespace {

void DecodeStrings(nlohmann::ordered_json& value) {
    if (value.is_string()) {
        value = DisplayText(value.get_ref<const std::string&>());
    } else if (value.is_structured()) {
        for (auto& element : value) DecodeStrings(element);
    }
}

}  // namespace

void PrintJson(std::ostream& out, nlohmann::ordered_json document) {
    DecodeStrings(document);
    out << document.dump(2) << '\n';
}

}  // namespace orvane::cli
