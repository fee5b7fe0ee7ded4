#include "scan/StructureDiff.h"

#include "base/AsciiCase.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>
#include <utility>

namespace veltrano::scan {

namespace {

using controls::TreeView;
using Index = TreeView::Index;
using base::EqualsIgnoringAsciiCase;
using base::LowerAscii;

// The tags the scan gives the nodes whose identity is not their text.
constexpr std::string_view kPropertyTag = "Eigenschaft";
constexpr std::string_view kFieldTag = "Feld";
constexpr std::string_view kUserTag = "User";
constexpr std::string_view kPropertySeparator = " = ";
constexpr std::size_t kNone = static_cast<std::size_t>(-1);

// A property node's text is "label = value"; the labels never hold " = ", values may.
std::pair<std::string_view, std::string_view> SplitProperty(std::string_view text) {
    const auto separator = text.find(kPropertySeparator);
    if (separator == std::string_view::npos) {
        return {text, {}};
    }
    return {text.substr(0, separator), text.substr(separator + kPropertySeparator.size())};
}

// What a node stands for among its siblings.
struct Identity {
    std::string_view kind; // the node's tag
    std::string_view name;
    bool anyCase = false;

    bool operator==(const Identity& other) const {
        return kind == other.kind &&
               (anyCase ? EqualsIgnoringAsciiCase(name, other.name) : name == other.name);
    }
};

// Hashes the name in lower case, so that identities equal in any case hash alike.
struct IdentityHash {
    std::size_t operator()(const Identity& identity) const noexcept {
        std::uint64_t hash = 14695981039346656037ull;
        const auto add = [&hash](char c) {
            hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
        };
        std::for_each(identity.kind.begin(), identity.kind.end(), add);
        add('\0');
        for (const char c : identity.name) {
            add(LowerAscii(c));
        }
        return static_cast<std::size_t>(hash);
    }
};

Identity IdentityOf(const TreeView& tree, Index node) {
    const std::string_view tag = tree.Tag(node);
    if (tag == kPropertyTag) {
        return {tag, SplitProperty(tree.Text(node)).first};
    }
    if (tag == kFieldTag) {
        return {tag, tree.Key(node)}; // the table and the field ID
    }
    return {tag, tree.Text(node), tag == kUserTag};
}

// Drops blanks and folds ASCII case: the form in which ignored names are compared.
std::string NameForm(std::string_view name) {
    std::string form;
    for (const char c : name) {
        if (c != ' ') {
            form += LowerAscii(c);
        }
    }
    return form;
}

class Comparison {
public:
    Comparison(const TreeView& a, const TreeView& b, const DiffOptions& options,
               const std::function<void(const Difference&)>& report)
        : a_(a), b_(b), report_(report) {
        for (const auto& name : options.ignored) {
            ignored_.push_back(NameForm(name));
        }
    }

    std::size_t Run() {
        CompareChildren(a_.Root(), b_.Root());
        return count_;
    }

private:
    bool Ignored(std::string_view label) const {
        return !ignored_.empty() &&
               std::find(ignored_.begin(), ignored_.end(), NameForm(label)) != ignored_.end();
    }

    void Report(DiffOp op, std::string_view property = {}, std::string_view a = {},
                std::string_view b = {}) {
        ++count_;
        report_(Difference{op, path_, property, a, b});
    }

    // Two nodes that stand for the same thing.
    void Pair(Index na, Index nb) {
        if (a_.Tag(na) == kPropertyTag) {
            const auto [label, valueA] = SplitProperty(a_.Text(na));
            const auto valueB = SplitProperty(b_.Text(nb)).second;
            if (valueA != valueB && !Ignored(label)) {
                Report(DiffOp::Changed, label, valueA, valueB);
            }
            return;
        }
        path_.push_back(a_.Text(na));
        if (a_.Tag(na) == kFieldTag && a_.Text(na) != b_.Text(nb)) {
            Report(DiffOp::Renamed, {}, a_.Text(na), b_.Text(nb));
        }
        CompareChildren(na, nb);
        path_.pop_back();
    }

