#include "cli/TreeOutput.h"

#include "cli/TextEscape.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <ostream>

namespace veltrano::cli {

namespace {

using controls::TreeView;

// The output of a whole tree goes through one buffer written out in large pieces: a surveyed
// tree is a million short lines, and the stream's own work per insertion would cost more than
// the lines.
class LineBuffer {
public:
    explicit LineBuffer(std::ostream& out) : out_(out) { buffer_.reserve(kSize + 4096); }
    LineBuffer(const LineBuffer&) = delete;
    LineBuffer& operator=(const LineBuffer&) = delete;

    void Put(std::string_view text) {
        buffer_.append(text);
        if (buffer_.size() >= kSize) {
            Flush();
        }
    }
    void Put(char c) { Put(std::string_view(&c, 1)); }
    void Flush() {
        out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
        buffer_.clear();
    }

private:
    static constexpr std::size_t kSize = 64 * 1024;
    std::ostream& out_;
    std::string buffer_;
};

// Most texts hold nothing to escape: they go into the buffer without a copy.
void PutNodeText(std::string_view text, LineBuffer& out) {
    if (MayNeedEscaping(text)) {
        out.Put(EscapeText(text));
    } else {
        out.Put(text);
    }
}

void WriteOutlineBelow(const TreeView& tree, TreeView::Index first, std::size_t depth,
                       LineBuffer& out) {
    const std::string indent(depth * 2, ' ');
    for (auto node = first; node != 0; node = tree.Next(node)) {
        out.Put(indent);
        PutNodeText(tree.Text(node), out);
        out.Put('\n');
        WriteOutlineBelow(tree, tree.Child(node), depth + 1, out);
    }
}

// Most texts need no escaping: they are written as they are, the rest through JsonString.
void PutJsonString(std::string_view text, LineBuffer& out) {
    const bool plain = std::all_of(text.begin(), text.end(), [](char c) {
        return c >= 0x20 && c < 0x7F && c != '"' && c != '\\';
    });
    if (plain) {
        out.Put('"');
        out.Put(text);
        out.Put('"');
    } else {
        out.Put(JsonString(text));
    }
}

void WriteJsonNode(const TreeView& tree, TreeView::Index node, LineBuffer& out) {
    out.Put("{\"index\":");
    out.Put(std::to_string(node));
    if (const auto tag = tree.Tag(node); !tag.empty()) {
        out.Put(",\"tag\":");
        PutJsonString(tag, out);
    }
    out.Put(",\"text\":");
    PutJsonString(tree.Text(node), out);
    if (const auto key = tree.Key(node); !key.empty()) {
        out.Put(",\"key\":");
        PutJsonString(key, out);
    }
    out.Put(",\"children\":[");
    for (auto child = tree.Child(node); child != 0; child = tree.Next(child)) {
        if (child != tree.Child(node)) {
            out.Put(',');
        }
        WriteJsonNode(tree, child, out);
    }
    out.Put("]}");
}

} // namespace

void WriteNodeText(std::string_view text, std::ostream& out) {
    out << EscapeText(text);
}

void WriteOutline(const TreeView& tree, std::ostream& out) {
    LineBuffer buffer(out);
    WriteOutlineBelow(tree, tree.Root(), 0, buffer);
    buffer.Flush();
}

void WriteJson(const TreeView& tree, std::ostream& out) {
    if (tree.Root() == 0) {
        out << "null\n";
        return;
    }
    LineBuffer buffer(out);
    WriteJsonNode(tree, tree.Root(), buffer);
    buffer.Put('\n');
    buffer.Flush();
}

std::string JsonString(std::string_view text) {
    return nlohmann::json(std::string(text))
        .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

} // namespace veltrano::cli
