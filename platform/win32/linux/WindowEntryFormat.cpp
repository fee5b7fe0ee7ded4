#include "platform/win32/linux/WindowRegistry.h"

#include <charconv>
#include <map>
#include <string_view>

namespace veltrano::win32 {

namespace {

constexpr std::string_view kFirstLine = "act-standin-window 1";

// Values stay on one line: backslash, line breaks and NUL are escaped.
std::string Escape(std::string_view value) {
    std::string text;
    text.reserve(value.size());
    for (const char c : value) {
        switch (c) {
        case '\\':
            text += "\\\\";
            break;
        case '\n':
            text += "\\n";
            break;
        case '\r':
            text += "\\r";
            break;
        case '\0':
            text += "\\0";
            break;
        default:
            text += c;
        }
    }
    return text;
}

std::optional<std::string> Unescape(std::string_view text) {
    std::string value;
    value.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            value += text[i];
            continue;
        }
        if (++i == text.size()) {
            return std::nullopt;
        }
        switch (text[i]) {
        case '\\':
            value += '\\';
            break;
        case 'n':
            value += '\n';
            break;
        case 'r':
            value += '\r';
            break;
        case '0':
            value += '\0';
            break;
        default:
            return std::nullopt;
        }
    }
    return value;
}

template <typename Number> std::optional<Number> ParseNumber(std::string_view text) {
    Number number{};
    const auto end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, number);
    if (text.empty() || result.ec != std::errc{} || result.ptr != end) {
        return std::nullopt;
    }
    return number;
}

bool IsPlainFileName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find('/') == std::string_view::npos && name.find('\0') == std::string_view::npos;
}

} // namespace

std::string SocketNameFor(const ProcessIdentity& process) {
    return std::to_string(process.pid) + "-" + std::to_string(process.startTime) + ".sock";
}

std::string FormatWindowEntry(const WindowEntry& entry) {
    std::string text(kFirstLine);
    text += "\npid=" + std::to_string(entry.process.pid);
    text += "\nstart=" + std::to_string(entry.process.startTime);
    text += "\nsequence=" + std::to_string(entry.sequence);
    text += "\nclass=" + Escape(entry.className);
    text += "\ncaption=" + Escape(entry.caption);
    text += "\nvisible=" + std::string(entry.visible ? "1" : "0");
    text += "\ndatabase=" + Escape(entry.databasePath);
    text += "\nsocket=" + Escape(entry.socketName);
    text += "\n";
    return text;
}

std::optional<WindowEntry> ParseWindowEntry(const std::string& text) {
    std::map<std::string, std::string, std::less<>> values;
    std::string_view rest(text);
    bool first = true;
    while (!rest.empty()) {
        const auto end = rest.find('\n');
        if (end == std::string_view::npos) {
            return std::nullopt; // cut short while being written
        }
        const std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end + 1);
        if (first) {
            if (line != kFirstLine) {
                return std::nullopt;
            }
            first = false;
            continue;
        }
        const auto equals = line.find('=');
        if (equals == std::string_view::npos) {
            return std::nullopt;
        }
        auto value = Unescape(line.substr(equals + 1));
        if (!value || !values.emplace(std::string(line.substr(0, equals)), *value).second) {
            return std::nullopt;
        }
    }
    if (first || values.size() != 8) {
        return std::nullopt;
    }
    const auto field = [&](std::string_view key) -> const std::string* {
        const auto found = values.find(key);
        return found == values.end() ? nullptr : &found->second;
    };
    const auto* pid = field("pid");
    const auto* start = field("start");
    const auto* sequence = field("sequence");
    const auto* className = field("class");
    const auto* caption = field("caption");
    const auto* visible = field("visible");
    const auto* database = field("database");
    const auto* socket = field("socket");
    if (!pid || !start || !sequence || !className || !caption || !visible || !database || !socket) {
        return std::nullopt;
    }
    WindowEntry entry;
    const auto pidNumber = ParseNumber<std::int32_t>(*pid);
    const auto startNumber = ParseNumber<std::uint64_t>(*start);
    const auto sequenceNumber = ParseNumber<std::uint64_t>(*sequence);
    if (!pidNumber || *pidNumber <= 0 || !startNumber || !sequenceNumber ||
        (*visible != "0" && *visible != "1") || !IsPlainFileName(*socket)) {
        return std::nullopt;
    }
    entry.process = {*pidNumber, *startNumber};
    entry.sequence = *sequenceNumber;
    entry.className = *className;
    entry.caption = *caption;
    entry.visible = *visible == "1";
    entry.databasePath = *database;
    entry.socketName = *socket;
    return entry;
}

} // namespace veltrano::win32
