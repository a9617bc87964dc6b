// The texts of axis labels: pure string builders for every label type, the
// label values of an axis and the automatic digits.  Nothing here draws.
#pragma once
#include <string>
#include <vector>

namespace zantor {

// Label type codes of numx (keyword order of `labels`).
enum LabelType {
  kLabNone, kLabFloa, kLabExp, kLabLog, kLabClog, kLabElog, kLabMap, kLabDmap, kLabLmap,
  kLabTime, kLabHour, kLabSeco, kLabMyla, kLabFexp, kLabDate, kLabMapn, kLabXexp
};

// True for the types whose text uses the exponent characters.
bool isExponentLabel(int type);

// Values o, o + s, ... not passing e, then the ixend selection (0 NONE,
// 1 NOFI, 2 NOLA, 3 NOEN, 4 ENDS, 5 FIRS, 6 LAST).  `index` receives the
// number of each kept label in the full list (for mylab strings).
std::vector<double> labelValues(double a, double e, double o, double s, int ixend,
                                std::vector<int>* index = nullptr);

// True when label i of the labels 0..m is kept by the ixend selection.
bool keepLabel(long i, long m, int ixend);

// Digits needed to show v (the automatic digits rule): -1 for integers.
int digitsNeeded(double v);

// Time of day (TIME, HOUR, SECO) from seconds; colons when `colons`.
std::string timeLabel(double seconds, int type, bool colons);

// Geographic labels (MAP, DMAP, LMAP, MAPN); `axis` 0 is longitude (W/E),
// otherwise latitude (S/N).
std::string mapLabel(double degrees, int type, int axis, int ndig);

// Options of date labels (the labmod settings of one axis).
struct DateOptions {
  int year = 0;       // 0 FULL, 1 SHOR, 2 NONE
  int day = 1;        // 0 NONE, 1 FULL, 2 LONG, 3 NAME, 4 SHOR
  int month = 1;      // 0 NONE, 1 FULL, 2 LONG, 3 NAME, 4 SHOR, 5 TINY
  int language = 0;   // 0 ENGL, 1 GERM, 2 SPAN
  int format = 0;     // 0 DMY, 1 DYM, 2 MDY, 3 MYD, 4 YDM, 5 YMD
  char separator = '-';
  bool upper = false;
};

// Calendar arithmetic on day numbers (days since 1 January 1970).
long daysFromCivil(int year, int month, int day);
void civilFromDays(long n, int& year, int& month, int& day);

// Date label of day number `day` counted from the base date.
std::string dateLabel(long day, int baseDay, int baseMonth, int baseYear,
                      const DateOptions& opt);

// Month (1..12) and weekday (1 Monday .. 7 Sunday) names as tabled,
// trailing blanks removed; "!" + vowel marks accented letters.
std::string monthName(int month, int language);
std::string dayName(int weekday, int language);

// Day numbers (counted from the base date) of the first day of every
// `months`-th month in [a, e], months counted from January of year 0;
// in the order of the axis (descending when e < a).
std::vector<double> monthBoundaries(double a, double e, int months, int baseDay, int baseMonth,
                                    int baseYear);

// Months between labels for a labmod "STEP" code (0 DAYS .. 7 QYEA); 0
// for DAYS, whose labels stay at multiples of the axis step.
int labelStepMonths(int step);

// Day numbers of the label boundaries of labmod "STEP" code `step` in
// [a, e]; empty for DAYS.
std::vector<double> dateSteps(double a, double e, int step, int baseDay, int baseMonth,
                              int baseYear);

// Day numbers of the date ticks of a ticmod code (0 NONE, 1 DAYS, 2 MONT,
// 3 QUAR, 4 HALF, 5 YEAR, 6 DMON, 7 HOUR) in [a, e]; empty for NONE.
std::vector<double> dateTicks(double a, double e, int code, int baseDay, int baseMonth,
                              int baseYear);

// Label text of value v (the exponent on logarithmic axes) for label type
// `type` with ndig digits.  `logAxis` selects the 10^v forms of FLOA.
// The control characters are those of csex; `mylab` is the user string
// of MYLA labels, `date` the date options.
std::string labelText(int type, double v, int ndig, int axis, bool logAxis);

}  // namespace zantor
