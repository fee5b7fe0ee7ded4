#include "scan/modKonstantenArrays.h"

#include <gtest/gtest.h>

namespace veltrano::scan {
namespace {

TEST(KonstantenArrays, CodesOutsideTheTablesShowTheirNumber) {
    InitKonstantenArrays();
    EXPECT_EQ(FeldTypName(0), "None");
    EXPECT_EQ(FeldTypName(15), "String URL");
    EXPECT_EQ(FeldTypName(16), "16");
    EXPECT_EQ(FeldTypName(-1), "-1");
    EXPECT_EQ(EingabeRegelName(0), "No rules");
    EXPECT_EQ(EingabeRegelName(4), "Unkown");
    EXPECT_EQ(EingabeRegelName(5), "5");
    EXPECT_EQ(EingabeRegelName(-32768), "-32768");
}

} // namespace
} // namespace veltrano::scan
