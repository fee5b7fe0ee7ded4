#include "act/clACTApplication.h"

#include "act/SameFile.h"
#include "act/modACTHandle.h"
#include "platform/actole/AutomationError.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace veltrano::act {

namespace {

constexpr std::string_view kApplicationProgId = "ACTOLE.APPOBJECT";
constexpr std::string_view kClass = "ACTApplication";
constexpr std::string_view kCrLf = "\r\n";
constexpr std::size_t kUniqueIDLength = 12;
constexpr std::int16_t kGroupNameField = 25;
constexpr std::int16_t kUniqueIDField = 1;

std::string ErrorHead(std::string_view where) {
    return "Fehler in Klasse " + std::string(kClass) + std::string(where);
}

// An object result; an empty one, or a value that is no object, counts as none.
ole::DispatchPtr ObjectOf(const ole::Variant& value) {
    if (value.GetType() != ole::Variant::Type::Object ||
        value == ole::Variant(ole::DispatchPtr{})) {
        return nullptr;
    }
    return value.AsObject();
}

// A result tested as a condition: True, or a number other than 0.
bool IsTrue(const ole::Variant& value) {
    switch (value.GetType()) {
    case ole::Variant::Type::Boolean:
        return value.AsBool();
    case ole::Variant::Type::Integer:
    case ole::Variant::Type::Long:
        return value.AsLong() != 0;
    default:
        return false;
    }
}

} // namespace

std::string PadUniqueID(const std::string& uniqueId) {
    if (uniqueId.size() > kUniqueIDLength) {
        throw ole::AutomationError(ole::errors::kInvalidProcedureCall,
                                   "Invalid procedure call or argument");
    }
    return uniqueId + std::string(kUniqueIDLength - uniqueId.size(), ' ');
}

std::string FormatPercent(double percent) {
    const long long hundredths = std::llround(percent * 100.0);
    const long long whole = std::llabs(hundredths) / 100;
    const long long fraction = std::llabs(hundredths) % 100;
    return std::string(hundredths < 0 ? "-" : "") + std::to_string(whole) + "." +
           (fraction < 10 ? "0" : "") + std::to_string(fraction);
}

void clACTApplication::ShowError(const std::string& text) {
    forms_.MsgBox(text, forms::vbOKOnly | forms::vbExclamation);
}

// ---- connection and objects ----

bool clACTApplication::ConnectApplication() {
    if (ACTgestartet()) {
        try {
            ACTApp = objects_.CreateObject(kApplicationProgId);
        } catch (const ole::AutomationError&) {
            // Not reported: the member returns its failure value.
            ACTApp = nullptr;
        }
        if (ACTApp) {
            forms_.DoEvents();
        }
    }
    return ACTApp != nullptr;
}

bool clACTApplication::setOBJViews() {
    if (!ConnectApplication()) {
        return false;
    }
    try {
        ACTViews = ACTApp->GetByName("Views").AsObject();
    } catch (const ole::AutomationError& error) {
        ACTViews = nullptr;
        if (error.Number() != ole::errors::kRpcCallRejected) {
            ShowError(ErrorHead(" - setOBJViews") + std::string(kCrLf) + "Fehlernummer:" +
                      std::to_string(error.Number()) + std::string(kCrLf) + error.Description());
        }
    }
    return ACTViews != nullptr;
}

bool clACTApplication::setOBJActiveView() {
    if (setOBJViews()) {
        ACTActiveView = ObjectOf(ACTViews->CallByName("GetActive"));
    }
    return ACTActiveView != nullptr;
}

bool clACTApplication::setOBJContactView() {
    if (setOBJViews()) {
        ACTContactView =
            ObjectOf(ACTViews->CallByName("Create", {std::int16_t{avKontakt}, std::int16_t{2}}));
    }
    return ACTContactView != nullptr;
}

