// The tree's trigger property nodes after a save.

#include "edit/TriggerNodes.h"
#include "detail/NodeProperty.h"

#include <gtest/gtest.h>

namespace {

using veltrano::controls::TreeView;
using veltrano::edit::SetTriggerProperty;
using Texts = std::vector<std::string>;

Texts Children(const TreeView& tree, TreeView::Index parent) {
    Texts texts;
    for (auto child = tree.Child(parent); child != 0; child = tree.Next(child)) {
        texts.emplace_back(tree.Text(child));
    }
    return texts;
}

TEST(TriggerNodes, SavedTextsReplaceOrEmptyTheNodeOrJoinThePropertyOrderWhole) {
    TreeView tree;
    const auto field = tree.Add(0, TreeView::tvwLast, "Contact 25", "Company", "Feld");
    for (const char* text :
         {"Type = String", "EntryRule = No rules", "InitialValue = x", "IsBlockSync = False"}) {
        tree.SetTag(tree.Add(field, TreeView::tvwChild, {}, text, "Eigenschaft"), "Eigenschaft");
    }
    SetTriggerProperty(tree, field, "EntryTrigger", ""); // an empty value adds no node
    EXPECT_EQ(Children(tree, field).size(), 4u);
    SetTriggerProperty(tree, field, "ExitTrigger", "exit = 1");
    SetTriggerProperty(tree, field, "EntryTrigger", "entry.exe");
    SetTriggerProperty(tree, field, "EntryTrigger", "run a = b");
    EXPECT_EQ(Children(tree, field),
              (Texts{"Type = String", "EntryRule = No rules", "EntryTrigger = run a = b",
                     "ExitTrigger = exit = 1", "InitialValue = x", "IsBlockSync = False"}));
    EXPECT_EQ(tree.Tag(tree.Next(tree.Next(tree.Child(field)))), "Eigenschaft");
    EXPECT_EQ(veltrano::detail::GetNodeProperty(tree, field, "EntryTrigger"), "run a = b");
    SetTriggerProperty(tree, field, "ExitTrigger", ""); // empties an existing one
    EXPECT_EQ(veltrano::detail::GetNodeProperty(tree, field, "ExitTrigger"), "");
}

} // namespace
