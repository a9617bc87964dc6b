// The nine predefined colour tables.
#include <cstdlib>

#include "draw/colour_tables.h"
#include "draw/colour_test_support.h"

namespace zantor::test {
namespace {

class ColourTables : public ColourTest {};

int stepBetween(int32_t a, int32_t b) {
  return std::abs(((a >> 16) & 255) - ((b >> 16) & 255)) +
         std::abs(((a >> 8) & 255) - ((b >> 8) & 255)) + std::abs((a & 255) - (b & 255));
}

TEST_F(ColourTables, StoredScalesHitTheirSamplesAndChangeSmoothly) {
  open();
  struct Sample { int i; int32_t v; };
  table("RAIN");
  for (auto s : {Sample{0, 0x000000}, {1, 0x220044}, {2, 0x26004D}, {127, 0x00FF58},
                 {128, 0x00FF52}, {253, 0xFF0400}, {254, 0xFF0000}, {255, 0xFFFFFF}})
    EXPECT_EQ(entry(s.i), s.v) << "RAIN " << s.i;
  for (int i = 2; i <= 254; ++i) EXPECT_LE(stepBetween(entry(i - 1), entry(i)), 14) << i;
  table("SPEC");
  for (auto s : {Sample{0, 0x000000}, {1, 0xFF00FF}, {2, 0xFA00FF}, {127, 0x00FF82},
                 {128, 0x00FF7D}, {254, 0xFF0000}, {255, 0xFFFFFF}})
    EXPECT_EQ(entry(s.i), s.v) << "SPEC " << s.i;
  for (int i = 2; i <= 254; ++i) EXPECT_LE(stepBetween(entry(i - 1), entry(i)), 6) << i;
}

TEST_F(ColourTables, ComputedAndReversedTables) {
  open();
  table("GREY");
  EXPECT_EQ(entry(0), 0x000000);
  EXPECT_EQ(entry(100), 0x646464);
  table("RGRE");
  EXPECT_EQ(entry(0), 0xFFFFFF);
  EXPECT_EQ(entry(255), 0x000000);
  table("RAIN");
  int32_t rain[256];
  std::copy(zanglb.ivlt, zanglb.ivlt + 256, rain);
  table("RRAI");
  for (int i = 0; i < 256; ++i) ASSERT_EQ(entry(i), rain[255 - i]) << i;
  table("TEMP");
  EXPECT_EQ(entry(0), 0x000000);
  EXPECT_EQ(entry(120), 0xCC0000);  // (204, 0, 0)
  EXPECT_EQ(entry(149), 0xFD3700);  // red still rising, green since 120
  EXPECT_EQ(entry(150), 0xFF3900);  // red full from 150
  EXPECT_EQ(entry(255), 0xFFFFFF);
  EXPECT_EQ(zanglb.nclrtb, kTemperature);
}

TEST_F(ColourTables, SmallAndVgaSetOnlyTheirEntries) {
  open();
  const int32_t rainAt100 = entry(100);
  table("SMAL");
  const int32_t smal[9] = {0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF,
                           0xFFFF00, 0xFF8000, 0x00FFFF, 0xFF00FF};
  for (int i = 0; i < 9; ++i) EXPECT_EQ(entry(i), smal[i]) << i;
  EXPECT_EQ(entry(100), rainAt100);
  EXPECT_EQ(zanglb.ncmax, 9);
  EXPECT_EQ(zanglb.nfgclr, 1);
  table("VGA");
  EXPECT_EQ(entry(6), 0xAA5500);
  EXPECT_EQ(entry(15), 0xFFFFFF);
  EXPECT_EQ(zanglb.nfgclr, 15);
  EXPECT_EQ(zanglb.nce, 14);
}

TEST_F(ColourTables, WhitePaperDevicesExchangeBlackAndWhite) {
  open("POST");
  EXPECT_EQ(zanglb.nclrtb, kReverseGrey);  // POST's default table
  table("SMAL");
  EXPECT_EQ(entry(0), 0xFFFFFF);
  EXPECT_EQ(entry(1), 0x000000);
  table("VGA");
  EXPECT_EQ(entry(0), 0xFFFFFF);
  EXPECT_EQ(entry(15), 0x000000);
  zanfin_();
  open("CGM");  // CGM exchanges SMAL's entries but not VGA's
  table("SMAL");
  EXPECT_EQ(entry(0), 0xFFFFFF);
  table("VGA");
  EXPECT_EQ(entry(0), 0x000000);
}

}  // namespace
}  // namespace zantor::test