bool clACTApplication::setOBJGroupView() {
    if (setOBJViews()) {
        ACTGroupView =
            ObjectOf(ACTViews->CallByName("Create", {std::int16_t{avGruppe}, std::int16_t{2}}));
    }
    return ACTGroupView != nullptr;
}

void clACTApplication::ReleaseObjects() noexcept {
    ACTActiveView = nullptr;
    ACTContactView = nullptr;
    ACTGroupView = nullptr;
    ACTViews = nullptr;
    ACTApp = nullptr;
}

// ---- running application and open database ----

bool clACTApplication::ACTgestartet() {
    return modACTHandle::FindTopWindow(user32_, "act", "ACT!") != 0;
}

std::string clACTApplication::ACTDatenbank() {
    ReleaseOnExit release(*this);
    if (!ConnectApplication()) {
        return "";
    }
    try {
        return ACTApp->CallByName("GetOpenDBName").ToText();
    } catch (const ole::AutomationError& error) {
        if (error.Number() != ole::errors::kRpcCallRejected) {
            ShowError(ErrorHead(" Eigenschaft ACTDatenbank") + std::string(kCrLf) +
                      "Fehlernummer: " + std::to_string(error.Number()) + std::string(kCrLf) +
                      "Fehlerbeschreibung: " + error.Description());
        }
        return "";
    }
}

bool clACTApplication::HasDatabaseOpen(const std::string& path) {
    std::vector<std::string> open;
    if (auto all = objects_.RunningDatabases()) {
        open = std::move(*all);
    } else if (ACTgestartet()) {
        open.push_back(ACTDatenbank());
    }
    return std::any_of(open.begin(), open.end(),
                       [&path](const std::string& running) { return SameFile(running, path); });
}

// ---- active view ----

std::string clACTApplication::AktuelleGruppenID() {
    ReleaseOnExit release(*this);
    if (setOBJActiveView() && ACTActiveView->GetByName("Type").AsLong() == avGruppe) {
        return ACTActiveView->CallByName("GetCurrentID").ToText();
    }
    return "";
}

std::string clACTApplication::AktuelleKontaktID() {
    ReleaseOnExit release(*this);
    if (setOBJActiveView() && ACTActiveView->GetByName("Type").AsLong() == avKontakt) {
        return ACTActiveView->CallByName("GetCurrentID").ToText();
    }
    return "";
}

std::int32_t clACTApplication::AktuelleFeldID() {
    ReleaseOnExit release(*this);
    if (setOBJActiveView()) {
        return ACTActiveView->GetByName("CurrentFieldId").AsLong();
    }
    return 0;
}

std::string clACTApplication::getIDsAktuelleSuche(const StatusText& Status) {
    ReleaseOnExit release(*this);
    std::string ids;
    if (!setOBJContactView()) {
        return ids;
    }
    ACTContactView->CallByName("MoveFirst");
    const std::int32_t count = ACTContactView->CallByName("GetCount").AsLong();
    for (std::int32_t record = 1; record <= count; ++record) {
        forms_.DoEvents();
        ids += ACTContactView->CallByName("getfield", {kUniqueIDField}).ToText();
        forms_.DoEvents();
        ACTContactView->CallByName("MoveNext");
        if (Status) {
            Status("Bestimme aktuelle ACT!-Suche (" +
                   FormatPercent(static_cast<double>(record) / count * 100.0) + ")");
        }
    }
    return ids;
}

ole::DispatchPtr clACTApplication::ChooseFieldView(std::int32_t ACTView, bool ChangeView) {
    if (AktuellerViewTyp() == ACTView) {
        return setOBJActiveView() ? ACTActiveView : nullptr;
    }
    if (!ChangeView) {
        return nullptr;
    }
    if (ACTView == avKontakt) {
        return setOBJContactView() ? ACTContactView : nullptr;
    }
    return setOBJGroupView() ? ACTGroupView : nullptr;
}

