#include "StandInTestSupport.h"

#include "platform/actole/standin/Sqlite.h"

#include <sqlite3.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace veltrano::ole::standin::test {

TempDir::TempDir() {
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const auto candidate =
            fs::temp_directory_path() / ("veltrano-actole-" + std::to_string(random()));
        if (fs::create_directory(candidate)) {
            path_ = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

TempDir::~TempDir() {
    std::error_code ignored;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(path_, ignored);
}

std::vector<std::string> TempDir::Listing() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(path_)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string ReadBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const fs::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
}

void WriteSmallDatabase(const fs::path& file, const std::vector<UserDefinition>& users) {
    StandInDatabaseWriter db(file, "Small");
    db.SetTableName(TableAccessor::Contact, "Contacts");
    db.AddField(TableAccessor::Contact,
                {.id = 1, .name = "Company", .entryTrigger = R"(c:\act\a.exe)"});
    db.AddField(TableAccessor::Contact, {.id = 2, .name = "Phone", .type = 14});
    db.AddField(TableAccessor::Group, {.id = 25, .name = "Group Name"});
    for (const UserDefinition& user : users) {
        db.AddUser(user);
    }
    db.Commit();
}

void ExecuteSql(const fs::path& file, const std::string& sql) {
    Connection connection = Connection::Open(file.string(), SQLITE_OPEN_READWRITE);
    connection.Execute(sql.c_str());
}

act::Database NewDatabase(std::string runningDatabase, std::chrono::milliseconds busyTimeout) {
    return act::Database(CreateStandInDatabase([path = std::move(runningDatabase)] { return path; },
                                               StandInOptions{busyTimeout}));
}

} // namespace veltrano::ole::standin::test
