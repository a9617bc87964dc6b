#include "devices/postscript/ps_header.h"

#include <cmath>
#include <string>

#include "core/clock.h"
#include "core/format.h"
#include "core/state.h"
#include "devices/plot_file.h"
#include "devices/postscript/ps_format.h"

namespace zantor {

const std::array<std::string_view, 83> kPostScriptProlog = {
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

namespace {

constexpr double kPointsPerUnit = 0.14173229;  // 72 / 508: points per 1/20 mm

double libraryVersion() {
  return ZANTOR_VERSION_MAJOR + ZANTOR_VERSION_MINOR / 10.0;
}

// Header text of psmeta, with control characters blanked so that it stays
// one comment line.
std::string userHeaderLine() {
  std::string s = zanglb.cpsinf.str();
  for (char& ch : s)
    if (static_cast<unsigned char>(ch) < 32 || ch == 127) ch = ' ';
  return s;
}

}  // namespace

bool postScriptLandscape() {
  return zanglb.nxres > zanglb.nyres && zanglb.ipgmod != 2;
}

void writePostScriptHeader(int code, Rgb background) {
  const Zanglb& g = zanglb;
  const bool eps = code == 503;
  const bool landscape = postScriptLandscape();
  const bool multi = g.ipsold == 0;

  writePlotLine(eps ? "%!PS-Adobe-3.0 EPSF-3.0" : "%!PS-Adobe-2.0");

  // Bounding box in points: the page at device scale, shifted by the origin.
  const double ox = g.ihwori == 1 ? 2.0 * g.nhwxor : 150.0;
  const double oy = g.ihwori == 1 ? 2.0 * g.nhwyor : 200.0;
  const double w = landscape ? g.nyres : g.nxres;
  const double h = landscape ? g.nxres : g.nyres;
  const double scale = static_cast<double>(g.xscf) * g.xhwscl;
  auto trunc = [](double v) { return static_cast<int64_t>(std::trunc(v)); };
  writePlotLine("%%BoundingBox: " + ps::fieldI(trunc(ox * kPointsPerUnit), 8) +
                ps::fieldI(trunc(oy * kPointsPerUnit), 8) +
                ps::fieldI(trunc((w * scale + ox) * kPointsPerUnit + 1.0), 8) +
                ps::fieldI(trunc((h * scale + oy) * kPointsPerUnit + 1.0), 8));

  writePlotLine("%%Creator: ZANTOR " + fmtF(libraryVersion(), 4, 1) + (landscape ? " L" : " P"));
  const DateTime t = now();
  writePlotLine("%%CreationDate: " + dateDMY(t) + ", " + timeHMS(t));
  if (g.ipsinf == 1) writePlotLine(userHeaderLine());
  if (!eps && multi) writePlotLine("%%Pages: (atend)");
  writePlotLine("%%EndComments");
  if (multi) {
    writePlotLine("%%BeginProlog");
  } else {
    writePlotLine("%%Page: 1 1");
    writePlotLine("2 setlinecap 2 setlinejoin");
  }
  for (std::string_view line : kPostScriptProlog) writePlotLine(line);
  if (!eps && multi) {
    writePlotLine("%%EndProlog");
    writePlotLine("%%Page: 1 1");
    writePlotLine("initgraphics");
  }

  std::string place;
  if (g.ihwori == 1) {
    place = ps::fieldI(2LL * g.nhwxor, 5) + " cm " + ps::fieldI(2LL * g.nhwyor, 5) +
            " cm translate ";
  } else {
    place = "  150 cm   200 cm translate ";
  }
  const std::string hw = ps::fieldF(g.xhwscl, 10, 6);
  writePlotLine(place + hw + hw + " scale");

  if (eps && multi) {
    writePlotLine("%%EndProlog");
    writePlotLine("%%Page: 1 1");
  }

  if (code != 501 && g.inoers != 2) {
    const int64_t hd = std::llround(g.nyres * static_cast<double>(g.xscf));
    const int64_t wd = std::llround(g.nxres * static_cast<double>(g.xscf));
    std::string rect;
    auto field = [&rect](int64_t v, int width) {
      ps::appendInt(rect, v, width);
      rect += ' ';
    };
    field(0, 5);
    field(landscape ? 0 : hd, 5);
    field(landscape ? hd : wd, 5);
    field(landscape ? wd : 0, 5);
    field(background.r, 1);
    field(background.g, 1);
    field(background.b, 1);
    writePlotLine(rect + "e");
  } else if (!eps) {
    writePlotLine("erasepage");
  }
  if (multi) writePlotLine("2 setlinecap 2 setlinejoin");
}

void writePostScriptTrailer(int code) {
  const Zanglb& g = zanglb;
  const bool eps = code == 503;
  if (g.ipsold == 1) {
    qpsbuf("showpage ", 9);
    return;
  }
  const std::string_view end = "gsave showpage grestore ";
  qpsbuf(end, static_cast<int>(end.size()));
  if (eps) return;
  qpsbuf("", -1);
  qpsbuf("%%Trailer ", 10);
  qpsbuf("", -1);
  const std::string pages = "%%Pages: " + ps::fieldI(g.npagnr, 8) + " ";
  qpsbuf(pages, static_cast<int>(pages.size()));
  qpsbuf("", -1);
  qpsbuf("%%EOF ", 6);
}

}  // namespace zantor
