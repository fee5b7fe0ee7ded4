#pragma once

// The text of an INI file as lines: sections, key=value entries, comments and blank lines.
// Reading never fails: a line that cannot be read (and every entry under a header that cannot)
// is not used, but kept. Render gives back every byte of the text that Set did not change: a
// byte-order mark, NUL and other bytes, each line's own end (CR LF or LF) and a last line
// without one.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace veltrano::forms {

class IniDocument {
public:
    static IniDocument Parse(std::string_view text);

    // Section and key names compare without regard to ASCII case, as the Windows store does.
    std::optional<std::string> Find(std::string_view section, std::string_view key) const;
    // Changes the first entry of that key, or adds it to the section (adding the section at the
    // end when it is missing). Throws std::invalid_argument for a name the format cannot hold.
    void Set(std::string_view section, std::string_view key, std::string_view value);

    std::string Render() const;
    std::size_t IgnoredLines() const noexcept;

    // The text of a value as written after "key=": quoted and escaped when it would otherwise
    // not read back identical.
    static std::string EncodeValue(std::string_view value);

private:
    enum class Kind { Blank, Comment, Section, Entry, Ignored };
    struct Line {
        Kind kind = Kind::Blank;
        std::string raw;     // without its line end
        std::string end;     // "\r\n", "\n", or "" for a last line without one
        std::string section; // of an entry: the section it belongs to; of a header: its name
        std::string key;
        std::string value;
    };

    static void ReadEntry(std::string_view content, const std::string& section, Line& line);
    // Inserts a line that Set made, ending as the file's lines do.
    void InsertLine(std::vector<Line>::iterator at, Line line);

    std::string byteOrderMark_;
    std::string newline_ = "\n"; // the end of the file's first line, for lines Set adds
    std::vector<Line> lines_;
};

} // namespace veltrano::forms
