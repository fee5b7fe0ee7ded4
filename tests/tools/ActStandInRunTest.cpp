#include "StandInProcess.h"

#include "act/ActObjects.h"
#include "act/clACTApplication.h"
#include "platform/actole/AutomationError.h"
#include "platform/actole/standin/app/AppProtocol.h"
#include "platform/actole/standin/app/AppSocket.h"
#include "platform/actole/standin/app/LinuxObjectFactory.h"
#include "platform/forms/ScriptedForms.h"
#include "platform/win32/RegisteredWindows.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <sys/socket.h>

namespace veltrano {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using ole::standin::LinuxObjectFactory;
using testsupport::StandInProcess;

class ActStandInRunTest : public ::testing::Test {
protected:
    ActStandInRunTest() {
        fs::create_directory(runtime);
        fs::permissions(runtime, fs::perms::owner_all);
        testsupport::WriteRunDatabase(database, "Sales Team");
    }

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

    testsupport::TempFolder temp;
    const fs::path runtime = temp.Path() / "runtime";
    const fs::path folder = runtime / "act-standin";
    const fs::path database = temp.Path() / "sales.dbf";
    int started = 0;

    LinuxObjectFactory factory{folder, {.replyTimeout = 10s}};
    win32::RegisteredWindows windows{folder};
    forms::ScriptedForms forms;
    act::clACTApplication application{factory, windows, forms};
};

TEST_F(ActStandInRunTest, RunningUntilSigtermThenGoneWithoutTrace) {
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
    EXPECT_TRUE(forms.Messages().empty());
}

TEST_F(ActStandInRunTest, KilledStandInIsCleanedUpAndNoLongerCounts) {
    auto standIn = Start(database);
    EXPECT_EQ(standIn->Stop(SIGKILL), 128 + SIGKILL);
    EXPECT_EQ(FolderListing().size(), 3u); // entry and socket are left behind
    EXPECT_FALSE(application.ACTgestartet());
    EXPECT_EQ(application.ACTDatenbank(), "");
    EXPECT_EQ(FolderListing(), std::vector<std::string>{".lock"});
    try {
        factory.CreateObject("ACTOLE.APPOBJECT");
        FAIL() << "an application object without a running stand-in";
    } catch (const ole::AutomationError& error) {
        EXPECT_EQ(error.Number(), 429);
        EXPECT_EQ(error.Description(), "ActiveX component can't create object");
    }
}

TEST_F(ActStandInRunTest, TheLaterRegisteredStandInWins) {
    const fs::path other = temp.Path() / "other.dbf";
    testsupport::WriteRunDatabase(other, "Other");
    auto first = Start(database);
    auto second = Start(other);
    EXPECT_EQ(application.ACTDatenbank(), other.string());
    EXPECT_EQ(second->Stop(SIGINT), 0);
    EXPECT_EQ(application.ACTDatenbank(), database.string());
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
    std::vector<std::string> status;
    EXPECT_EQ(application.getIDsAktuelleSuche([&](const std::string& s) { status.push_back(s); }),
              "AcmeBoltCrane"); // field 1 is the company here
    EXPECT_EQ(status.back(), "Bestimme aktuelle ACT!-Suche (100.00)");

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

// ---- the protocol's bad inputs, over a raw connection ----

class RawClient {
public:
    explicit RawClient(const fs::path& socket) : fd_(ole::standin::ConnectUnixSocket(socket)) {}

    void Send(std::string_view bytes) {
        ole::standin::SendAll(fd_.get(), bytes, std::chrono::steady_clock::now() + 5s);
    }
    void EndSending() { ::shutdown(fd_.get(), SHUT_WR); }
    ole::standin::wire::Reply Receive() {
        return ole::standin::wire::DecodeReply(ole::standin::ReceiveFrame(
            fd_.get(), ole::standin::wire::kMaxPayload, std::chrono::steady_clock::now() + 5s));
    }
    // True when the server closed the connection.
    bool Closed() {
        char byte;
        return ::recv(fd_.get(), &byte, 1, 0) == 0;
    }

private:
    ole::standin::UniqueFd fd_;
};

ole::standin::wire::ErrorReply ErrorOf(const ole::standin::wire::Reply& reply) {
    const auto* error = std::get_if<ole::standin::wire::ErrorReply>(&reply);
    return error ? *error : ole::standin::wire::ErrorReply{0, "(a value)"};
}

std::string Frame(std::uint32_t length, std::string_view payload) {
    std::string frame;
    for (int shift = 24; shift >= 0; shift -= 8) {
        frame += static_cast<char>((length >> shift) & 0xFF);
    }
    return frame + std::string(payload);
}

TEST_F(ActStandInRunTest, BadRequestsGetErrorRepliesAndTheServerCarriesOn) {
    using namespace ole::standin::wire;
    auto standIn = Start(database);
    const auto socket = win32::WindowRegistry(folder).LiveEntries().back();
    const fs::path socketPath = folder / socket.socketName;

    {
        // A client that connects and says nothing, and one that stops mid-frame.
        RawClient silent(socketPath);
        RawClient stalled(socketPath);
        stalled.Send(Frame(100, "12345"));
        EXPECT_EQ(application.ACTDatenbank(), database.string());

        RawClient garbage(socketPath);
        garbage.Send("hello, this is not a frame");
        EXPECT_NE(ErrorOf(garbage.Receive()).description.find("at most 1048576"),
                  std::string::npos);
        EXPECT_TRUE(garbage.Closed());

        RawClient oversized(socketPath);
        oversized.Send(Frame(0xFFFFFFFF, ""));
        EXPECT_EQ(ErrorOf(oversized.Receive()).number, kBadRequest);

        RawClient truncated(socketPath);
        truncated.Send(Frame(50, "only ten.."));
        truncated.EndSending();
        EXPECT_NE(ErrorOf(truncated.Receive()).description.find("ends after 14 bytes"),
                  std::string::npos);

        // A whole frame with nonsense inside: answered, and the connection stays usable.
        RawClient client(socketPath);
        client.Send(Frame(6, "\x01garbl"));
        EXPECT_NE(ErrorOf(client.Receive()).description.find("Malformed request"),
                  std::string::npos);
        client.Send(Frame(3, std::string("\x07\x00\x00", 3)));
        EXPECT_NE(ErrorOf(client.Receive()).description.find("unknown protocol version 7"),
                  std::string::npos);
        client.Send(
            EncodeRequest({kApplicationObject, ole::InvokeKind::Method, "NoSuchMember", {}}));
        EXPECT_EQ(ErrorOf(client.Receive()).number, 438);
        client.Send(EncodeRequest({kApplicationObject, ole::InvokeKind::Method, "OpenDB", {}}));
        EXPECT_EQ(ErrorOf(client.Receive()).number, ole::errors::kDispBadParamCount);
        client.Send(EncodeRequest(
            {kApplicationObject, ole::InvokeKind::Method, "OpenDB", {std::int32_t{5}}}));
        EXPECT_EQ(ErrorOf(client.Receive()).number, ole::errors::kDispTypeMismatch);
        client.Send(EncodeRequest({12345, ole::InvokeKind::Method, "Type", {}}));
        EXPECT_EQ(ErrorOf(client.Receive()).number, kDisconnected);
        client.Send(
            EncodeRequest({kApplicationObject, ole::InvokeKind::Method, "GetOpenDBName", {}}));
        EXPECT_EQ(client.Receive(), Reply(Value(database.string())));
        EXPECT_TRUE(application.ACTgestartet());
    }
    EXPECT_EQ(standIn->Stop(SIGTERM), 0);
}

TEST_F(ActStandInRunTest, OnlyTheApplicationProgIdIsServed) {
    auto standIn = Start(database);
    EXPECT_NE(factory.CreateObject("actole.appobject"), nullptr);
    try {
        factory.CreateObject("Excel.Application");
        FAIL() << "an unknown ProgID was served";
    } catch (const ole::AutomationError& error) {
        EXPECT_EQ(error.Number(), 429);
    }
}

} // namespace
} // namespace veltrano
