// The texts of axis labels for every label type.
#include "axes/label_text.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>

#include "core/format.h"
#include "core/state.h"
#include "text/numbers.h"

namespace zantor {
namespace {

// Fixed-width entries: 9 characters for the English names and the German
// months, 10 for the others; the blanks are trimmed when used.
constexpr const char* kMonths[3][12] = {
    {"January  ", "February ", "March    ", "April    ", "May      ", "June     ",
     "July     ", "August   ", "September", "October  ", "November ", "December "},
    {"Januar   ", "Februar  ", "M!arz    ", "April    ", "Mai      ", "Juni     ",
     "Juli     ", "August   ", "September", "Oktober  ", "November ", "Dezember "},
    {"Enero     ", "Febrero   ", "Marzo     ", "Abril     ", "Mayo      ", "Junio     ",
     "Julio     ", "Agosto    ", "Septiembre", "Octubre   ", "Noviembre ", "Diciembre "}};
constexpr const char* kDays[3][7] = {
    {"Monday    ", "Tuesday   ", "Wednesday ", "Thursday  ", "Friday    ", "Saturday  ",
     "Sunday    "},
    {"Montag    ", "Dienstag  ", "Mittwoch  ", "Donnerstag", "Freitag   ", "Sonnabend ",
     "Sonntag   "},
    {"Lunes     ", "Martes    ", "Mi!ercoles", "Jueves    ", "Viernes   ", "S!abado   ",
     "Domingo   "}};

std::string trimRight(const char* s) {
  std::string r(s);
  while (!r.empty() && r.back() == ' ') r.pop_back();
  return r;
}

std::string two(long v) {
  std::string s = fmtInt(v);
  return s.size() < 2 ? "0" + s : s;
}

// The first n letters of a name; an accent marker counts with its vowel.
std::string abbreviate(const std::string& name, int n) {
  std::string r;
  int letters = 0;
  for (std::size_t i = 0; i < name.size() && letters < n; ++i) {
    r += name[i];
    if (name[i] != '!') ++letters;
  }
  return r;
}

std::string upper(const std::string& s) {
  std::string r;
  for (std::size_t i = 0; i < s.size(); ++i) {
    // The letter after an accent marker stays lower case: the shifts
    // know the accented capitals only for some letters.
    const bool marked = i > 0 && s[i - 1] == '!';
    r += marked ? s[i] : static_cast<char>(std::toupper(static_cast<unsigned char>(s[i])));
  }
  return r;
}

std::string expLabel(int type, double v, int ndig) {
  const Zanglb& g = zanglb;
  const std::string E(1, g.csex.c[0]), R(1, g.csex.c[2]);
  const ExpNumber n = gexpno(v, ndig);
  std::string s = gnustr(n.mantissa);
  if (!n.hasExponent) return s;
  const std::string e = fmtInt(n.exponent);
  if (type == kLabExp) return s + R + "*10" + E + e + R;
  if (type == kLabFexp) return s + "E" + e;
  return s + R + "{D}10" + E + e + R;
}

}  // namespace

bool isExponentLabel(int type) {
  return type == kLabExp || type == kLabLog || type == kLabClog || type == kLabElog ||
         type == kLabXexp;
}

std::vector<double> labelValues(double a, double e, double o, double s, int ixend,
                                std::vector<int>* index) {
  std::vector<double> all;
  if (!(std::fabs(s) > 0) || !std::isfinite(s) || !std::isfinite(o)) return all;
  // A label may pass the end by rounding only: the values are single
  // precision, so the tolerance is relative to the step.
  const double tol = std::max<double>(zanglb.eps, std::fabs(s) * 1e-5);
  const bool up = s > 0;
  const double lo = std::min(a, e) - tol, hi = std::max(a, e) + tol;
  for (long i = 0; i < 100000; ++i) {
    const double v = o + i * s;
    if (up ? v > hi : v < lo) break;
    if (v >= lo && v <= hi) all.push_back(std::fabs(v) < tol * 1e-3 ? 0.0 : v);
  }
  std::vector<double> out;
  if (index) index->clear();
  const long m = static_cast<long>(all.size()) - 1;
  for (long i = 0; i <= m; ++i) {
    if (!keepLabel(i, m, ixend)) continue;
    out.push_back(all[i]);
    if (index) index->push_back(static_cast<int>(i));
  }
  return out;
}

bool keepLabel(long i, long m, int ixend) {
  switch (ixend) {
    case 1: return i != 0;
    case 2: return i != m;
    case 3: return i != 0 && i != m;
    case 4: return i == 0 || i == m;
    case 5: return i == 0;
    case 6: return i == m;
    default: return true;
  }
}

int digitsNeeded(double v) {
  const double av = std::fabs(v);
  if (!std::isfinite(av)) return -1;
  const int p = av == 0 ? 0 : static_cast<int>(std::log10(av));
  const double m = av * std::pow(10.0, -p);
  static constexpr double kTol[5] = {1e-5, 1e-4, 1e-3, 0.01, 0.1};
  int j = 5;
  for (int k = 0; k < 5; ++k) {
    const double t = std::pow(10.0, k) * m;
    if (std::fabs(t - std::floor(t + 0.5)) < kTol[k]) {
      j = k;
      break;
    }
  }
  const int d = j - p;
  return d < 1 ? -1 : d;
}

std::string timeLabel(double seconds, int type, bool colons) {
  if (!std::isfinite(seconds)) return "";
  // Only the time of day is shown: reduce to one day first (exact), so
  // that huge values neither overflow the rounding nor the arithmetic.
  double day = std::fmod(seconds, 86400.0);
  if (day < 0) day += 86400.0;
  long v = std::lround(day);
  const std::string sep = colons ? ":" : "";
  long h = v / 3600;
  if (type == kLabSeco) {
    const long mi = (v % 3600) / 60, se = v % 60;
    return two(h % 24) + sep + two(mi) + sep + two(se);
  }
  long mi = std::lround((v % 3600) / 60.0);
  if (mi == 60) mi = 0, ++h;
  if (type == kLabHour) return two(h % 24);
  return two(h % 24) + sep + two(mi);
}

std::string mapLabel(double degrees, int type, int axis, int ndig) {
  const double a = std::fabs(degrees);
  std::string s;
  if (type == kLabDmap) {
    // Degrees and whole minutes, the minutes marked by an apostrophe.
    if (!(a < 1e15)) return gnustr(fcha(a, -1));  // beyond whole minutes
    long total = std::lround(a * 60.0);
    s = fmtInt(total / 60);
    if (total % 60 != 0) s += " " + two(total % 60) + "'";
  } else {
    s = gnustr(fcha(a, ndig));
  }
  if (type == kLabMapn || a < zanglb.eps || std::fabs(degrees) < 1e-6) return s;
  const bool neg = degrees < 0;
  char c = axis == 0 ? (neg ? 'W' : 'E') : (neg ? 'S' : 'N');
  if (type == kLabLmap) c = static_cast<char>(std::tolower(c));
  return s + c;
}

long daysFromCivil(int y, int m, int d) {
  y -= m <= 2;
  const long era = (y >= 0 ? y : y - 399) / 400;
  const long yoe = y - era * 400;
  const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

void civilFromDays(long z, int& y, int& m, int& d) {
  z += 719468;
  const long era = (z >= 0 ? z : z - 146096) / 146097;
  const long doe = z - era * 146097;
  const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long mp = (5 * doy + 2) / 153;
  d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  y = static_cast<int>(yoe + era * 400 + (m <= 2));
}

std::string monthName(int month, int language) {
  if (month < 1 || month > 12 || language < 0 || language > 2) return "";
  return trimRight(kMonths[language][month - 1]);
}

std::string dayName(int weekday, int language) {
  if (weekday < 1 || weekday > 7 || language < 0 || language > 2) return "";
  return trimRight(kDays[language][weekday - 1]);
}

std::string dateLabel(long day, int baseDay, int baseMonth, int baseYear,
                      const DateOptions& opt) {
  const long n = daysFromCivil(baseYear, baseMonth, baseDay) + day;
  int y = 0, m = 0, d = 0;
  civilFromDays(n, y, m, d);
  // 1 January 1970 was a Thursday.
  const int weekday = static_cast<int>(((n % 7) + 7 + 3) % 7) + 1;
  std::string ds, ms, ys;
  switch (opt.day) {
    case 1: ds = two(d); break;
    case 2: ds = fmtInt(d); break;
    case 3: ds = dayName(weekday, opt.language); break;
    case 4: ds = abbreviate(dayName(weekday, opt.language), 3); break;
    default: break;
  }
  switch (opt.month) {
    case 1: ms = two(m); break;
    case 2: ms = fmtInt(m); break;
    case 3: ms = monthName(m, opt.language); break;
    case 4: ms = abbreviate(monthName(m, opt.language), 3); break;
    case 5: ms = abbreviate(monthName(m, opt.language), 1); break;
    default: break;
  }
  if (opt.year == 0) ys = fmtInt(y);
  else if (opt.year == 1) ys = two(((y % 100) + 100) % 100);
  static constexpr const char* kOrder[6] = {"DMY", "DYM", "MDY", "MYD", "YDM", "YMD"};
  const char* order = kOrder[opt.format >= 0 && opt.format < 6 ? opt.format : 0];
  std::string out;
  for (int k = 0; k < 3; ++k) {
    const std::string& part = order[k] == 'D' ? ds : order[k] == 'M' ? ms : ys;
    if (part.empty()) continue;
    if (!out.empty()) out += opt.separator;
    out += part;
  }
  return opt.upper ? upper(out) : out;
}

std::vector<double> monthBoundaries(double a, double e, int months, int baseDay, int baseMonth,
                                   int baseYear) {
  std::vector<double> out;
  // Day numbers beyond a few hundred thousand years are not calendar dates.
  constexpr double kMaxDays = 1e8;
  if (months < 1 || !std::isfinite(a) || !std::isfinite(e) || std::fabs(a) > kMaxDays ||
      std::fabs(e) > kMaxDays)
    return out;
  const long base = daysFromCivil(baseYear, baseMonth, baseDay);
  const double lo = std::min(a, e), hi = std::max(a, e);
  int y = 0, m = 0, d = 0;
  civilFromDays(base + static_cast<long>(std::floor(lo)), y, m, d);
  // From the first of the month at or before lo, in steps of whole months;
  // groups of months count from January of year 0 (quarters start in
  // January, April, ...; two-year steps in even years).
  for (int k = 0; k < 100000; ++k) {
    const long n = daysFromCivil(y, m, 1) - base;
    if (n > hi + 1e-6) break;
    const long month = static_cast<long>(y) * 12 + (m - 1);
    if (n >= lo - 1e-6 && ((month % months) + months) % months == 0)
      out.push_back(static_cast<double>(n));
    if (++m > 12) m = 1, ++y;
  }
  if (e < a) std::reverse(out.begin(), out.end());
  return out;
}

std::vector<double> dateSteps(double a, double e, int step, int baseDay, int baseMonth,
                              int baseYear) {
  const int months = labelStepMonths(step);
  if (months == 0) return {};
  return monthBoundaries(a, e, months, baseDay, baseMonth, baseYear);
}

int labelStepMonths(int step) {
  // DAYS, MONT, QUAR, HALF, YEAR, then DMON (two months), DYEA (two years)
  // and QYEA (four years): D doubles, Q quadruples the unit.
  static constexpr int kMonthsPerStep[8] = {0, 1, 3, 6, 12, 2, 24, 48};
  return step >= 0 && step < 8 ? kMonthsPerStep[step] : 0;
}

std::vector<double> dateTicks(double a, double e, int code, int baseDay, int baseMonth,
                              int baseYear) {
  // NONE, DAYS, MONT, QUAR, HALF, YEAR, DMON (two months), HOUR.
  static constexpr int kMonthsPerTick[8] = {0, 0, 1, 3, 6, 12, 2, 0};
  if (code < 1 || code > 7) return {};
  if (code != 1 && code != 7)
    return monthBoundaries(a, e, kMonthsPerTick[code], baseDay, baseMonth, baseYear);
  // Whole days or whole hours (a 24th of a day); an axis that would need
  // more than 100000 of them gets none.
  std::vector<double> out;
  const double per = code == 7 ? 24.0 : 1.0;
  if (!std::isfinite(a) || !std::isfinite(e)) return out;
  const double lo = std::min(a, e) * per, hi = std::max(a, e) * per;
  if (hi - lo > 100000) return out;
  for (double k = std::ceil(lo - 1e-6); k <= hi + 1e-6; k += 1) out.push_back(k / per);
  if (e < a) std::reverse(out.begin(), out.end());
  return out;
}

std::string labelText(int type, double v, int ndig, int axis, bool logAxis) {
  const Zanglb& g = zanglb;
  const std::string E(1, g.csex.c[0]), R(1, g.csex.c[2]);
  auto whole = [](double x) { return std::fabs(x - std::round(x)) < 1e-4; };
  switch (type) {
    case kLabNone:
    case kLabMyla:
      return "";
    case kLabFloa:
      if (logAxis) {
        // 10^v with the digits the value needs, so that 0.01 is not "0.0".
        const double x = std::pow(10.0, v);
        return gnustr(fcha(x, std::max(ndig, digitsNeeded(x))));
      }
      return gnustr(fcha(v, ndig));
    case kLabExp:
    case kLabFexp:
    case kLabXexp:
      return expLabel(type, logAxis ? std::pow(10.0, v) : v, ndig);
    case kLabLog:
    case kLabClog:
      // Whole decades are written without digits after the point.
      return "10" + E + gnustr(fcha(v, whole(v) ? -1 : ndig)) + R;
    case kLabElog:
      // 1 and 10 are written plainly, other decades as powers of ten.
      if (whole(v) && std::lround(v) == 0) return "1";
      if (whole(v) && std::lround(v) == 1) return "10";
      return "10" + E + gnustr(fcha(v, whole(v) ? -1 : ndig)) + R;
    case kLabMap:
    case kLabDmap:
    case kLabLmap:
    case kLabMapn:
      return mapLabel(v, type, axis, ndig);
    case kLabTime:
    case kLabHour:
    case kLabSeco:
      return timeLabel(v, type, g.itimop == 1);
    case kLabDate: {
      const int i = axis >= 0 && axis < 3 ? axis : 0;
      DateOptions o;
      o.year = g.ixdyea[i], o.day = g.ixdday[i], o.month = g.ixdmon[i];
      o.language = g.ixdlan[i], o.format = g.ixdfmt[i];
      o.separator = static_cast<char>(g.ixdsep[i]);
      o.upper = g.ixdcas[i] == 1;
      // Days beyond a billion (2.7 million years) have no calendar date
      // worth writing, and would overflow the day arithmetic.
      if (!(std::fabs(v) < 1e9)) return "";
      return dateLabel(std::lround(v), g.ndbday, g.ndbmon, g.ndbyea, o);
    }
    default:
      return gnustr(fcha(v, ndig));
  }
}

}  // namespace zantor
