#include "app/WindowSettings.h"

#include <cctype>
#include <charconv>

namespace veltrano::app {

namespace {

constexpr std::string_view kGeometryKey = "geometry";
constexpr std::string_view kMaximizedKey = "maximized";
constexpr std::string_view kTreeWidthKey = "treewidth";
constexpr std::string_view kColumnsPrefix = "columns.";

// Far beyond any screen, small enough that sums of them cannot overflow.
constexpr int kMostCoordinate = 1'000'000;
constexpr int kMostColumnWidth = 100'000;
constexpr int kMostColumns = 64;

std::string Get(forms::FormsRuntime& forms, std::string_view key) {
    return forms.GetSetting(forms::kAppTitle, kWindowSection, key, {});
}

void Save(forms::FormsRuntime& forms, std::string_view key, std::string_view value) {
    forms.SaveSetting(forms::kAppTitle, kWindowSection, key, value);
}

std::string Join(const std::vector<int>& numbers) {
    std::string text;
    for (const int number : numbers) {
        if (!text.empty()) {
            text += ',';
        }
        text += std::to_string(number);
    }
    return text;
}

} // namespace

std::optional<std::vector<int>> ParseNumberList(std::string_view text, int least, int most) {
    std::vector<int> numbers;
    if (text.empty()) {
        return std::nullopt;
    }
    const char* at = text.data();
    const char* const end = text.data() + text.size();
    while (true) {
        int number = 0;
        const auto [next, error] = std::from_chars(at, end, number);
        if (error != std::errc{} || number < least || number > most) {
            return std::nullopt;
        }
        numbers.push_back(number);
        if (next == end) {
            return numbers;
        }
        if (*next != ',' || next + 1 == end) {
            return std::nullopt;
        }
        at = next + 1;
    }
}

std::optional<WindowGeometry> LoadWindowGeometry(forms::FormsRuntime& forms) {
    const auto numbers =
        ParseNumberList(Get(forms, kGeometryKey), -kMostCoordinate, kMostCoordinate);
    if (!numbers || numbers->size() != 4 || (*numbers)[2] <= 0 || (*numbers)[3] <= 0) {
        return std::nullopt;
    }
    return WindowGeometry{(*numbers)[0], (*numbers)[1], (*numbers)[2], (*numbers)[3],
                          Get(forms, kMaximizedKey) == "1"};
}

void SaveWindowGeometry(forms::FormsRuntime& forms, const WindowGeometry& geometry) {
    Save(forms, kGeometryKey, Join({geometry.left, geometry.top, geometry.width, geometry.height}));
    Save(forms, kMaximizedKey, geometry.maximized ? "1" : "0");
}

std::optional<int> LoadTreeWidth(forms::FormsRuntime& forms) {
    const auto numbers = ParseNumberList(Get(forms, kTreeWidthKey), 1, kMostCoordinate);
    if (!numbers || numbers->size() != 1) {
        return std::nullopt;
    }
    return numbers->front();
}

void SaveTreeWidth(forms::FormsRuntime& forms, int width) {
    Save(forms, kTreeWidthKey, std::to_string(width));
}

std::string ListLayoutName(const controls::ListView& list) {
    // The first header and the number of columns tell the layouts of the detail list apart.
    std::string name;
    if (list.ColumnCount() > 0) {
        for (const char c : list.ColumnHeader(1).text) {
            if (std::isalnum(static_cast<unsigned char>(c)) != 0) {
                name += c;
            }
        }
    }
    return name + std::to_string(list.ColumnCount());
}

std::optional<std::vector<int>> LoadColumnWidths(forms::FormsRuntime& forms,
                                                 std::string_view layout) {
    auto widths = ParseNumberList(Get(forms, std::string(kColumnsPrefix) + std::string(layout)), -1,
                                  kMostColumnWidth);
    if (widths && widths->size() > kMostColumns) {
        return std::nullopt;
    }
    return widths;
}

void SaveColumnWidths(forms::FormsRuntime& forms, std::string_view layout,
                      const std::vector<int>& widths) {
    Save(forms, std::string(kColumnsPrefix) + std::string(layout), Join(widths));
}

} // namespace veltrano::app
