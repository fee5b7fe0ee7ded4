#pragma once

// The running ACT! application: whether it runs, which database it has open, and its contacts,
// groups, views and menu commands. Every member connects afresh and releases every object
// before it returns.

#include "platform/actole/Dispatch.h"
#include "platform/forms/FormsRuntime.h"
#include "platform/win32/User32.h"

#include <cstdint>
#include <functional>
#include <string>

namespace veltrano::act {

// View type codes of the application's views.
inline constexpr std::int32_t avKontakt = 1;
inline constexpr std::int32_t avGruppe = 3;

// A unique ID as ACT! expects it: blanks on the right up to 12 characters. A longer ID raises
// AutomationError 5 (invalid argument).
std::string PadUniqueID(const std::string& uniqueId);

// The percentage as "0.00" formats it: two decimals, halves rounded away from zero.
std::string FormatPercent(double percent);

class clACTApplication {
public:
    // Receives the progress text of getIDsAktuelleSuche.
    using StatusText = std::function<void(const std::string&)>;

    clACTApplication(ole::ObjectFactory& objects, win32::User32& user32, forms::FormsRuntime& forms)
        : objects_(objects), user32_(user32), forms_(forms) {}
    clACTApplication(const clACTApplication&) = delete;
    clACTApplication& operator=(const clACTApplication&) = delete;

    bool ACTgestartet();
    std::string ACTDatenbank();
    // Whether any running ACT! has the database file open (see SameFile).
    bool HasDatabaseOpen(const std::string& path);
    std::string AktuelleGruppenID();
    std::string AktuelleKontaktID();
    std::int32_t AktuelleFeldID();
    std::string getIDsAktuelleSuche(const StatusText& Status = nullptr);
    bool setFeldwert(std::int32_t FeldID, const std::string& Wert, std::int32_t ACTView = avKontakt,
                     bool ChangeView = false);
    std::string getFeldwert(std::int32_t FeldID, std::int32_t ACTView = avKontakt,
                            bool ChangeView = false);
    void Zeigen();
    std::string AktuelleBenutzerID();
    std::string AktuellerBenutzerName();
    bool bildeKontaktSuche(const std::string& UniqueIDs);
    bool neuerKontakt();
    bool gehezuKonatkt(const std::string& UniqueID);
    bool ordneKonatktzuGruppe(const std::string& UniqueID);
    bool GroupExist(const std::string& Gruppenname);
    bool ShowGroupByName(const std::string& Gruppenname, std::int32_t Lookup);
    bool ShowGroupByUniqueID(const std::string& UniqueID, bool Lookupall_vorweg);
    bool DeleteCurrentGroup();
    bool AddGroup(const std::string& Gruppenname);
    bool AddGroupMember(const std::string& UniqueID);
    bool ShowGroupRegister(const std::string& Registername);
    std::string ACTVersion();
    // -1 when there is no active view.
    std::int32_t AktuellerViewTyp();
    void AktuellerViewTyp(std::int32_t View);
    void OpenDatenbank(const std::string& sDatenbank);
    bool CloseDatenbank();
    void ExecuteMenuCommand(std::int32_t CommandID);

private:
    // Empties all object fields when a public member leaves, by whatever way.
    class ReleaseOnExit {
    public:
        explicit ReleaseOnExit(clACTApplication& owner) : owner_(owner) {}
        ~ReleaseOnExit() { owner_.ReleaseObjects(); }
        ReleaseOnExit(const ReleaseOnExit&) = delete;
        ReleaseOnExit& operator=(const ReleaseOnExit&) = delete;

    private:
        clACTApplication& owner_;
    };

    bool ConnectApplication();
    bool setOBJViews();
    bool setOBJActiveView();
    bool setOBJContactView();
    bool setOBJGroupView();
    void ReleaseObjects() noexcept;

    // The view that setFeldwert and getFeldwert address, or null when none is to be used.
    ole::DispatchPtr ChooseFieldView(std::int32_t ACTView, bool ChangeView);
    void ShowError(const std::string& text);

    ole::ObjectFactory& objects_;
    win32::User32& user32_;
    forms::FormsRuntime& forms_;

    ole::DispatchPtr ACTApp;
    ole::DispatchPtr ACTActiveView;
    ole::DispatchPtr ACTViews;
    ole::DispatchPtr ACTContactView;
    ole::DispatchPtr ACTGroupView;
};

} // namespace veltrano::act
