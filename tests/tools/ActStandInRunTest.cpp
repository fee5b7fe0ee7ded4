#include "StandInProcess.h"

#include "act/ActObjects.h"
#include "act/clACTApplication.h"
#include "platform/actole/AutomationError.h"
#include "platform/actole/standin/application/AppProtocol.h"
#include "platform/actole/standin/application/AppSocket.h"
#include "platform/actole/standin/application/LinuxObjectFactory.h"
#include "platform/win32/linux/RegisteredWindows.h"
#include "support/ScriptedForms.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <sys/socket.h>

namespace veltrano {
namespace {

namespace fs = std::filesystem;
namespace wire = ole::standin::wire;
using namespace std::chrono_literals;
using ::testing::HasSubstr;
using ::testing::StartsWith;
using testsupport::StandInProcess;

class ActStandInRunTest : public ::testing::Test {
protected:
    ActStandInRunTest() { testsupport::WriteRunDatabase(database, "Sales Team"); }

    std::unique_ptr<StandInProcess> Start(const fs::path& file) {
        auto logs = temp.Path() / ("logs" + std::to_string(++started));
        fs::create_directory(logs);
        auto process = std::make_unique<StandInProcess>(runtime, file, logs);
        EXPECT_TRUE(process->WaitRegistered()) << process->Stderr();
        return process;
    }
    std::vector<std::string> FolderListing() const {
        std::vector<std::string> names;
        for (const auto& item : fs::directory_iterator(folder)) {
            names.push_back(item.path().filename().string());
        }
        return names;
    }
    // "number description" of the error creating the object raises, "" when it succeeds.
    std::string CreationError(std::string_view progId) {
        try {
            return factory.CreateObject(progId) ? "" : "(no object)";
        } catch (const ole::AutomationError& error) {
            return std::to_string(error.Number()) + " " + error.Description();
        }
    }

    testsupport::TempFolder temp;
    testsupport::TempFolder runtimeFolder;
    const fs::path runtime = runtimeFolder.Path();
    const fs::path folder = runtime / "act-standin";
    const fs::path database = temp.Path() / "sales.dbf";
    int started = 0;

