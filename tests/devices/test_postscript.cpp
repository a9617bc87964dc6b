// The PostScript and EPS writer: exact header lines, path batching and the
// drawing commands as they appear in the file.
#include <algorithm>
#include <clocale>

#include "devices/plot_file.h"
#include "devices/postscript/ps_fonts.h"
#include "devices/sink.h"
#include "devices/ps_support.h"

namespace zantor::test {
namespace {

class PostScript : public PostScriptTest {};

// Expected prolog, line by line as the file carries it.
const char* const kProlog[] = {
    "/cm {0.1417322835 mul} def /rgb {255 div} def /lc 1 string def",
    "/u  { /y exch cm def /x exch cm def newpath  x y moveto } def",
    "/d  { /y exch cm def /x exch cm def x y lineto } def",
    "/p  { stroke } def",
    "/e { /b exch rgb def /g exch rgb def",
    " /r exch rgb def /v exch cm def /w exch cm def /y exch cm def",
    " /x exch cm def gsave r g b setrgbcolor newpath x y moveto",
    " w y lineto w v lineto x v lineto closepath fill grestore } def",
    "/f { /b exch rgb def /g exch rgb def",
    " /r exch rgb def r g b setrgbcolor } def",
    "/clp {/v exch cm def /w exch cm def /y exch cm def",
    " /x exch cm def newpath x y moveto",
    " w y lineto w v lineto x v lineto closepath clip } def",
    "/text { /c1 exch def /a exch def /y exch cm def /x exch cm def",
    " /Name exch def gsave x y moveto x y translate a rotate c1 0 gt",
    " { Name stringwidth 2 div neg exch 2 div neg exch rmoveto }",
    " {} ifelse Name show grestore } def /font { /h exch def",
    " /s exch def s findfont h scalefont setfont } def",
    "/font2 { /h2 exch def /h1 exch def /s exch def s findfont",
    " [h2 0 0 h1 0 0] makefont setfont } def",
    "/c { /a exch def /y exch cm def /x exch cm def /i exch def",
    " gsave x y moveto x y translate a rotate lc 0 i put lc",
    " stringwidth 2 div neg exch 2 div neg exch rmoveto lc show",
    " grestore } def",
    "/sec { /b exch rgb def /g exch rgb def /r exch rgb def",
    " /a2 exch def /a exch def /r2 exch cm def /r1 exch cm def",
    " /y exch cm def /x exch cm def gsave r g b setrgbcolor newpath",
    " x y r1 a a2 arc x y r2 a2 a arcn closepath fill grestore } def",
    "/tri { /y3 exch cm def /x3 exch cm def /y2 exch cm def",
    " /x2 exch cm def /y1 exch cm def /x1 exch cm def",
    " gsave newpath x1 y1 moveto",
    " x2 y2 lineto x3 y3 lineto closepath fill grestore } def",
    "/Reencsmalldict 12 dict def",
    "/ReEncodeSmall",
    "{ Reencsmalldict begin",
    "  /NewCodesAndNames exch def",
    "  /NewFontName exch def",
    "  /BaseFontName exch def",
    "  /BaseFontDict",
    "  BaseFontName findfont def",
    "  /NewFont BaseFontDict",
    "  maxlength dict def",
    "  BaseFontDict",
    "  { exch dup /FID ne",
    "    { dup /Encoding eq",
    "      { exch dup length array copy",
    "        NewFont 3 1 roll put",
    "      }",
    "      { exch NewFont 3 1 roll put",
    "      } ifelse",
    "      }",
    "      {pop pop} ifelse",
    "    } forall",
    "    NewFont",
    "    /FontName NewFontName put",
    "    NewCodesAndNames aload pop",
    "    NewCodesAndNames",
    "    length 2 idiv",
    "    { NewFont /Encoding get",
    "    3 1 roll put  } repeat",
    "    NewFontName NewFont",
    "    definefont pop end } def",
    " /GermanVec [ 8#177 /Adieresis",
    " 8#200 /Odieresis 8#201 /Udieresis 8#202 /adieresis",
    " 8#203 /odieresis 8#204 /udieresis 8#205 /germandbls",
    " 8#206 /Aring     8#207 /Oslash    8#210 /AE",
    " 8#211 /aring     8#212 /oslash    8#213 /ae",
    " 8#214 /Ntilde    8#215 /ntilde    8#216 /Ccedilla",
    " 8#217 /ccedilla  8#220 /Edieresis 8#221 /Idieresis",
    " 8#222 /edieresis 8#223 /idieresis 8#224 /Aacute",
    " 8#225 /Eacute    8#226 /Iacute    8#227 /Oacute",
    " 8#230 /Uacute    8#231 /aacute    8#232 /eacute",
    " 8#233 /iacute    8#234 /oacute    8#235 /uacute",
    " 8#236 /Agrave    8#237 /Egrave    8#240 /Igrave",
    " 8#241 /Ograve    8#242 /Ugrave    8#243 /agrave",
    " 8#244 /egrave    8#245 /igrave    8#246 /ograve",
    " 8#247 /ugrave      8#250 /Acircumflex 8#251 /Ecircumflex",
    " 8#252 /Icircumflex 8#253 /Ocircumflex 8#254 /Ucircumflex",
    " 8#255 /acircumflex 8#256 /ecircumflex 8#257 /icircumflex",
    " 8#260 /ocircumflex 8#261 /ucircumflex 8#262 /Atilde",
    " 8#263 /atilde 8#264 /Otilde 8#265 /otilde 8#266 /Yacute",
    " 8#267 /yacute 8#270 /ydieresis",
    " 8#271 /exclamdown 8#272 /questiondown ] def",
};
constexpr std::size_t kPrologLines = sizeof kProlog / sizeof kProlog[0];

using Lines = std::vector<std::string>;

// The header from line 1 up to "%%BeginProlog" and from the prolog's end on.
Lines headLines(const Lines& l) { return Lines(l.begin(), l.begin() + 7); }
Lines afterProlog(const Lines& l, std::size_t prologStart, std::size_t n) {
  return Lines(l.begin() + static_cast<long>(prologStart + kPrologLines),
               l.begin() + static_cast<long>(prologStart + kPrologLines + n));
}

// Tokens between the previous "p" (or the body start) and each "p".
std::vector<Lines> pathGroups(const Lines& tokens) {
  std::vector<Lines> groups;
  Lines cur;
  for (const auto& t : tokens) {
    if (t == "p") {
      groups.push_back(cur);
      cur.clear();
    } else if (t == "u" || t == "d" || !cur.empty() || (!t.empty() && std::isdigit(t[0]))) {
      cur.push_back(t);
    }
  }
  return groups;
}

TEST_F(PostScript, HeaderOfEachDevice) {
  // POST on the default landscape page: the bounding box takes its width
  // from the page height, the page lies turned on the sheet.
  Lines post = lines(plot("POST"));
  EXPECT_EQ(headLines(post), (Lines{"%!PS-Adobe-2.0",
                                    "%%BoundingBox:       21      28     575     811",
                                    "%%Creator: ZANTOR 11.6 L",
                                    "%%CreationDate: 14.11.2023, 22:13:20",
                                    "%%Pages: (atend)", "%%EndComments", "%%BeginProlog"}));
  EXPECT_EQ(afterProlog(post, 7, 6),
            (Lines{"%%EndProlog", "%%Page: 1 1", "initgraphics",
                   "  150 cm   200 cm translate   1.000000  1.000000 scale", "erasepage",
                   "2 setlinecap 2 setlinejoin"}));
  ASSERT_GE(post.size(), 7 + kPrologLines);
  for (std::size_t i = 0; i < kPrologLines; ++i) EXPECT_EQ(post[7 + i], kProlog[i]) << i;

  // PSCL: the same, but a black page-sized rectangle instead of erasepage.
  Lines pscl = lines(plot("PSCL"));
  EXPECT_EQ(pscl[0], "%!PS-Adobe-2.0");
  EXPECT_EQ(afterProlog(pscl, 7, 6)[4], "    0     0  3900  5516 0 0 0 e");

  // PS: white paper by default, so no rectangle.
  Lines ps = lines(plot("PS"));
  EXPECT_EQ(headLines(ps), headLines(post));
  EXPECT_EQ(afterProlog(ps, 7, 6), afterProlog(post, 7, 6));

  // EPS: no page count, the page comment after the placement, no background.
  Lines eps = lines(plot("EPS"));
  EXPECT_EQ(headLines(eps)[0], "%!PS-Adobe-3.0 EPSF-3.0");
  EXPECT_EQ(eps[4], "%%EndComments");
  EXPECT_EQ(eps[5], "%%BeginProlog");
  EXPECT_EQ(afterProlog(eps, 6, 4),
            (Lines{"  150 cm   200 cm translate   1.000000  1.000000 scale", "%%EndProlog",
                   "%%Page: 1 1", "2 setlinecap 2 setlinejoin"}));
  for (const auto& l : eps) EXPECT_EQ(l.find("%%Pages"), std::string::npos) << l;
  // The plot's starting colour and width share the last line.
  EXPECT_EQ(eps.back(), "0 0 0 f 5.00 cm setlinewidth gsave showpage grestore ");
}

TEST_F(PostScript, BoundingBoxFollowsOrientationOriginAndScale) {
  // A portrait page is not turned: same sheet extent, "P" in the creator.
  Lines portrait = lines(plot("PS", {}, [] { call(setpag_, "DA4P"); }));
  EXPECT_EQ(portrait[1], "%%BoundingBox:       21      28     575     811");
  EXPECT_EQ(portrait[2], "%%Creator: ZANTOR 11.6 P");

  // A landscape page with page mode NONE stays landscape on the sheet: the
  // first extent now comes from the page width.
  Lines none = lines(plot("PS", {}, [] {
    call(setpag_, "DA4L");
    call(pagmod_, "NONE");
  }));
  EXPECT_EQ(none[1], "%%BoundingBox:       21      28     575     420");
  EXPECT_EQ(none[2], "%%Creator: ZANTOR 11.6 P");

  // Hardware origin (doubled) and hardware scale.
  call(pagmod_, "LAND");
  Lines placed = lines(plot("PS", {}, [] {
    const int32_t x = 100, y = 50;
    const float s = 0.5f;
    hworig_(&x, &y);
    hwscal_(&s);
  }));
  EXPECT_EQ(placed[1], "%%BoundingBox:       28      14     305     406");
  const auto scale = std::find_if(placed.begin(), placed.end(), [](const std::string& l) {
    return l.ends_with(" scale");
  });
  ASSERT_NE(scale, placed.end());
  EXPECT_EQ(*scale, "  200 cm   100 cm translate   0.500000  0.500000 scale");
}

TEST_F(PostScript, BackgroundFollowsScreenMode) {
  // EPS gets the rectangle only when the screen mode asks for erasing.
  Lines eps = lines(plot("EPS", {}, [] { call(scrmod_, "ERAS"); }));
  EXPECT_NE(std::find(eps.begin(), eps.end(), "    0     0  3900  5516 0 0 0 e"), eps.end());
  // A portrait page rectangle runs from the top left corner.
  Lines pscl = lines(plot("PSCL", {}, [] {
    call(scrmod_, "AUTO");
    call(setpag_, "DA4P");
  }));
  EXPECT_NE(std::find(pscl.begin(), pscl.end(), "    0  5516  3900     0 0 0 0 e"), pscl.end());
  // PSCL in reverse mode: the paper is erased, no rectangle.
  Lines rev = lines(plot("PSCL", {}, [] { call(scrmod_, "REVE"); }));
  EXPECT_NE(std::find(rev.begin(), rev.end(), "erasepage"), rev.end());
  for (const auto& l : rev) EXPECT_FALSE(l.ends_with(" e")) << l;
}

TEST_F(PostScript, LongPolylineIsWrittenInGroupsThatContinue) {
  Lines file = lines(plot("PS", [] {
    dev().move(100, 100);
    for (int i = 1; i < 250; ++i) dev().draw(100 + 10 * i, i % 2 ? 200 : 100);
    dev().flush();
  }));
  const auto groups = pathGroups(body(file));
  ASSERT_EQ(groups.size(), 3u);
  const std::size_t points[3] = {100, 100, 52};
  for (int k = 0; k < 3; ++k) {
    const Lines& g = groups[k];
    ASSERT_EQ(g.size(), 3 * points[k]) << k;
    EXPECT_EQ(g[2], "u");
    for (std::size_t i = 5; i < g.size(); i += 3) EXPECT_EQ(g[i], "d");
    if (k > 0) {  // starts where the previous group ended
      const Lines& prev = groups[k - 1];
      EXPECT_EQ(g[0], prev[prev.size() - 3]);
      EXPECT_EQ(g[1], prev[prev.size() - 2]);
    }
  }
  EXPECT_EQ(groups[0][0], "100");
  EXPECT_EQ(groups[2][groups[2].size() - 3], std::to_string(100 + 10 * 249));
}

TEST_F(PostScript, PathPointsAreRoundedAndRepeatsDropped) {
  Lines file = lines(plot("PS", [] {
    // A zero-length line is a visible 4-unit horizontal stroke.
    dev().move(1000, 500);
    dev().draw(1000.2, 499.6);
    dev().flush();
    // Repeated points vanish; halves round up, negatives truncate.
    dev().move(10.5, 20.4);
    dev().draw(30, 40);
    dev().draw(30.3, 39.8);
    dev().draw(-3.7, 50);
    // A draw after a flush continues from the last point.
    dev().flush();
    dev().draw(60, 70);
    dev().flush();
    // A move with nothing drawn writes nothing.
    dev().move(1, 1);
    dev().move(2, 2);
  }));
  const Lines t = body(file);
  const Lines want = {"998", "500", "u", "1002", "500", "d", "p",
                      "11",  "20",  "u", "30",   "40",  "d", "-3", "50", "d", "p",
                      "-3",  "50",  "u", "60",   "70",  "d", "p"};
  ASSERT_GE(t.size(), want.size());
  EXPECT_EQ(Lines(t.begin(), t.begin() + static_cast<long>(want.size())), want);
  EXPECT_EQ(t[want.size()], "gsave");  // trailer follows at once
}

TEST_F(PostScript, AttributesFillsAndClipping) {
  Lines file = lines(plot("PSCL", [] {
    dev().move(0, 0);
    dev().draw(10, 10);
    dev().colour({255, 0, 0}, 0x010000FF);  // flushes the path first
    dev().lineWidth(10);
    dev().lineCap(0);
    dev().lineJoin(0);
    dev().lineWidth(1);  // with sharp joins the miter limit follows
    dev().miterLimit(3.0);
    dev().fillRect(10, 20, 300, 400, {0, 128, 255});
    const double x[3] = {0, 100, 50}, y[3] = {0, 0, 80};
    dev().fillPolygon(x, y, 3);
    dev().clipRect(1, 2, 300, 400);
    dev().clipRect(5, 6, 7, 8);  // replaces the window
    dev().clipReset();
  }));
  const Lines want = {"0", "0", "u", "10", "10", "d", "p", "255", "0", "0", "f",
                      "20.00", "cm", "setlinewidth", "0", "setlinecap", "0", "setlinejoin",
                      "5.00", "cm", "setlinewidth", "8", "cm", "setmiterlimit",
                      "8", "cm", "setmiterlimit",
                      "10", "20", "300", "400", "0", "128", "255", "e",
                      "0", "0", "u", "100", "0", "d", "50", "80", "d", "eofill",
                      "1", "2", "300", "400", "clp", "initclip", "5", "6", "7", "8", "clp",
                      "initclip", "gsave"};
  const Lines t = body(file);
  ASSERT_GE(t.size(), want.size());
  EXPECT_EQ(Lines(t.begin(), t.begin() + static_cast<long>(want.size())), want);
}

TEST_F(PostScript, MiterLimitScalesWithTheWidth) {
  Lines file = lines(plot("PS", [] {
    dev().lineJoin(0);
    dev().lineWidth(10);
    dev().miterLimit(2.5);
  }));
  const Lines t = body(file);
  const Lines want = {"0", "setlinejoin", "20.00", "cm", "setlinewidth", "40", "cm",
                      "setmiterlimit", "50", "cm", "setmiterlimit"};
  ASSERT_GE(t.size(), want.size());
  EXPECT_EQ(Lines(t.begin(), t.begin() + static_cast<long>(want.size())), want);
}

TEST_F(PostScript, NewPageRestoresTheState) {
  Lines file = lines(plot("PSCL", [] {
    dev().colour({0, 255, 0}, 0x0100FF00);
    dev().lineCap(1);
    dev().lineWidth(4);
    dev().move(5, 5);
    dev().draw(9, 9);
    newpag_();
  }));
  const auto at = std::find_if(file.begin(), file.end(), [](const std::string& l) {
    return l.ends_with("copypage ");
  });
  ASSERT_NE(at, file.end());
  // The attributes and the path were written before the page ended.
  Lines tokens = body(file);
  const auto copy = std::find(tokens.begin(), tokens.end(), "copypage");
  ASSERT_NE(copy, tokens.end());
  ASSERT_GE(copy - tokens.begin(), 16);
  EXPECT_EQ(Lines(copy - 16, copy + 1),
            (Lines{"0", "255", "0", "f", "1", "setlinecap", "8.00", "cm", "setlinewidth", "5",
                   "5", "u", "9", "9", "d", "p", "copypage"}));
  const Lines want = {"5 5 u 9 9 d p copypage ", "%%Page: 1 2 ", "0 0 3902 5518 0 0 0 e ",
                      "1 setlinecap 2 setlinejoin 8 cm setlinewidth", "0 255 0 f gsave showpage grestore ",
                      "%%Trailer ", "%%Pages: 2 ", "%%EOF "};
  EXPECT_EQ(Lines(at, file.end()), want);

  // POST erases instead; EPS has a single page and writes nothing.
  Lines post = lines(plot("POST", [] { newpag_(); }));
  EXPECT_NE(std::find(post.begin(), post.end(), "erasepage "), post.end());
  EXPECT_EQ(post[post.size() - 2], "%%Pages: 2 ");
  Lines eps = lines(plot("EPS", [] { newpag_(); }));
  for (const auto& l : eps) {
    EXPECT_EQ(l.find("copypage"), std::string::npos);
    EXPECT_EQ(l.find("%%Page: 1 2"), std::string::npos);
  }
}

TEST_F(PostScript, SinglePageMode) {
  auto single = [] { call(psmode_, "SING"); };
  Lines eps = lines(plot("EPS", {}, single));
  EXPECT_EQ(Lines(eps.begin() + 4, eps.begin() + 7),
            (Lines{"%%EndComments", "%%Page: 1 1", "2 setlinecap 2 setlinejoin"}));
  EXPECT_TRUE(eps.back().ends_with(" showpage ")) << eps.back();
  Lines ps = lines(plot("PS", {}, single));
  for (const auto& l : ps) {
    EXPECT_EQ(l.find("%%Pages"), std::string::npos) << l;
    EXPECT_EQ(l.find("Prolog"), std::string::npos) << l;
    EXPECT_EQ(l.find("%%Trailer"), std::string::npos) << l;
  }
  EXPECT_TRUE(ps.back().ends_with(" showpage ")) << ps.back();
  EXPECT_EQ(ps.back().find("gsave"), std::string::npos);
  // Back to multi-page documents.
  Lines multi = lines(plot("PS", {}, [] { call(psmode_, "MULT"); }));
  EXPECT_EQ(multi.back(), "%%EOF ");
}

TEST_F(PostScript, PsmodeLevelsAndKeywords) {
  auto out = printed([] { call(psmode_, "GREE"); });  // a setting of the plot
  ASSERT_EQ(out.size(), 1u);
  EXPECT_NE(out[0].find("PSMODE"), std::string::npos);
  EXPECT_EQ(zanglb.ipsmod, 0);

  call(metafl_, "PS");
  zanini_();
  zanglb.iproto = 0;
  call(psmode_, "ital");
  EXPECT_EQ(zanglb.ipsmod, 2);
  out = printed([] { call(psmode_, "SING"); });  // only before zanini
  ASSERT_EQ(out.size(), 1u);
  EXPECT_EQ(zanglb.ipsold, 0);
  out = printed([] { call(psmode_, "XYZ"); });
  ASSERT_EQ(out.size(), 1u);
  EXPECT_EQ(zanglb.ipsmod, 2);
  zanfin_();
}

TEST_F(PostScript, UserHeaderLine) {
  Lines file = lines(plot("PS", {}, [] { call(psmeta_, "%%Title: Pressure\nmap   "); }));
  EXPECT_EQ(file[4], "%%Title: Pressure map");
  EXPECT_EQ(file[5], "%%Pages: (atend)");
  // Too late once the plot is open; a blank text removes the line.
  call(metafl_, "PS");
  zanini_();
  zanglb.iproto = 0;
  auto out = printed([] { call(psmeta_, "%%Title: late"); });
  EXPECT_EQ(out.size(), 1u);
  zanfin_();
  call(psmeta_, "  ");
  Lines plain = lines(plot("PS"));
  EXPECT_EQ(plain[4], "%%Pages: (atend)");
}

TEST_F(PostScript, FontNames) {
  EXPECT_TRUE(isStandardPostScriptFont("Palatino-BoldItalic"));
  EXPECT_FALSE(isStandardPostScriptFont("palatino-bolditalic"));
  call(metafl_, "PS");
  zanini_();
  zanglb.iproto = 0;
  EXPECT_TRUE(printed([] { call(psfont_, "Helvetica-Narrow-Bold"); }).empty());
  EXPECT_EQ(zanglb.cpsfnt.str(), "Helvetica-Narrow-Bold");
  auto out = printed([] { call(psfont_, "Frutiger  "); });
  EXPECT_EQ(out, Lines{" <<<< Warning: Frutiger is not a standard font!"});
  EXPECT_EQ(zanglb.cpsfnt.str(), "Frutiger");  // still used
  zanfin_();
}

TEST_F(PostScript, EveryLineFitsAndLocaleDoesNotMatter) {
  auto picture = [] {
    dev().lineWidth(7.25);
    for (int k = 0; k < 40; ++k) {
      dev().colour({static_cast<uint8_t>(k * 6), 10, 200}, k);
      dev().move(k * 100.25, 0);
      for (int i = 0; i < 130; ++i) dev().draw(k * 100 + i * 3.5, i * 41.75);
      dev().fillRect(k, k, 5000 - k, 3000 + k, {1, 2, 3});
    }
  };
  auto before = [] {
    const float s = 0.75f;
    hwscal_(&s);
  };
  const std::string ref = readFile(plot("PSCL", picture, before));
  for (const auto& l : splitLines(ref)) EXPECT_LE(l.size(), 80u) << l;

  const std::string old = std::setlocale(LC_NUMERIC, nullptr);
  if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) {
    GTEST_SKIP() << "locale de_DE.UTF-8 is not installed";
  }
  const std::string comma = readFile(plot("PSCL", picture, before));
  std::setlocale(LC_NUMERIC, old.c_str());
  EXPECT_EQ(comma, ref);
  EXPECT_NE(ref.find("0.750000"), std::string::npos);
}

TEST_F(PostScript, FullDiskIsReportedAtTheEnd) {
  call(metafl_, "PSCL");
  zanini_();
  zanglb.iproto = 0;
  // The disk fills up in the middle of the drawing.
  attachPlotSink(std::make_unique<FaultSink>(std::make_unique<MemorySink>(), 500));
  dev().move(0, 0);
  for (int i = 0; i < 1000; ++i) dev().draw(i, i % 7);
  newpag_();
  auto out = printed([] { zanfin_(); });
  ASSERT_FALSE(out.empty());
  EXPECT_EQ(out[0], " <<<< Warning  36: File error in ZANFIN!");
  EXPECT_EQ(zanglb.nlev, 0);
}

}  // namespace
}  // namespace zantor::test
