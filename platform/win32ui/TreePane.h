#pragma once

// The structure tree tvACT as a common-controls TreeView. Items are inserted lazily: the
// children of a node only once it is expanded or one of them must be shown, so a million nodes
// cost nothing until they are opened. Texts and child buttons come from the model by callback.
// A selection the user makes (mouse, keyboard) goes to the model and asks for one node click
// after the control's own handling; a selection the model sets does not.

#include "platform/controls/ImageList.h"
#include "platform/controls/TreeView.h"

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <vector>

namespace veltrano::win32ui {

class TreePane final : private controls::TreeView::Listener {
public:
    // clickMessage is posted to the parent when a node click is due.
    TreePane(HWND parent, int id, controls::TreeView& tree, UINT clickMessage);
    ~TreePane() override;
    TreePane(const TreePane&) = delete;
    TreePane& operator=(const TreePane&) = delete;

    HWND Handle() const noexcept { return window_; }
    // The tree is about to be enabled or disabled; the focus has not moved yet. The busy switch
    // disables the tree first and enables it first.
    std::function<void(bool enabled)> EnabledAboutToChange;
    // The pictures of ilTVIcons, in the order of its keys.
    void SetImages(HIMAGELIST images, const controls::ImageList& keys);
    // WM_NOTIFY from the tree; true when handled (result set).
    bool OnNotify(const NMHDR& header, LRESULT& result);
    // The posted click arrived: true when the form's node click is to run now.
    bool TakeClick() noexcept;

private:
    using Index = controls::TreeView::Index;

    void TreeAboutToClear() override;
    void NodeAdded(Index node) override;
    void NodeChanged(Index node) override;
    void SelectionChanged(Index node) override;
    void ExpandedChanged(Index node, bool expanded) override;
    void ScrollToRequested(Index node) override;
    void EnabledChanged(bool enabled) override;

    bool Populated(Index node) const;
    HTREEITEM Item(Index node) const;
    // The node's item, inserting the children of its ancestors as needed.
    HTREEITEM Reveal(Index node);
    void Populate(Index node);
    HTREEITEM Insert(Index node);
    int ImageOf(Index node) const;
    void RequestClick();
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR self);

    controls::TreeView& tree_;
    const controls::ImageList* imageKeys_ = nullptr;
    HWND window_;
    UINT clickMessage_;
    std::vector<HTREEITEM> items_; // by node index; null while not inserted
    std::vector<char> populated_;  // by node index: its children are inserted
    bool following_ = false;       // the control is taking over the model's own change
    bool mouseSelected_ = false;   // this press already changed the selection
    bool clickPending_ = false;
};

} // namespace veltrano::win32ui