    ole::standin::LinuxObjectFactory factory{folder, {.replyTimeout = 10s}};
    win32::RegisteredWindows windows{folder};
    testsupport::ScriptedForms forms;
    act::clACTApplication application{factory, windows, forms};
};

TEST_F(ActStandInRunTest, RunsUntilStoppedAndLeavesNoTraceEvenWhenKilled) {
    EXPECT_FALSE(application.ACTgestartet());
    auto standIn = Start(database);
    EXPECT_TRUE(application.ACTgestartet());
    EXPECT_EQ(application.ACTDatenbank(), database.string());
    // Database.Open("") opens the file the running stand-in has open.
    act::Database db(factory.CreateDatabase());
    db.Open("");
    EXPECT_TRUE(db.IsOpen());
    EXPECT_EQ(db.FilePath(), database.string());
    db.Close();
    EXPECT_EQ(standIn->Stop(SIGTERM), 0);
    EXPECT_FALSE(application.ACTgestartet());
    EXPECT_EQ(application.ACTDatenbank(), "");
    EXPECT_EQ(FolderListing(), std::vector<std::string>{".lock"});

    standIn = Start(database);
    EXPECT_EQ(standIn->Stop(SIGKILL), 128 + SIGKILL);
    EXPECT_EQ(FolderListing().size(), 3u); // entry and socket are left behind
    EXPECT_FALSE(application.ACTgestartet());
    EXPECT_EQ(application.ACTDatenbank(), "");
    EXPECT_EQ(FolderListing(), std::vector<std::string>{".lock"});
    EXPECT_EQ(CreationError("ACTOLE.APPOBJECT"), "429 ActiveX component can't create object");
    EXPECT_TRUE(forms.Messages().empty());
}

TEST_F(ActStandInRunTest, TheLaterRegisteredStandInWinsAndServesOnlyTheApplication) {
    const fs::path other = temp.Path() / "other.dbf";
    testsupport::WriteRunDatabase(other, "Other");
    auto first = Start(database);
    auto second = Start(other);
    EXPECT_EQ(application.ACTDatenbank(), other.string());
    EXPECT_EQ(CreationError("actole.appobject"), "");
    EXPECT_EQ(CreationError("Excel.Application").substr(0, 4), "429 ");
    EXPECT_EQ(second->Stop(SIGINT), 0);
    EXPECT_EQ(application.ACTDatenbank(), database.string());
    EXPECT_EQ(first->Stop(SIGTERM), 0);
}

TEST_F(ActStandInRunTest, EveryRunningStandInsFileIsKnownByItsIdentity) {
    const fs::path other = temp.Path() / "other.dbf";
    testsupport::WriteRunDatabase(other, "Other");
    auto first = Start(database);
    auto second = Start(other);
    fs::create_directory_symlink(temp.Path(), temp.Path() / "linked");
    fs::create_symlink(database, temp.Path() / "symlink.dbf");
    fs::create_hard_link(other, temp.Path() / "hardlink.dbf");
    fs::copy_file(database, temp.Path() / "copy.dbf");
    const std::pair<fs::path, bool> cases[] = {{database, true},
                                               {temp.Path() / "linked" / "sales.dbf", true},
                                               {temp.Path() / "symlink.dbf", true},
                                               {temp.Path() / "hardlink.dbf", true},
                                               {temp.Path() / "copy.dbf", false},
                                               {temp.Path() / "missing.dbf", false}};
    for (const auto& [path, open] : cases) {
        EXPECT_EQ(application.HasDatabaseOpen(path.string()), open) << path;
    }
    EXPECT_EQ(second->Stop(SIGTERM), 0);
    EXPECT_FALSE(application.HasDatabaseOpen((temp.Path() / "hardlink.dbf").string()));
    EXPECT_EQ(first->Stop(SIGTERM), 0);
}

TEST_F(ActStandInRunTest, RefusesAFileThatIsNoDatabase) {
    const fs::path junk = temp.Path() / "junk.dbf";
    std::ofstream(junk) << "not a database";
    StandInProcess standIn(runtime, junk, temp.Path());
    EXPECT_EQ(standIn.Wait(), 1);
    EXPECT_NE(standIn.Stderr().find("is not a stand-in ACT! database"), std::string::npos)
        << standIn.Stderr();
    EXPECT_FALSE(application.ACTgestartet());
}

TEST_F(ActStandInRunTest, ContactAndGroupViewsWorkOnTheFile) {
    auto standIn = Start(database);
    EXPECT_EQ(application.AktuellerViewTyp(), 1);
    EXPECT_EQ(application.AktuelleKontaktID(), "C00000000001");
    EXPECT_EQ(application.AktuellerBenutzerName(), "Chris");
    EXPECT_EQ(application.AktuelleBenutzerID(), "U00000000001");
    EXPECT_FALSE(application.ACTVersion().empty());

    EXPECT_TRUE(application.setFeldwert(2, "555-9"));
    EXPECT_EQ(application.getFeldwert(2), "555-9");
    EXPECT_EQ(application.AktuelleFeldID(), 2);
    EXPECT_EQ(application.getIDsAktuelleSuche(), "AcmeBoltCrane"); // field 1 is the company

    EXPECT_TRUE(application.GroupExist("Staff"));
    EXPECT_FALSE(application.GroupExist("Support"));
    EXPECT_TRUE(application.AddGroup("Support"));
    EXPECT_TRUE(application.GroupExist("Support"));
    EXPECT_EQ(application.AktuellerViewTyp(), 3);
    EXPECT_TRUE(application.ShowGroupByUniqueID("G00000000002", true));
    EXPECT_EQ(application.AktuelleGruppenID(), "G00000000002"); // its view became active
    EXPECT_TRUE(application.ShowGroupByName("sta", 0));         // begins with, any letter case
    EXPECT_FALSE(application.ShowGroupByName("nobody", 0));
    EXPECT_TRUE(application.ShowGroupRegister("Notes"));

    act::Database db(factory.CreateDatabase());
    db.Open(database.string());
    EXPECT_EQ(db.GroupTable().RecordCount(), 3);
    db.Close();

    EXPECT_TRUE(application.CloseDatenbank());
    EXPECT_EQ(application.ACTDatenbank(), "");
    EXPECT_TRUE(application.ACTgestartet()); // ACT! runs on without a database
    EXPECT_EQ(application.AktuellerViewTyp(), -1);
    application.OpenDatenbank(database.string());
    EXPECT_EQ(application.ACTDatenbank(), database.string());
    EXPECT_TRUE(forms.Messages().empty());
    EXPECT_EQ(standIn->Stop(SIGTERM), 0);
}

// A raw connection to the stand-in's socket, for the protocol's bad inputs.
class RawClient {
public:
    explicit RawClient(const fs::path& socket) : fd_(ole::standin::ConnectUnixSocket(socket)) {}

