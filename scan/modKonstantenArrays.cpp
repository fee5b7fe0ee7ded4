#include "scan/modKonstantenArrays.h"

#include <mutex>

namespace veltrano::scan {

namespace {

struct NameTables {
    FeldTypenTabelle feldTypen;
    EingabeRegelnTabelle eingabeRegeln;
};

// Writable only through InitKonstantenArrays; everyone else gets const references.
NameTables& Storage() {
    static NameTables tables;
    return tables;
}

std::once_flag& FilledOnce() {
    static std::once_flag flag;
    return flag;
}

void Fill(NameTables& tables) {
    tables.feldTypen = {"None",
                        "String",
                        "String Uppercase",
                        "String Lowercase",
                        "String Initial Capital",
                        "Numeric",
                        "Numeric Currency",
                        "TimeStamp",
                        "Date",
                        "Time",
                        "DateTime",
                        "Blob",
                        "Binary",
                        "UniqueID",
                        "Phone",
                        "String URL"};
    tables.eingabeRegeln = {"No rules", "Data is required", "Only drop-down list", "Protected",
                            "Unkown"};
}

template <std::size_t N>
std::string Lookup(const std::array<std::string, N>& table, std::int16_t code) {
    if (code >= 0 && static_cast<std::size_t>(code) < N) {
        return table[static_cast<std::size_t>(code)];
    }
    return std::to_string(code);
}

} // namespace

void InitKonstantenArrays() {
    std::call_once(FilledOnce(), [] { Fill(Storage()); });
}

const FeldTypenTabelle& FeldTypen() {
    InitKonstantenArrays();
    return Storage().feldTypen;
}

const EingabeRegelnTabelle& EingabeRegeln() {
    InitKonstantenArrays();
    return Storage().eingabeRegeln;
}

std::string FeldTypName(std::int16_t code) {
    return Lookup(FeldTypen(), code);
}

std::string EingabeRegelName(std::int16_t code) {
    return Lookup(EingabeRegeln(), code);
}

} // namespace veltrano::scan
