#include "cli/DiffOutput.h"

#include "cli/TreeOutput.h"

#include <ostream>

namespace veltrano::cli {

namespace {

using scan::DiffOp;

void WritePathText(const std::vector<std::string_view>& path, std::ostream& out) {
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (i > 0) {
            out << '/';
        }
        WriteNodeText(path[i], out);
    }
}

std::string_view OpName(DiffOp op) {
    switch (op) {
    case DiffOp::Removed:
        return "removed";
    case DiffOp::Added:
        return "added";
    case DiffOp::Changed:
        return "changed";
    case DiffOp::Renamed:
        return "renamed";
    }
    return "";
}

} // namespace

void WriteDifferenceText(const scan::Difference& difference, std::ostream& out) {
    switch (difference.op) {
    case DiffOp::Removed:
    case DiffOp::Added:
        out << (difference.op == DiffOp::Removed ? "- " : "+ ");
        WritePathText(difference.path, out);
        break;
    case DiffOp::Changed:
        out << "~ ";
        WritePathText(difference.path, out);
        out << ": ";
        WriteNodeText(difference.property, out);
        out << " = ";
        WriteNodeText(difference.a, out);
        out << " -> ";
        WriteNodeText(difference.b, out);
        break;
    case DiffOp::Renamed:
        out << "~ ";
        WritePathText(difference.path, out);
        out << ": renamed to ";
        WriteNodeText(difference.b, out);
        break;
    }
    out << '\n';
}

void WriteDifferenceJson(const scan::Difference& difference, std::ostream& out) {
    out << "{\"op\":\"" << OpName(difference.op) << "\",\"path\":[";
    for (std::size_t i = 0; i < difference.path.size(); ++i) {
        out << (i > 0 ? "," : "") << JsonString(difference.path[i]);
    }
    out << ']';
    if (difference.op == DiffOp::Changed) {
        out << ",\"property\":" << JsonString(difference.property);
    }
    if (difference.op == DiffOp::Changed || difference.op == DiffOp::Renamed) {
        out << ",\"a\":" << JsonString(difference.a) << ",\"b\":" << JsonString(difference.b);
    }
    out << "}\n";
}

} // namespace veltrano::cli
