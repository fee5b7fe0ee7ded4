// The tree's trigger property nodes after a save.

#include "edit/TriggerNodes.h"
#include "detail/NodeProperty.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using veltrano::controls::TreeView;
using veltrano::edit::SetTriggerProperty;
using Texts = std::vector<std::string>;

class TriggerNodesTest : public ::testing::Test {
protected:
    TriggerNodesTest() { field = tree.Add(0, TreeView::tvwLast, "Contact 25", "Company", "Feld"); }
    void Property(std::string_view text) {
        const auto node = tree.Add(field, TreeView::tvwChild, {}, text, "Eigenschaft");
        tree.SetTag(node, "Eigenschaft");
    }
    Texts Children() const {
        Texts texts;
        for (auto child = tree.Child(field); child != 0; child = tree.Next(child)) {
            texts.emplace_back(tree.Text(child));
        }
        return texts;
    }

    TreeView tree;
    TreeView::Index field = 0;
};

TEST_F(TriggerNodesTest, AnExistingNodeGetsTheSavedTextWholeEvenWithEqualsSigns) {
    Property("Type = String");
    Property("EntryTrigger = c:\\old.exe");
    SetTriggerProperty(tree, field, "EntryTrigger", "run a = b");
    EXPECT_EQ(Children(), (Texts{"Type = String", "EntryTrigger = run a = b"}));
    EXPECT_EQ(veltrano::detail::GetNodeProperty(tree, field, "EntryTrigger"), "run a = b");
}

TEST_F(TriggerNodesTest, AMissingNodeIsAddedAtItsPlaceInThePropertyOrder) {
    Property("Type = String");
    Property("EntryRule = No rules");
    Property("InitialValue = x");
    Property("IsBlockSync = False");
    SetTriggerProperty(tree, field, "ExitTrigger", "exit.exe");
    SetTriggerProperty(tree, field, "EntryTrigger", "entry.exe");
    EXPECT_EQ(Children(),
              (Texts{"Type = String", "EntryRule = No rules", "EntryTrigger = entry.exe",
                     "ExitTrigger = exit.exe", "InitialValue = x", "IsBlockSync = False"}));
    EXPECT_EQ(tree.Tag(tree.Next(tree.Next(tree.Child(field)))), "Eigenschaft");
}

TEST_F(TriggerNodesTest, AnEmptyValueAddsNoNodeAndEmptiesAnExistingOne) {
    Property("Type = String");
    SetTriggerProperty(tree, field, "EntryTrigger", "");
    EXPECT_EQ(Children(), (Texts{"Type = String"}));
    Property("ExitTrigger = old.exe");
    SetTriggerProperty(tree, field, "ExitTrigger", "");
    EXPECT_EQ(veltrano::detail::GetNodeProperty(tree, field, "ExitTrigger"), "");
}

} // namespace