    void Send(std::string_view bytes) {
        ole::standin::SendAll(fd_.get(), bytes, std::chrono::steady_clock::now() + 5s);
    }
    void EndSending() { ::shutdown(fd_.get(), SHUT_WR); }
    wire::Reply Receive() {
        return wire::DecodeReply(ole::standin::ReceiveFrame(fd_.get(), wire::kMaxPayload,
                                                            std::chrono::steady_clock::now() + 5s));
    }
    // The error reply as "number: description".
    std::string Error() {
        const auto reply = Receive();
        const auto* error = std::get_if<wire::ErrorReply>(&reply);
        return error ? std::to_string(error->number) + ": " + error->description : "(a value)";
    }
    bool Closed() {
        char byte;
        return ::recv(fd_.get(), &byte, 1, 0) == 0;
    }

private:
    ole::standin::UniqueFd fd_;
};

std::string Frame(std::uint32_t length, std::string_view payload) {
    std::string frame;
    for (int shift = 24; shift >= 0; shift -= 8) {
        frame += static_cast<char>((length >> shift) & 0xFF);
    }
    return frame + std::string(payload);
}

std::string Call(std::uint32_t object, std::string member, std::vector<wire::Value> args = {}) {
    return wire::EncodeRequest({object, ole::InvokeKind::Method, std::move(member), args});
}

TEST_F(ActStandInRunTest, BadRequestsGetErrorRepliesAndTheServerCarriesOn) {
    auto standIn = Start(database);
    const fs::path socket = folder / win32::WindowRegistry(folder).LiveEntries().back().socketName;
    {
        // A client that connects and says nothing, and one that stops mid-frame.
        RawClient silent(socket);
        RawClient stalled(socket);
        stalled.Send(Frame(100, "12345"));
        EXPECT_EQ(application.ACTDatenbank(), database.string());

        RawClient garbage(socket);
        garbage.Send("hello, this is not a frame");
        EXPECT_THAT(garbage.Error(), HasSubstr("at most 1048576"));
        EXPECT_TRUE(garbage.Closed());
        RawClient oversized(socket);
        oversized.Send(Frame(0xFFFFFFFF, ""));
        EXPECT_THAT(oversized.Error(), StartsWith(std::to_string(wire::kBadRequest) + ":"));
        RawClient truncated(socket);
        truncated.Send(Frame(50, "only ten.."));
        truncated.EndSending();
        EXPECT_THAT(truncated.Error(), HasSubstr("ends after 14 bytes"));

        // Whole frames with nonsense inside: answered, and the connection stays usable.
        const auto app = wire::kApplicationObject;
        const std::pair<std::string, std::string> answers[] = {
            {Frame(6, "\x01garbl"), "Malformed request"},
            {Frame(3, std::string("\x07\x00\x00", 3)), "unknown protocol version 7"},
            {Call(app, "NoSuchMember"), "438:"},
            {Call(app, "OpenDB"), std::to_string(ole::errors::kDispBadParamCount) + ":"},
            {Call(app, "OpenDB", {std::int32_t{5}}),
             std::to_string(ole::errors::kDispTypeMismatch) + ":"},
            {Call(12345, "Type"), std::to_string(wire::kDisconnected) + ":"}};
        RawClient client(socket);
        for (const auto& [request, answer] : answers) {
            client.Send(request);
            EXPECT_THAT(client.Error(), HasSubstr(answer));
        }
        client.Send(Call(app, "GetOpenDBName"));
        EXPECT_EQ(client.Receive(), wire::Reply(wire::Value(database.string())));
        EXPECT_TRUE(application.ACTgestartet());
    }
    EXPECT_EQ(standIn->Stop(SIGTERM), 0);
}

} // namespace
} // namespace veltrano
