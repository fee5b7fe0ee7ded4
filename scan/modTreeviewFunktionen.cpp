#include "scan/modTreeviewFunktionen.h"

#include "base/CurrentError.h"
#include "scan/modKonstantenArrays.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>

namespace veltrano::scan {

namespace {

constexpr std::string_view kCrLf = "\r\n";

std::string TrueFalse(bool value) {
    return value ? "True" : "False";
}

std::string FeldFehlerMeldung(const base::ErrorInfo& error, std::string_view fieldName,
                              std::int32_t id) {
    std::string text = "Fehler in Funktion FeldInTreeview";
    text.append(kCrLf).append("Fehlernummer: ").append(std::to_string(error.number));
    text.append(kCrLf).append("Fehlerbeschreibung: ").append(error.description);
    text.append(kCrLf).append("Feldname: ").append(fieldName);
    text.append(kCrLf).append("Feld ID:").append(std::to_string(id));
    return text;
}

std::string PopupFehlerMeldung(const base::ErrorInfo& error, std::string_view fieldText) {
    std::string text = "Error in Method AddPopupList";
    text.append(kCrLf).append("ndStart=\"").append(fieldText).append("\"");
    text.append(kCrLf).append(error.description);
    return text;
}

std::string ZuVieleEintraegeMeldung(std::string_view fieldText, std::string_view fieldKey,
                                    std::int16_t count) {
    std::string text = "PopupList have to much entries!";
    text.append(kCrLf).append("Field: ").append(fieldText);
    text.append(kCrLf).append("Key: ").append(fieldKey);
    text.append(kCrLf).append("Count: ").append(std::to_string(count));
    text.append(kCrLf).append("Only the first 100 will be read.");
    return text;
}

TreeView::Index AddTaggedChild(TreeView& tree, TreeView::Index parent, std::string_view key,
                               std::string_view text, std::string_view kind) {
    const TreeView::Index node = tree.Add(parent, TreeView::tvwChild, key, text, kind);
    tree.SetTag(node, kind);
    return node;
}

TreeView::Index AddPopupItem(TreeView& tree, TreeView::Index listNode, std::int16_t position) {
    return AddTaggedChild(tree, listNode, {}, "Item " + std::to_string(position), "PopupItem");
}

} // namespace

void EigenschaftInTreeview(TreeView& tree, TreeView::Index parent, std::string_view label,
                           std::string_view value) {
    if (value.empty()) {
        return;
    }
    // Most property texts are short: put together on the stack, they cost no allocation.
    constexpr std::string_view kEquals = " = ";
    const std::size_t size = label.size() + kEquals.size() + value.size();
    std::array<char, 256> buffer;
    std::string longText;
    char* out = buffer.data();
    if (size > buffer.size()) {
        longText.resize(size);
        out = longText.data();
    }
    std::copy(
        value.begin(), value.end(),
        std::copy(kEquals.begin(), kEquals.end(), std::copy(label.begin(), label.end(), out)));
    AddTaggedChild(tree, parent, {}, std::string_view(out, size), "Eigenschaft");
}

std::int32_t FeldInTreeview(TreeView& tree, TreeView::Index fieldsNode, act::Fields& fields,
                            std::int32_t id, forms::FormsRuntime& forms) {
    // ACT! addresses fields by 16-bit IDs; id holds the value Fields.FieldID gave.
    const auto fieldId = static_cast<std::int16_t>(id);
    const std::string_view tableName = tree.Text(tree.Parent(fieldsNode));
    const std::string number = std::to_string(id);
    std::string key;
    key.reserve(tableName.size() + 1 + number.size());
    key.append(tableName).append(" ").append(number);

    const std::string name = fields.Name(fieldId);
    const TreeView::Index field = AddTaggedChild(tree, fieldsNode, key, name, "Feld");

    EigenschaftInTreeview(tree, field, "Type", FeldTypName(fields.Type(fieldId)));
    EigenschaftInTreeview(tree, field, "Length", std::to_string(fields.Length(fieldId)));
    EigenschaftInTreeview(tree, field, "DecimalPlaces",
                          std::to_string(fields.DecimalPlaces(fieldId)));
    EigenschaftInTreeview(tree, field, "EntryRule", EingabeRegelName(fields.EntryRule(fieldId)));
    EigenschaftInTreeview(tree, field, "EntryTrigger", fields.EntryTrigger(fieldId));
    EigenschaftInTreeview(tree, field, "ExitTrigger", fields.ExitTrigger(fieldId));
    EigenschaftInTreeview(tree, field, "InitialValue", fields.InitialValue(fieldId));
    EigenschaftInTreeview(tree, field, "IsBlockSync", TrueFalse(fields.IsBlockSync(fieldId)));
    EigenschaftInTreeview(tree, field, "IsCutHistory", TrueFalse(fields.IsCutHistory(fieldId)));
    EigenschaftInTreeview(tree, field, "IsIndexed", TrueFalse(fields.IsIndexed(fieldId)));
    EigenschaftInTreeview(tree, field, "IsPrimary", TrueFalse(fields.IsPrimary(fieldId)));
    EigenschaftInTreeview(tree, field, "IsSortable", TrueFalse(fields.IsSortable(fieldId)));
    EigenschaftInTreeview(tree, field, "HasPopupList", TrueFalse(fields.HasPopupList(fieldId)));

    if (!fields.HasPopupList(fieldId)) {
        EigenschaftInTreeview(tree, field, "PopupCount", "-1");
        return 0;
    }

    std::optional<base::ErrorInfo> error;
    try {
        EigenschaftInTreeview(tree, field, "PopupCount",
                              fields.GetPopupList(fieldId, 0).PopupCountText());
    } catch (...) {
        error = base::CurrentError();
    }

    if (error) {
        forms.MsgBox(FeldFehlerMeldung(*error, fields.Name(fieldId), id), forms::vbExclamation);
        return 1 + AddPopupList(tree, field, act::PopupList{}, forms);
    }
    return AddPopupList(tree, field, fields.GetPopupList(fieldId, 0), forms);
}

std::int32_t AddPopupList(TreeView& tree, TreeView::Index fieldNode, act::PopupList list,
                          forms::FormsRuntime& forms) {
    TreeView::Index listNode = 0;
    std::optional<base::ErrorInfo> error;
    try {
        listNode = tree.Add(fieldNode, TreeView::tvwChild, {}, "PopupList", "PopupListe");
    } catch (...) {
        error = base::CurrentError();
    }
    if (error) {
        forms.MsgBox(PopupFehlerMeldung(*error, tree.Text(fieldNode)), forms::vbExclamation);
        return 1;
    }
    tree.SetTag(listNode, "PopupListe");

    if (!list) {
        const TreeView::Index item = AddPopupItem(tree, listNode, 0);
        EigenschaftInTreeview(tree, item, "Value", "Error");
        EigenschaftInTreeview(tree, item, "Remark", "Corrupt Popup");
        return 0;
    }

    std::int32_t reported = 0;
    std::int16_t count = list.Count();
    if (count > kPopupListMaxEntries) {
        ++reported;
        forms.MsgBox(
            ZuVieleEintraegeMeldung(tree.Text(fieldNode), tree.Key(fieldNode), list.Count()),
            forms::vbExclamation);
        count = kPopupListCutTo;
    }
    for (std::int16_t position = 0; position < count; ++position) {
        const TreeView::Index item = AddPopupItem(tree, listNode, position);
        EigenschaftInTreeview(tree, item, "Value", list.Value(position));
        EigenschaftInTreeview(tree, item, "Remark", list.Remark(position));
    }
    return reported;
}

} // namespace veltrano::scan
