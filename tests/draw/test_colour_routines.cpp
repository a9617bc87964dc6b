// The public colour routines: values, checks, queries and conversions.
#include "draw/colour_test_support.h"

namespace zantor::test {
namespace {

class ColourRoutines : public ColourTest {};

TEST_F(ColourRoutines, ExplicitColoursAndTheirRangeCheck) {
  open();
  float r = 1.0f, g = 0.5f, b = 0.0f;
  setrgb_(&r, &g, &b);
  int32_t n = 0;
  getclr_(&n);
  EXPECT_EQ(n, 0x010080FF);
  EXPECT_EQ(rgbValue(1.002f, 0, 0), -1);
  EXPECT_EQ(rgbValue(1.0005f, 0, 0), 0x010000FF);
  EXPECT_EQ(rgbValue(-0.0005f, 0, 1), 0x01FF0000);
  r = 1.01f;
  auto out = printed([&] { setrgb_(&r, &g, &b); });
  EXPECT_TRUE(warned(out, 2, "SETRGB"));
  getclr_(&n);
  EXPECT_EQ(n, 0x010080FF);  // unchanged
  const int32_t bad = -5;
  out = printed([&] { setclr_(&bad); });
  EXPECT_TRUE(warned(out, 2, "SETCLR"));
  EXPECT_EQ(zanglb.ncolr, 0x010080FF);
  float xr = 0, xg = 0, xb = 0;
  getind_(&n, &xr, &xg, &xb);
  EXPECT_FLOAT_EQ(xg, 128.0f / 255.0f);
}

TEST_F(ColourRoutines, NamedColoursFollowTheTableAndDevice) {
  open("POST");
  call(color_, "BLAC");  // POST's default reversed grey table
  EXPECT_EQ(zanglb.ncolr, kBlack);
  table("RAIN");
  call(color_, "BLAC");
  EXPECT_EQ(zanglb.ncolr, kBlack);
  table("SMAL");
  call(color_, "BLAC");
  const int32_t black = zanglb.ncolr;
  call(color_, "WHIT");
  EXPECT_EQ(zanglb.ncolr, black);
  zanfin_();

  open("GKSL");
  call(color_, "oran");
  EXPECT_EQ(zanglb.ncolr, 0x010080FF);
  table("GREY");
  call(color_, "RED");
  EXPECT_EQ(zanglb.ncolr, 0x01E6E6E6);
  call(color_, "BLAC");
  EXPECT_EQ(zanglb.ncolr, kWhite);  // the foreground on the dark background
  call(color_, "GRAY");
  EXPECT_EQ(zanglb.ncolr, 0x01808080);
  call(color_, "FORE");
  EXPECT_EQ(zanglb.ncolr, 255);
  call(color_, "HALF");  // halfway between white (255) and black (0)
  EXPECT_EQ(zanglb.ncolr, 0x01808080);
  auto out = printed([] { call(color_, "PINK"); });
  EXPECT_TRUE(warned(out, 2, "COLOR"));
  EXPECT_NE(out[0].find("(PINK)"), std::string::npos) << out[0];
  EXPECT_EQ(zanglb.ncolr, 0x01808080);
}

TEST_F(ColourRoutines, NearestEntryKeepsTheLowerIndexOnTies) {
  open();
  float r[256], g[256], b[256];
  for (int i = 0; i < 256; ++i) r[i] = g[i] = b[i] = 1.0f;
  r[3] = 100 / 255.0f; g[3] = 0; b[3] = 0;
  r[7] = 0; g[7] = 100 / 255.0f; b[7] = 0;
  const int32_t n = 256;
  myvlt_(r, g, b, &n);
  float qr = 60 / 255.0f, qg = 60 / 255.0f, qb = 0;  // 100 from both 3 and 7
  EXPECT_EQ(indrgb_(&qr, &qg, &qb), 3);
  const int32_t nine = 9;
  float nr = qr, ng = qg, nb = 0;
  setind_(&nine, &nr, &ng, &nb);  // an exact match beats both
  EXPECT_EQ(indrgb_(&qr, &qg, &qb), 9);

  table("SMAL");  // only the 9 small-table entries are searched
  const int32_t rest = zanglb.ivlt[200];
  float er = ((rest >> 16) & 255) / 255.0f, eg = ((rest >> 8) & 255) / 255.0f,
        eb = (rest & 255) / 255.0f;
  EXPECT_LT(indrgb_(&er, &eg, &eb), 9);
  float over = 1.5f;
  int32_t k = 0;
  auto out = printed([&] { k = indrgb_(&over, &qg, &qb); });
  EXPECT_EQ(k, -1);
  EXPECT_TRUE(warned(out, 2, "INDRGB"));
}

TEST_F(ColourRoutines, UserTablesAndEntries) {
  open();
  float r[2] = {0.2f, 1.0f}, g[2] = {0.4f, 1.0f}, b[2] = {0.6f, 0.0f};
  int32_t n = 2;
  myvlt_(r, g, b, &n);
  EXPECT_EQ(zanglb.ivlt[0], 0x336699);
  table("TEMP");  // keeps the user table once, with TEMP's named colours
  EXPECT_EQ(zanglb.ivlt[0], 0x336699);
  EXPECT_EQ(zanglb.nclrtb, 8);
  table("TEMP");
  EXPECT_EQ(zanglb.ivlt[0], 0x000000);
  n = 0;
  auto out = printed([&] { myvlt_(r, g, b, &n); });
  EXPECT_TRUE(warned(out, 2, "MYVLT"));
  const int32_t idx = 256;
  float c = 0.5f;
  out = printed([&] { setind_(&idx, &c, &c, &c); });
  EXPECT_TRUE(warned(out, 2, "SETIND"));
  EXPECT_EQ(zanglb.ivlt[255], 0xFFFFFF);
}

TEST_F(ColourRoutines, HsvConversionsAtSectorBoundaries) {
  struct Case { float h, r, g, b; };
  const Case cases[] = {{0, 1, 0, 0},   {60, 1, 1, 0},  {120, 0, 1, 0}, {180, 0, 1, 1},
                        {240, 0, 0, 1}, {300, 1, 0, 1}, {360, 1, 0, 0}, {30, 1, 0.5f, 0}};
  for (const Case& c : cases) {
    const float s = 1, v = 1;
    float r = -1, g = -1, b = -1, h = -1, s2 = -1, v2 = -1;
    hsvrgb_(&c.h, &s, &v, &r, &g, &b);
    EXPECT_NEAR(r, c.r, 1e-6) << c.h;
    EXPECT_NEAR(g, c.g, 1e-6) << c.h;
    EXPECT_NEAR(b, c.b, 1e-6) << c.h;
    rgbhsv_(&r, &g, &b, &h, &s2, &v2);
    EXPECT_NEAR(h, c.h == 360 ? 0 : c.h, 1e-4);
    EXPECT_NEAR(s2, 1, 1e-6);
    EXPECT_NEAR(v2, 1, 1e-6);
  }
  // A half-saturated, darker colour survives the round trip.
  float h = 200, s = 0.5f, v = 0.6f, r, g, b, h2, s2, v2;
  hsvrgb_(&h, &s, &v, &r, &g, &b);
  rgbhsv_(&r, &g, &b, &h2, &s2, &v2);
  EXPECT_NEAR(h2, 200, 1e-3);
  EXPECT_NEAR(s2, 0.5, 1e-5);
  EXPECT_NEAR(v2, 0.6, 1e-5);
  // Greys have no hue.
  float grey = 0.4f;
  rgbhsv_(&grey, &grey, &grey, &h2, &s2, &v2);
  EXPECT_EQ(h2, 0);
  EXPECT_EQ(s2, 0);
  h = 361;
  r = -7;
  auto out = printed([&] { hsvrgb_(&h, &s, &v, &r, &g, &b); });
  EXPECT_TRUE(warned(out, 2, "HSVRGB"));
  EXPECT_EQ(r, -7);  // outputs untouched
}

TEST_F(ColourRoutines, CurveColourCycle) {
  open();
  for (int i = 0; i < 30; ++i) ASSERT_EQ(zanglb.nclrcr[i], zanglb.nrclrd[i % 8]) << i;
  EXPECT_EQ(zanglb.nclrcr[1], 0x010000FF);  // red
  const int32_t two = 2, five = 5;
  clrcyc_(&two, &five);
  table("GREY");  // the user's entry stays, the others follow the table
  EXPECT_EQ(zanglb.nclrcr[1], 5);
  EXPECT_EQ(zanglb.nclrcr[2], 0x01B9B9B9);
  const int32_t zero = 0, neg = -1;
  auto out = printed([&] {
    clrcyc_(&zero, &five);
    clrcyc_(&two, &neg);
  });
  EXPECT_TRUE(warned(out, 2, "CLRCYC"));
  EXPECT_EQ(out.size(), 2u);
  EXPECT_EQ(zanglb.nclrcr[1], 5);
}

}  // namespace
}  // namespace zantor::test