    // A node that only one side has. A property missing on one side has an empty value there.
    void OnlyIn(const TreeView& tree, Index node, DiffOp op) {
        if (tree.Tag(node) == kPropertyTag) {
            const auto [label, value] = SplitProperty(tree.Text(node));
            if (!Ignored(label)) {
                Report(DiffOp::Changed, label, op == DiffOp::Removed ? value : std::string_view{},
                       op == DiffOp::Added ? value : std::string_view{});
            }
            return;
        }
        path_.push_back(tree.Text(node));
        Report(op);
        path_.pop_back();
    }

    // A parent 0 (a tree without a database node) has no children.
    void CompareChildren(Index parentA, Index parentB) {
        const auto first = [](const TreeView& tree, Index parent) {
            return parent != 0 ? tree.Child(parent) : 0;
        };
        Index ca = first(a_, parentA);
        Index cb = first(b_, parentB);
        // Mostly the children agree one for one, in the same order: no index for them. Most
        // are properties of the same text, which need no closer look.
        for (; ca != 0 && cb != 0; ca = a_.Next(ca), cb = b_.Next(cb)) {
            const std::string_view tag = a_.Tag(ca);
            if (tag == kPropertyTag && b_.Tag(cb) == tag && a_.Text(ca) == b_.Text(cb)) {
                continue;
            }
            if (!(IdentityOf(a_, ca) == IdentityOf(b_, cb))) {
                break;
            }
            Pair(ca, cb);
        }
        if (ca != 0 || cb != 0) {
            MatchRest(ca, cb);
        }
    }

    // The siblings from firstA and firstB on, matched through an index of B's by identity and
    // reported in B's order, each unmatched A node before the first pair that follows it in A.
    void MatchRest(Index firstA, Index firstB) {
        std::vector<Index> restA;
        std::vector<Index> restB;
        for (Index n = firstA; n != 0; n = a_.Next(n)) {
            restA.push_back(n);
        }
        for (Index n = firstB; n != 0; n = b_.Next(n)) {
            restB.push_back(n);
        }
        // Per identity the first unmatched B node; nodes of one identity chained in order.
        std::unordered_map<Identity, std::size_t, IdentityHash> firstOf;
        firstOf.reserve(restB.size());
        std::vector<std::size_t> sameAfter(restB.size(), kNone);
        for (std::size_t j = restB.size(); j-- > 0;) {
            const auto [slot, added] = firstOf.try_emplace(IdentityOf(b_, restB[j]), j);
            if (!added) {
                sameAfter[j] = slot->second;
                slot->second = j;
            }
        }
        std::vector<std::size_t> partnerOfB(restB.size(), kNone);
        std::vector<bool> matchedA(restA.size(), false);
        for (std::size_t k = 0; k < restA.size(); ++k) {
            const auto slot = firstOf.find(IdentityOf(a_, restA[k]));
            if (slot != firstOf.end() && slot->second != kNone) {
                partnerOfB[slot->second] = k;
                matchedA[k] = true;
                slot->second = sameAfter[slot->second];
            }
        }
        // Between two matched nodes, A's unmatched ones come first, then B's, as in a diff.
        std::size_t nextA = 0;
        std::size_t nextB = 0;
        const auto unmatchedUpTo = [&](std::size_t endA, std::size_t endB) {
            for (; nextA < endA; ++nextA) {
                if (!matchedA[nextA]) {
                    OnlyIn(a_, restA[nextA], DiffOp::Removed);
                }
            }
            for (; nextB < endB; ++nextB) {
                if (partnerOfB[nextB] == kNone) {
                    OnlyIn(b_, restB[nextB], DiffOp::Added);
                }
            }
        };
        for (std::size_t j = 0; j < restB.size(); ++j) {
            const std::size_t k = partnerOfB[j];
            if (k != kNone) {
                // A pair whose A node came earlier in A (moved in B) leaves nextA as it is.
                unmatchedUpTo(std::max(nextA, k + 1), j + 1);
                Pair(restA[k], restB[j]);
            }
        }
        unmatchedUpTo(restA.size(), restB.size());
    }

    const TreeView& a_;
    const TreeView& b_;
    const std::function<void(const Difference&)>& report_;
    std::vector<std::string> ignored_;
    std::vector<std::string_view> path_;
    std::size_t count_ = 0;
};

} // namespace

std::size_t CompareStructures(const TreeView& a, const TreeView& b, const DiffOptions& options,
                              const std::function<void(const Difference&)>& report) {
    return Comparison(a, b, options, report).Run();
}

} // namespace veltrano::scan
