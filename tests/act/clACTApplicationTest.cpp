#include "act/clACTApplication.h"

#include "RecordingApplication.h"
#include "ScriptedWindows.h"
#include "support/NullPlatform.h"

#include <gtest/gtest.h>

namespace veltrano::act {
namespace {

using testsupport::MessageCall;
using Messages = std::vector<MessageCall>;

// A message of the class: its head, the given text, the exclamation icon.
MessageCall Warning(const std::string& text) {
    return {"Fehler in Klasse ACTApplication" + text, forms::vbExclamation, ""};
}

class ACTApplicationTest : public ::testing::Test {
protected:
    ACTApplicationTest() {
        windows.windows = {{42, "ActStandInFrame", "ACT! - Sales"}};
        factory.object = [this](std::string_view) {
            ++created;
            return ole::DispatchPtr(fake.app);
        };
    }

    testsupport::RecordingApplication fake;
    testsupport::FakeObjectFactory factory;
    int created = 0;
    testsupport::ScriptedWindows windows;
    testsupport::ScriptedForms forms;
    clACTApplication application{factory, windows, forms};
};

// Every member connects the same way; these stand for the application's, the views' and those
// without a value.
TEST_F(ACTApplicationTest, WithoutTheApplicationMembersGiveTheirFailureValuesSilently) {
    windows.windows.clear(); // not running: no object is made
    EXPECT_EQ(application.AktuellerViewTyp(), -1);
    EXPECT_EQ(created, 0);

    windows.windows = {{42, "ActStandInFrame", "ACT! - Sales"}};
    factory.object = nullptr; // ACT! runs but its object cannot be made
    EXPECT_EQ(application.ACTDatenbank(), "");
    EXPECT_EQ(application.AktuelleFeldID(), 0);
    application.ExecuteMenuCommand(7);
    EXPECT_TRUE(fake.log.empty());
    EXPECT_TRUE(forms.Messages().empty());
}

// Each member reports in its own layout; a call ACT! rejected while busy is not reported.
TEST_F(ACTApplicationTest, FailuresAndRefusalsAreReportedInTheMembersLayouts) {
    fake.app->Fails("GetOpenDBName", ole::errors::kRpcCallRejected, "busy");
    EXPECT_EQ(application.ACTDatenbank(), "");
    fake.app->Fails("GetOpenDBName", 3420, "Object invalid");
    EXPECT_EQ(application.ACTDatenbank(), "");
    fake.app->Returns("CloseDB", std::int32_t{3});
    EXPECT_FALSE(application.CloseDatenbank());
    fake.app->Fails("Command", 5, "Invalid procedure call or argument");
    application.ExecuteMenuCommand(1234);
    fake.group->Returns("AddNew", false);
    EXPECT_FALSE(application.AddGroup("New"));
    EXPECT_EQ(fake.log.back(), "group.AddNew()"); // the name never goes into the current group
    fake.app->Fails("Views", ole::errors::kRpcCallRejected, "busy");
    EXPECT_EQ(application.AktuellerViewTyp(), -1);
    fake.app->Fails("Views", 438, "Object doesn't support this property or method");
    EXPECT_EQ(application.AktuelleKontaktID(), "");
    EXPECT_EQ(forms.Messages(),
              (Messages{Warning(" Eigenschaft ACTDatenbank\r\nFehlernummer: 3420\r\n"
                                "Fehlerbeschreibung: Object invalid"),
                        Warning(" - CloseDB\r\nACT!-Fehlernummer:3\r\nDie Datenbank konnte "
                                "nicht geschlossen werden."),
                        Warning(" - ExecuteMenuCommand\r\nFehlernummer: 5\r\n"
                                "Fehlerbeschreibung: Invalid procedure call or argument"),
                        Warning(" - setOBJViews\r\nFehlernummer:438\r\nObject doesn't "
                                "support this property or method")}));
    EXPECT_TRUE(fake.AllReleased());
}

TEST_F(ACTApplicationTest, CurrentIdsAndFieldValuesFollowTheViewType) {
    fake.active->Returns("Type", std::int32_t{3});
    fake.active->Returns("GetCurrentID", "G1");
    EXPECT_EQ(application.AktuelleGruppenID(), "G1");
    EXPECT_EQ(application.AktuelleKontaktID(), "");

    // A value for the group view while the contact view is active needs the group view made.
    fake.active->Returns("Type", std::int32_t{1});
    EXPECT_FALSE(application.setFeldwert(25, "Sales", 3, false));
    EXPECT_TRUE(application.setFeldwert(25, "Sales", 3, true));
    EXPECT_EQ(fake.log.back(), "group.setfield(25&,\"Sales\")");

    // A view type that is neither contact nor group is reported; the contact view is used.
    fake.active->Returns("getfield", "Acme");
    EXPECT_TRUE(application.setFeldwert(5, "x", 7, false));
    EXPECT_EQ(application.getFeldwert(5, 0, false), "Acme");
    EXPECT_EQ(fake.log.back(), "active.getfield(5&)");
    EXPECT_EQ(
        forms.Messages(),
        (Messages{Warning(" - setFeldwert\r\nFalscher ACTViewTyp (7). Es wird Kontakt benutzt."),
                  Warning(" - getFeldwert\r\nFalscher ACTViewTyp (0). Es wird avKontakt "
                          "benutzt.")}));

    // An unguarded call that fails still releases every object.
    fake.active->Fails("getfield", 20001, "disk I/O error");
    EXPECT_THROW(application.getFeldwert(1), ole::AutomationError);
    EXPECT_TRUE(fake.AllReleased());
}

TEST_F(ACTApplicationTest, UniqueIdsArePaddedToTwelveCharacters) {
    try {
        application.AddGroupMember("1234567890123");
        FAIL() << "a 13-character ID was accepted";
    } catch (const ole::AutomationError& error) {
        EXPECT_EQ(error.Number(), ole::errors::kInvalidProcedureCall);
    }
    EXPECT_TRUE(fake.log.empty());
    // Twelve characters go as they are: the stand-in's IDs in its run test.
    EXPECT_TRUE(application.gehezuKonatkt("ABC"));
    EXPECT_EQ(fake.log.back(), "contact.GoTo(\"ABC         \")");
}

// The IDs joined are checked on the stand-in's file.
TEST_F(ACTApplicationTest, SearchShowsItsProgress) {
    fake.contact->Returns("GetCount", std::int32_t{3});
    std::vector<std::string> status;
    application.getIDsAktuelleSuche([&](const std::string& s) { status.push_back(s); });
    EXPECT_EQ(status, (std::vector<std::string>{"Bestimme aktuelle ACT!-Suche (33.33)",
                                                "Bestimme aktuelle ACT!-Suche (66.67)",
                                                "Bestimme aktuelle ACT!-Suche (100.00)"}));
    EXPECT_EQ(FormatPercent(12.5), "12.50");
    EXPECT_EQ(FormatPercent(0.125), "0.13");
}

} // namespace
} // namespace veltrano::act
