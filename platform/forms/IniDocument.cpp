#include "platform/forms/IniDocument.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>

namespace veltrano::forms {

namespace {

constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool IsControl(char c) {
    auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

std::string_view Trim(std::string_view text) {
    auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    auto last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

bool IsComment(std::string_view text) {
    return text.empty() || text.front() == ';' || text.front() == '#';
}

bool SameName(std::string_view a, std::string_view b) {
    auto lower = [](char c) {
        return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Reads a quoted value starting at text[0] == '"'. Only blanks or a comment may follow it.
std::optional<std::string> DecodeQuoted(std::string_view text) {
    std::string value;
    std::size_t i = 1;
    for (;; ++i) {
        if (i >= text.size())
            return std::nullopt;
        char c = text[i];
        if (c == '"')
            break;
        if (c != '\\') {
            value += c;
            continue;
        }
        if (++i >= text.size())
            return std::nullopt;
        switch (text[i]) {
        case '\\':
            value += '\\';
            break;
        case '"':
            value += '"';
            break;
        case 'n':
            value += '\n';
            break;
        case 'r':
            value += '\r';
            break;
        case 't':
            value += '\t';
            break;
        case 'x': {
            int high = i + 1 < text.size() ? HexDigit(text[i + 1]) : -1;
            int low = i + 2 < text.size() ? HexDigit(text[i + 2]) : -1;
            if (high < 0 || low < 0)
                return std::nullopt;
            value += static_cast<char>(high * 16 + low);
            i += 2;
            break;
        }
        default:
            return std::nullopt;
        }
    }
    std::string_view rest = Trim(text.substr(i + 1));
    if (!IsComment(rest))
        return std::nullopt;
    return value;
}

bool NeedsQuotes(std::string_view value) {
    if (value.empty())
        return false;
    if (kBlanks.find(value.front()) != std::string_view::npos ||
        kBlanks.find(value.back()) != std::string_view::npos)
        return true;
    return std::any_of(value.begin(), value.end(), [](char c) {
        return IsControl(c) || std::string_view("\"';#\\").find(c) != std::string_view::npos;
    });
}

// "[name]", optionally followed by a comment; "" when the header cannot be read.
std::string_view HeaderName(std::string_view content) {
    auto close = content.find(']');
    if (close == std::string_view::npos || !IsComment(Trim(content.substr(close + 1))))
        return {};
    return Trim(content.substr(1, close - 1));
}

bool IsWritableName(std::string_view name, std::string_view forbidden) {
    return !name.empty() && Trim(name).size() == name.size() &&
           std::none_of(name.begin(), name.end(), IsControl) &&
           name.find_first_of(forbidden) == std::string_view::npos;
}

[[noreturn]] void ThrowBadName(std::string_view what, std::string_view name) {
    throw std::invalid_argument("The settings file cannot hold the " + std::string(what) +
                                " name \"" + std::string(name) + "\"");
}

} // namespace

IniDocument IniDocument::Parse(std::string_view text) {
    IniDocument document;
    if (text.substr(0, kUtf8Bom.size()) == kUtf8Bom) {
        document.byteOrderMark_ = kUtf8Bom;
        text.remove_prefix(kUtf8Bom.size());
    }

    std::string section;
    bool sectionReadable = true;
    while (!text.empty()) {
        auto end = text.find('\n');
        std::string_view raw = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        Line line;
        if (end != std::string_view::npos) {
            const bool crlf = !raw.empty() && raw.back() == '\r';
            if (crlf)
                raw.remove_suffix(1);
            line.end = crlf ? "\r\n" : "\n";
            if (document.lines_.empty())
                document.newline_ = line.end;
        }
        line.raw = raw;
        std::string_view content = Trim(raw);
        if (std::any_of(raw.begin(), raw.end(), [](char c) { return c != '\t' && IsControl(c); })) {
            line.kind = Kind::Ignored;
        } else if (content.empty()) {
            line.kind = Kind::Blank;
        } else if (IsComment(content)) {
            line.kind = Kind::Comment;
        } else if (content.front() == '[') {
            std::string_view name = HeaderName(content);
            sectionReadable = !name.empty();
            section = name;
            line.kind = sectionReadable ? Kind::Section : Kind::Ignored;
            line.section = name;
        } else if (sectionReadable) {
            ReadEntry(content, section, line);
        } else {
            line.kind = Kind::Ignored;
        }
        document.lines_.push_back(std::move(line));
    }
    return document;
}

void IniDocument::ReadEntry(std::string_view content, const std::string& section, Line& line) {
    auto equals = content.find('=');
    std::string_view key = Trim(content.substr(0, equals));
    if (equals == std::string_view::npos || key.empty()) {
        line.kind = Kind::Ignored;
        return;
    }
    std::string_view text = Trim(content.substr(equals + 1));
    std::optional<std::string> value =
        !text.empty() && text.front() == '"' ? DecodeQuoted(text) : std::string(text);
    line.kind = value ? Kind::Entry : Kind::Ignored;
    line.section = section;
    line.key = key;
    line.value = value.value_or("");
}

std::optional<std::string> IniDocument::Find(std::string_view section, std::string_view key) const {
    for (const auto& line : lines_) {
        if (line.kind == Kind::Entry && SameName(line.section, section) && SameName(line.key, key))
            return line.value;
    }
    return std::nullopt;
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    if (!IsWritableName(section, "[]"))
        ThrowBadName("section", section);
    if (!IsWritableName(key, "=") ||
        std::string_view(";#[").find(key.front()) != std::string_view::npos)
        ThrowBadName("key", key);

    for (auto& line : lines_) {
        if (line.kind == Kind::Entry && SameName(line.section, section) &&
            SameName(line.key, key)) {
            // The file's spelling of the key stays.
            line.raw = line.key + "=" + EncodeValue(value);
            line.value = value;
            return;
        }
    }

    Line entry{Kind::Entry,
               std::string(key) + "=" + EncodeValue(value),
               "",
               std::string(section),
               std::string(key),
               std::string(value)};
    auto header = std::find_if(lines_.begin(), lines_.end(), [&](const Line& line) {
        return line.kind == Kind::Section && SameName(line.section, section);
    });
    if (header != lines_.end()) {
        // After the last entry of the section's first block, before its trailing blank lines.
        auto insertAt = header + 1;
        for (auto it = header + 1; it != lines_.end() && it->kind != Kind::Section; ++it) {
            if (it->kind == Kind::Entry)
                insertAt = it + 1;
        }
        InsertLine(insertAt, std::move(entry));
        return;
    }

    if (!lines_.empty() && lines_.back().kind != Kind::Blank)
        InsertLine(lines_.end(), Line{Kind::Blank, "", "", "", "", ""});
    InsertLine(lines_.end(), Line{Kind::Section, "[" + std::string(section) + "]", "",
                                  std::string(section), "", ""});
    InsertLine(lines_.end(), std::move(entry));
}

void IniDocument::InsertLine(std::vector<Line>::iterator at, Line line) {
    if (at != lines_.begin() && std::prev(at)->end.empty())
        std::prev(at)->end = newline_;
    line.end = newline_;
    lines_.insert(at, std::move(line));
}

std::string IniDocument::Render() const {
    std::string text = byteOrderMark_;
    for (const auto& line : lines_) {
        text += line.raw;
        text += line.end;
    }
    return text;
}

std::size_t IniDocument::IgnoredLines() const noexcept {
    return static_cast<std::size_t>(std::count_if(
        lines_.begin(), lines_.end(), [](const Line& line) { return line.kind == Kind::Ignored; }));
}

std::string IniDocument::EncodeValue(std::string_view value) {
    if (!NeedsQuotes(value))
        return std::string(value);
    constexpr std::string_view kHex = "0123456789ABCDEF";
    std::string encoded = "\"";
    for (char c : value) {
        switch (c) {
        case '\\':
            encoded += "\\\\";
            break;
        case '"':
            encoded += "\\\"";
            break;
        case '\n':
            encoded += "\\n";
            break;
        case '\r':
            encoded += "\\r";
            break;
        case '\t':
            encoded += "\\t";
            break;
        default:
            if (IsControl(c)) {
                auto byte = static_cast<unsigned char>(c);
                encoded += "\\x";
                encoded += kHex[byte >> 4];
                encoded += kHex[byte & 0xF];
            } else {
                encoded += c;
            }
        }
    }
    encoded += '"';
    return encoded;
}

} // namespace veltrano::forms
