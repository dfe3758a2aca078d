#include "util/TextDecoding.h"

#include <iconv.h>
#include <locale.h>

#include <cerrno>
#include <cstdint>
#include <cwctype>

namespace orvane {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

bool IsAscii(std::string_view bytes) {
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    }
    return true;
}

// The length of the well-formed UTF-8 sequence at the start of `bytes`, or 0.
std::size_t Utf8SequenceLength(std::string_view bytes) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;   // overlong
        if (lead == 0xED) high = 0x9F;  // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;   // overlong
        if (lead == 0xF4) high = 0x8F;  // past U+10FFFF
    } else {
        return 0;
    }
    if (bytes.size() < length) return 0;
    if (byte(1) < low || byte(1) > high) return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
    }
    return length;
}

char32_t DecodeUtf8(std::string_view sequence) {
    const auto byte = [&](std::size_t i) { return static_cast<char32_t>(static_cast<unsigned char>(sequence[i])); };
    switch (sequence.size()) {
        case 1: return byte(0);
        case 2: return ((byte(0) & 0x1F) << 6) | (byte(1) & 0x3F);
        case 3: return ((byte(0) & 0x0F) << 12) | ((byte(1) & 0x3F) << 6) | (byte(2) & 0x3F);
        default:
            return ((byte(0) & 0x07) << 18) | ((byte(1) & 0x3F) << 12) | ((byte(2) & 0x3F) << 6) |
                   (byte(3) & 0x3F);
    }
}

void AppendUtf8(std::string& out, char32_t code) {
    const auto put = [&](char32_t bits) { out.push_back(static_cast<char>(bits)); };
    if (code < 0x80) {
        put(code);
    } else if (code < 0x800) {
        put(0xC0 | (code >> 6));
        put(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        put(0xE0 | (code >> 12));
        put(0x80 | ((code >> 6) & 0x3F));
        put(0x80 | (code & 0x3F));
    } else {
        put(0xF0 | (code >> 18));
        put(0x80 | ((code >> 12) & 0x3F));
        put(0x80 | ((code >> 6) & 0x3F));
        put(0x80 | (code & 0x3F));
    }
}

// One converter per thread: iconv keeps state in its descriptor, and the
// window decodes on its own thread while a worker decodes on another.
class Cp949Decoder {
public:
    Cp949Decoder() : descriptor_(iconv_open("UTF-8", "CP949")) {}
    ~Cp949Decoder() {
        if (Usable()) iconv_close(descriptor_);
    }
    Cp949Decoder(const Cp949Decoder&) = delete;
    Cp949Decoder& operator=(const Cp949Decoder&) = delete;

    std::string Decode(std::string_view bytes) {
        std::string out;
        out.reserve(bytes.size() * 3 / 2 + 3);
        std::size_t position = 0;
        while (position < bytes.size()) {
            const std::size_t used = Usable() ? Convert(bytes.substr(position), out) : 0;
            position += used;
            if (position < bytes.size() && used == 0) {
                // A byte CP949 cannot place: one replacement, then read on.
                out.append(kReplacement);
                ++position;
            }
        }
        return out;
    }

private:
    bool Usable() const { return descriptor_ != reinterpret_cast<iconv_t>(-1); }

    // Converts as much of `bytes` as decodes; the number of bytes used.
    std::size_t Convert(std::string_view bytes, std::string& out) {
        iconv(descriptor_, nullptr, nullptr, nullptr, nullptr);
        char* in = const_cast<char*>(bytes.data());
        std::size_t inLeft = bytes.size();
        char buffer[256];
        for (;;) {
            char* outPointer = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t converted = iconv(descriptor_, &in, &inLeft, &outPointer, &outLeft);
            out.append(buffer, static_cast<std::size_t>(outPointer - buffer));
            if (converted != static_cast<std::size_t>(-1) || errno != E2BIG) break;
        }
        return bytes.size() - inLeft;
    }

    iconv_t descriptor_;
};

locale_t Utf8Locale() {
    static const locale_t locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
    return locale;
}

}  // namespace

bool IsValidUtf8(std::string_view bytes) {
    while (!bytes.empty()) {
        const std::size_t length = Utf8SequenceLength(bytes);
        if (length == 0) return false;
        bytes.remove_prefix(length);
    }
    return true;
}

std::string DisplayText(std::string_view bytes) {
    if (IsAscii(bytes) || IsValidUtf8(bytes)) return std::string(bytes);
    thread_local Cp949Decoder decoder;
    return decoder.Decode(bytes);
}

std::string FoldedCase(std::string_view utf8) {
    std::string folded;
    folded.reserve(utf8.size());
    const locale_t locale = Utf8Locale();
    while (!utf8.empty()) {
        const unsigned char lead = static_cast<unsigned char>(utf8.front());
        if (lead < 0x80) {
            folded.push_back(lead >= 'A' && lead <= 'Z' ? static_cast<char>(lead - 'A' + 'a')
                                                        : static_cast<char>(lead));
            utf8.remove_prefix(1);
            continue;
        }
        std::size_t length = Utf8SequenceLength(utf8);
        if (length == 0) length = 1;
        const std::string_view sequence = utf8.substr(0, length);
        if (length > 1 && locale != static_cast<locale_t>(nullptr)) {
            const auto lowered =
                static_cast<char32_t>(towlower_l(static_cast<wint_t>(DecodeUtf8(sequence)), locale));
            AppendUtf8(folded, lowered);
        } else {
            folded.append(sequence);
        }
        utf8.remove_prefix(length);
    }
    return folded;
}

}  // namespace orvane
