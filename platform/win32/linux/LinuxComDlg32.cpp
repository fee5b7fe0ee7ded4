#include "platform/win32/linux/LinuxComDlg32.h"

#include <algorithm>
#include <string_view>

namespace veltrano::win32 {

namespace {

// The text of a NUL-terminated field; the whole field when it holds no NUL.
std::string TextOf(std::string_view field) {
    return std::string(field.substr(0, field.find('\0')));
}

// "Desc", NUL, "*.x", NUL, ..., NUL: the list ends at an empty description.
std::vector<std::pair<std::string, std::string>> FilterPairs(std::string_view block) {
    std::vector<std::pair<std::string, std::string>> pairs;
    std::size_t pos = 0;
    auto next = [&]() -> std::string_view {
        const std::size_t end = std::min(block.find('\0', pos), block.size());
        const std::string_view part = block.substr(pos, end - pos);
        pos = end + 1;
        return part;
    };
    while (pos < block.size()) {
        const std::string_view description = next();
        if (description.empty() || pos > block.size()) {
            break; // the closing NUL, or a description without a pattern
        }
        const std::string_view pattern = next();
        if (!pattern.empty()) {
            pairs.emplace_back(description, pattern);
        }
    }
    return pairs;
}

// lpstrDefExt is an extension without the dot; callers also write "*.dbf" or ".dbf".
std::string DefaultExtensionOf(std::string_view defExt) {
    std::string ext = TextOf(defExt);
    const std::size_t start = ext.find_first_not_of("*.");
    return start == std::string::npos ? std::string{} : ext.substr(start);
}

std::string_view NameOf(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string_view FolderOf(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string_view::npos) {
        return {};
    }
    return path.substr(0, slash == 0 ? 1 : slash);
}

// Offset of the extension in a single answer: after the last dot of the name, the terminating
// NUL without a dot, 0 when the name ends with a dot.
std::uint16_t ExtensionOffset(std::string_view path) {
    const std::size_t nameStart = path.size() - NameOf(path).size();
    const std::size_t dot = path.rfind('.');
    if (dot == std::string_view::npos || dot < nameStart) {
        return static_cast<std::uint16_t>(path.size());
    }
    return dot + 1 == path.size() ? 0 : static_cast<std::uint16_t>(dot + 1);
}

void Fill(std::string& buffer, std::uint32_t size, std::string_view text) {
    buffer.assign(text);
    buffer.resize(std::max<std::size_t>(size, text.size()), '\0');
}

} // namespace

forms::FileDialogRequest RequestOf(const OPENFILENAME& ofn, bool open) {
    forms::FileDialogRequest request;
    request.open = open;
    request.title = TextOf(ofn.lpstrTitle);
    request.initialDir = TextOf(ofn.lpstrInitialDir);
    request.initialName = TextOf(ofn.lpstrFile);
    request.defaultExt = DefaultExtensionOf(ofn.lpstrDefExt);
    request.filters = FilterPairs(ofn.lpstrFilter);
    request.filterIndex = static_cast<int>(ofn.nFilterIndex);
    request.fileMustExist = (ofn.Flags & OFN_FILEMUSTEXIST) != 0;
    request.multiSelect = (ofn.Flags & OFN_ALLOWMULTISELECT) != 0;
    return request;
}

bool WriteAnswer(OPENFILENAME& ofn, const std::vector<std::string>& paths) {
    if (paths.empty()) {
        return false;
    }
    std::string text;
    std::uint16_t fileOffset = 0;
    std::uint16_t extensionOffset = 0;
    if (paths.size() == 1) {
        const std::string& path = paths.front();
        text = path + '\0';
        fileOffset = static_cast<std::uint16_t>(path.size() - NameOf(path).size());
        extensionOffset = ExtensionOffset(path);
    } else {
        const bool explorer = (ofn.Flags & OFN_EXPLORER) != 0;
        const char separator = explorer ? '\0' : ' ';
        const std::string_view folder = FolderOf(paths.front());
        text = folder;
        fileOffset = static_cast<std::uint16_t>(folder.size() + 1);
        for (const std::string& path : paths) {
            // A file outside the first one's folder keeps its whole path.
            text += separator;
            text += FolderOf(path) == folder ? NameOf(path) : std::string_view(path);
        }
        text += explorer ? std::string(2, '\0') : std::string(1, '\0');
    }
    if (text.size() > ofn.nMaxFile) {
        return false;
    }
    Fill(ofn.lpstrFile, ofn.nMaxFile, text);
    ofn.nFileOffset = fileOffset;
    ofn.nFileExtension = extensionOffset;
    if (ofn.nMaxFileTitle > 0) {
        const std::string_view name = NameOf(paths.front());
        Fill(ofn.lpstrFileTitle, ofn.nMaxFileTitle, name.substr(0, ofn.nMaxFileTitle - 1));
    }
    return true;
}

std::int32_t LinuxComDlg32::Run(OPENFILENAME& ofn, bool open) {
    const forms::FileDialogAnswer answer = forms_.ShowFileDialog(RequestOf(ofn, open));
    if (!answer) {
        return 0;
    }
    return WriteAnswer(ofn, *answer) ? 1 : 0;
}

} // namespace veltrano::win32
