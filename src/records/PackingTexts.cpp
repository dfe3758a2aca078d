#include "records/PackingTexts.h"

#include "records/PackedFile.h"
#include "util/Text.h"

namespace orvane {
namespace {

// 204800 as "204,800".
std::string Grouped(std::size_t number) {
    std::string digits = std::to_string(number);
    for (std::size_t at = digits.size(); at > 3; at -= 3) digits.insert(at - 3, ",");
    return digits;
}

}  // namespace

std::string TooLargeToPackText(Language language) {
    const std::string limit = Grouped(kPackInputLimit);
    return language == Language::Korean
               ? Format(" 은(는) 너무 커서 기록 파일로 만들 수 없습니다 (%s 바이트 미만).",
                        limit.c_str())
               : Format(" is too large to pack: a record file holds fewer than %s bytes.",
                        limit.c_str());
}

bool HoldsOneByteValue(std::string_view bytes) {
    return !bytes.empty() && bytes.find_first_not_of(bytes.front()) == std::string_view::npos;
}

}  // namespace orvane
