#pragma once

#include <string>
#include <string_view>

#include "shell/ShellTexts.h"

namespace orvane {

// What a person packing or unpacking a whole file is told; each text follows
// the file's name.
inline constexpr TextPair kNotPackedFile{" 은(는) 읽을 수 있는 기록 파일이 아닙니다.",
                                         " is not a readable packed record file."};
inline constexpr TextPair kOneByteValue{
    " 에는 한 가지 바이트 값만 있어, 기록 파일에서 내용을 되살릴 수 없습니다.",
    " holds a single byte value; its packed file cannot give the content back."};

// The input reached kPackInputLimit.
std::string TooLargeToPackText(Language language);

// True when every byte of a non-empty `bytes` has one value: the packed file
// is still the one the application writes, but it unpacks to nothing.
bool HoldsOneByteValue(std::string_view bytes);

}  // namespace orvane
