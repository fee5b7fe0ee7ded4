#include "detail/NodeProperty.h"

namespace veltrano::detail {

namespace {
constexpr std::string_view kSeparator = " = ";
} // namespace

std::optional<PropertyText> SplitProperty(std::string_view text) {
    const auto at = text.find(kSeparator);
    if (at == std::string_view::npos) {
        return std::nullopt;
    }
    return PropertyText{text.substr(0, at), text.substr(at + kSeparator.size())};
}

std::string GetNodeProperty(const controls::TreeView& tree, controls::TreeView::Index node,
                            std::string_view label) {
    for (auto child = tree.Child(node); child != 0; child = tree.Next(child)) {
        const auto property = SplitProperty(tree.Text(child));
        if (property && property->label == label) {
            return std::string(property->value);
        }
    }
    return {};
}

std::string_view SecondWord(std::string_view text) {
    const auto first = text.find(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const auto rest = text.substr(first + 1);
    return rest.substr(0, rest.find(' '));
}

} // namespace veltrano::detail