bool clACTApplication::setFeldwert(std::int32_t FeldID, const std::string& Wert,
                                   std::int32_t ACTView, bool ChangeView) {
    if (ACTView != avKontakt && ACTView != avGruppe) {
        ShowError(ErrorHead(" - setFeldwert") + std::string(kCrLf) + "Falscher ACTViewTyp (" +
                  std::to_string(ACTView) + "). Es wird Kontakt benutzt.");
        return setFeldwert(FeldID, Wert, avKontakt, ChangeView);
    }
    ReleaseOnExit release(*this);
    const ole::DispatchPtr view = ChooseFieldView(ACTView, ChangeView);
    if (!view) {
        return false;
    }
    view->CallByName("setfield", {FeldID, Wert});
    return true;
}

std::string clACTApplication::getFeldwert(std::int32_t FeldID, std::int32_t ACTView,
                                          bool ChangeView) {
    if (ACTView != avKontakt && ACTView != avGruppe) {
        ShowError(ErrorHead(" - getFeldwert") + std::string(kCrLf) + "Falscher ACTViewTyp (" +
                  std::to_string(ACTView) + "). Es wird avKontakt benutzt.");
        return getFeldwert(FeldID, avKontakt, ChangeView);
    }
    ReleaseOnExit release(*this);
    const ole::DispatchPtr view = ChooseFieldView(ACTView, ChangeView);
    if (!view) {
        return "";
    }
    return view->CallByName("getfield", {FeldID}).ToText();
}

// ---- application ----

void clACTApplication::Zeigen() {
    ReleaseOnExit release(*this);
    if (ConnectApplication()) {
        ACTApp->CallByName("Show", {true});
    }
}

std::string clACTApplication::AktuelleBenutzerID() {
    ReleaseOnExit release(*this);
    return ConnectApplication() ? ACTApp->CallByName("GetUserId").ToText() : "";
}

std::string clACTApplication::AktuellerBenutzerName() {
    ReleaseOnExit release(*this);
    return ConnectApplication() ? ACTApp->CallByName("GetCurrentUserName").ToText() : "";
}

// ---- contacts ----

bool clACTApplication::bildeKontaktSuche(const std::string& UniqueIDs) {
    ReleaseOnExit release(*this);
    if (!setOBJContactView()) {
        return false;
    }
    ACTContactView->CallByName("LookupAll");
    ACTContactView->CallByName("CreateLookup", {UniqueIDs});
    return true;
}

bool clACTApplication::neuerKontakt() {
    ReleaseOnExit release(*this);
    if (!setOBJContactView()) {
        return false;
    }
    ACTContactView->CallByName("AddNewContact");
    return true;
}

bool clACTApplication::gehezuKonatkt(const std::string& UniqueID) {
    const std::string padded = PadUniqueID(UniqueID);
    ReleaseOnExit release(*this);
    if (!setOBJContactView()) {
        return false;
    }
    ACTContactView->CallByName("LookupAll");
    ACTContactView->CallByName("GoTo", {padded});
    return true;
}

bool clACTApplication::ordneKonatktzuGruppe(const std::string& UniqueID) {
    const std::string padded = PadUniqueID(UniqueID);
    ReleaseOnExit release(*this);
    if (!setOBJContactView()) {
        return false;
    }
    ACTContactView->CallByName("AddContactToGroup", {padded});
    return true;
}

// ---- groups ----

bool clACTApplication::GroupExist(const std::string& Gruppenname) {
    ReleaseOnExit release(*this);
    if (!setOBJGroupView()) {
        return false;
    }
    ACTGroupView->CallByName("LookupAll");
    ACTGroupView->CallByName("MoveFirst");
    const std::int32_t count = ACTGroupView->CallByName("GetCount").AsLong();
    for (std::int64_t read = 0; read <= count; ++read) {
        if (ACTGroupView->CallByName("getfield", {kGroupNameField}).ToText() == Gruppenname) {
            return true;
        }
        ACTGroupView->CallByName("MoveNext");
    }
    return false;
}

