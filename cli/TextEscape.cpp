#include "cli/TextEscape.h"

namespace veltrano::cli {

namespace {

constexpr std::string_view kHex = "0123456789ABCDEF";

void AppendHex(std::string& out, unsigned char byte) {
    out += "\\x";
    out += kHex[byte >> 4];
    out += kHex[byte & 0xF];
}

int HexValue(char c) {
    const auto at = kHex.find(c);
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

// The byte of the "\xHH" sequence that starts at text[at], or -1.
int SequenceAt(std::string_view text, std::size_t at) {
    if (at + 4 > text.size() || text[at] != '\\' || text[at + 1] != 'x') {
        return -1;
    }
    const int high = HexValue(text[at + 2]);
    const int low = HexValue(text[at + 3]);
    return high < 0 || low < 0 ? -1 : high * 16 + low;
}

bool IsControl(unsigned char byte) {
    return byte < 0x20 || byte == 0x7F;
}

bool IsC1Continuation(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F;
}

} // namespace

bool MayNeedEscaping(std::string_view text) {
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (IsControl(byte) || byte == 0xC2 || byte == '\\') {
            return true;
        }
    }
    return false;
}

std::string EscapeText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (IsControl(byte) || SequenceAt(text, i) >= 0) {
            AppendHex(out, byte);
        } else if (byte == 0xC2 && i + 1 < text.size() &&
                   IsC1Continuation(static_cast<unsigned char>(text[i + 1]))) {
            AppendHex(out, byte);
            AppendHex(out, static_cast<unsigned char>(text[++i]));
        } else {
            out += text[i];
        }
    }
    return out;
}

std::optional<std::string> UnescapeText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IsControl(static_cast<unsigned char>(text[i]))) {
            return std::nullopt;
        }
        if (const int byte = SequenceAt(text, i); byte >= 0) {
            out += static_cast<char>(byte);
            i += 3;
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace veltrano::cli
