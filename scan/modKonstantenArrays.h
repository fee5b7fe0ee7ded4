#pragma once

// The two name tables that turn ACT!'s field type and entry rule codes into words.

#include <array>
#include <cstdint>
#include <string>

namespace veltrano::scan {

using FeldTypenTabelle = std::array<std::string, 16>;
using EingabeRegelnTabelle = std::array<std::string, 5>;

// Fills FeldTypen and EingabeRegeln; start-up calls it before the main window shows.
// Further calls change nothing.
void InitKonstantenArrays();

// The filled tables, read-only. Reading them before start-up filled them fills them first,
// so a lookup never yields an empty name.
const FeldTypenTabelle& FeldTypen();
const EingabeRegelnTabelle& EingabeRegeln();

// The name of a code; a code outside the table gives the code in decimal, so that an unknown
// code shows up in the tree instead of stopping the scan.
std::string FeldTypName(std::int16_t code);
std::string EingabeRegelName(std::int16_t code);

} // namespace veltrano::scan