bool clACTApplication::ShowGroupByName(const std::string& Gruppenname, std::int32_t Lookup) {
    ReleaseOnExit release(*this);
    return setOBJGroupView() && IsTrue(ACTGroupView->CallByName(
                                    "LookupFieldEx", {kGroupNameField, Gruppenname, Lookup}));
}

bool clACTApplication::ShowGroupByUniqueID(const std::string& UniqueID, bool Lookupall_vorweg) {
    const std::string padded = PadUniqueID(UniqueID);
    ReleaseOnExit release(*this);
    if (!setOBJGroupView()) {
        return false;
    }
    if (Lookupall_vorweg) {
        ACTGroupView->CallByName("LookupAll");
    }
    return IsTrue(ACTGroupView->CallByName("GoTo", {padded}));
}

bool clACTApplication::DeleteCurrentGroup() {
    ReleaseOnExit release(*this);
    return setOBJGroupView() && IsTrue(ACTGroupView->CallByName("DeleteGroupFast"));
}

bool clACTApplication::AddGroup(const std::string& Gruppenname) {
    ReleaseOnExit release(*this);
    // The name goes only into a group that was really added, never into the current one.
    return setOBJGroupView() && IsTrue(ACTGroupView->CallByName("AddNew")) &&
           IsTrue(ACTGroupView->CallByName("setfield", {kGroupNameField, Gruppenname}));
}

bool clACTApplication::AddGroupMember(const std::string& UniqueID) {
    const std::string padded = PadUniqueID(UniqueID);
    ReleaseOnExit release(*this);
    return setOBJGroupView() && IsTrue(ACTGroupView->CallByName("AddMemberToGroup", {padded}));
}

bool clACTApplication::ShowGroupRegister(const std::string& Registername) {
    ReleaseOnExit release(*this);
    return setOBJGroupView() && IsTrue(ACTGroupView->CallByName("SetActiveTab", {Registername}));
}

// ---- version, views, database and menu ----

std::string clACTApplication::ACTVersion() {
    ReleaseOnExit release(*this);
    return ConnectApplication() ? ACTApp->CallByName("GetVersion", {std::int16_t{1}}).ToText() : "";
}

std::int32_t clACTApplication::AktuellerViewTyp() {
    ReleaseOnExit release(*this);
    return setOBJActiveView() ? ACTActiveView->GetByName("Type").AsLong() : -1;
}

void clACTApplication::AktuellerViewTyp(std::int32_t View) {
    ReleaseOnExit release(*this);
    if (setOBJViews()) {
        ACTViews->CallByName("Create", {View, ""});
    }
}

void clACTApplication::OpenDatenbank(const std::string& sDatenbank) {
    ReleaseOnExit release(*this);
    if (ConnectApplication()) {
        ACTApp->CallByName("OpenDB", {sDatenbank});
    }
}

bool clACTApplication::CloseDatenbank() {
    ReleaseOnExit release(*this);
    if (!ConnectApplication()) {
        return false;
    }
    const std::int32_t result = ACTApp->CallByName("CloseDB").AsLong();
    if (result != 0) {
        ShowError(ErrorHead(" - CloseDB") + std::string(kCrLf) +
                  "ACT!-Fehlernummer:" + std::to_string(result) + std::string(kCrLf) +
                  "Die Datenbank konnte nicht geschlossen werden.");
        return false;
    }
    return true;
}

void clACTApplication::ExecuteMenuCommand(std::int32_t CommandID) {
    ReleaseOnExit release(*this);
    if (!ConnectApplication()) {
        return;
    }
    try {
        ACTApp->CallByName("Command", {CommandID});
    } catch (const ole::AutomationError& error) {
        ShowError(ErrorHead(" - ExecuteMenuCommand") + std::string(kCrLf) +
                  "Fehlernummer: " + std::to_string(error.Number()) + std::string(kCrLf) +
                  "Fehlerbeschreibung: " + error.Description());
    }
}

} // namespace veltrano::act
