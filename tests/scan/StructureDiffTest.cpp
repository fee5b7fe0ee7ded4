// The comparison of two structure trees, on small trees built here. The trees the scan makes
// and the lines veltrano-cli diff writes: tests/cli.

#include "scan/StructureDiff.h"
#include "platform/controls/TreeView.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace veltrano::scan {
namespace {

using controls::TreeView;

// One node a line, two blanks deeper per level, below a database node: "@NAME" is a user,
// "LABEL = VALUE" a property; other nodes are known by their text, as tables and drop-down
// entries ("Item 0") are. Fields, known by their key: tests/cli.
TreeView Tree(const std::string& outline) {
    TreeView tree;
    std::vector<TreeView::Index> parents{tree.Add(0, TreeView::tvwLast, "", "Database")};
    std::istringstream lines(outline);
    for (std::string line; std::getline(lines, line);) {
        const std::size_t indent = line.find_first_not_of(' ');
        std::string text = line.substr(indent);
        std::string tag;
        if (text[0] == '@') {
            tag = "User";
            text.erase(0, 1);
        } else if (text.find(" = ") != std::string::npos) {
            tag = "Eigenschaft";
        }
        parents.resize(indent / 2 + 1);
        parents.push_back(tree.Add(parents.back(), TreeView::tvwChild, "", text));
        tree.SetTag(parents.back(), tag);
    }
    return tree;
}

// Moved nodes, entries by position, values only one side has, users in any case, and properties
// left out by names without blanks in any case.
TEST(StructureDiffTest, NodesAreMatchedByWhatTheyStandFor) {
    const TreeView a = Tree("T\n  Fields\n    Name\n    Fax\n    Phone\n  Field Count = 3\n"
                            "  Record Count = 0\n  Name = Contacts\n"
                            "List\n  Item 0\n    Value = A\n    Remark = first\n  Item 1\n"
                            "    Value = B\n@Chris\nUsers");
    const TreeView b = Tree("T\n  Fields\n    Phone\n    Name\n    Mobile 2\n    Pager\n"
                            "  Field Count = 4\n  Name = Customers\n"
                            "List\n  Item 0\n    Value = B\n  Item 1\n    Value = A\n"
                            "    Remark = 1 = 2\n  Item 2\n@CHRIS\nusers");
    std::string lines;
    const auto count =
        CompareStructures(a, b, {{"RecordCount", "field count"}}, [&lines](const Difference& d) {
            std::string path;
            for (const auto part : d.path) {
                path += (path.empty() ? "" : "/") + std::string(part);
            }
            lines += "-+~"[static_cast<int>(d.op)] + (" " + path);
            if (d.op == DiffOp::Changed) {
                lines += ": " + std::string(d.property) + " " + std::string(d.a) + " -> " +
                         std::string(d.b);
            }
            lines += '\n';
        });
    EXPECT_EQ(lines, "- T/Fields/Fax\n+ T/Fields/Mobile 2\n+ T/Fields/Pager\n"
                     "~ T: Name Contacts -> Customers\n"
                     "~ List/Item 0: Value A -> B\n~ List/Item 0: Remark first -> \n"
                     "~ List/Item 1: Value B -> A\n~ List/Item 1: Remark  -> 1 = 2\n"
                     "+ List/Item 2\n- Users\n+ users\n");
    EXPECT_EQ(count, 11u);
}

} // namespace
} // namespace veltrano::scan
