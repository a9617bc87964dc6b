// Fuzz driver of the public routines: calls the routines of the shared
// library in random order with extreme arguments (NaN, infinities, the
// largest and smallest reals and integers, huge counts, control bytes,
// overlong strings), in plots of every file format.  The seed makes a run
// reproducible; it stops after a given time or number of calls.  Any crash,
// sanitizer report, escaped exception or hang (a call that takes longer than
// the watchdog allows) fails the run.
//
//   fuzz_routines --lib libzantor.so --routines api/routines.txt
//                 --sources src [--seed N] [--seconds S] [--calls N] [--trace]
//
// The routines and their argument kinds are read from the routine list, so
// new routines are fuzzed as soon as they are declared.  Routines that wait
// for a user (windows, widgets) are never selected: the formats are file
// formats only.
#include <dlfcn.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cfloat>
#include <chrono>
#include <climits>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <random>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kArray = 4096;         // elements of every array argument
constexpr int kCharBuffer = 1 << 16;  // bytes of every character output
constexpr int kMaxArgs = 16;
constexpr unsigned kWatchdogSeconds = 60;
constexpr int32_t kMostLevels = 64;   // contour levels of one call

struct Routine {
  std::string name;
  std::vector<std::string> kinds;  // i, o, ia, oa, r, ro, ra, rao, c, co, b
  std::vector<std::string> names;
  void* fn = nullptr;
  bool hasArray = false;
};

using AnyRoutine = void (*)(uintptr_t, uintptr_t, uintptr_t, uintptr_t, uintptr_t, uintptr_t,
                            uintptr_t, uintptr_t, uintptr_t, uintptr_t, uintptr_t, uintptr_t,
                            uintptr_t, uintptr_t, uintptr_t, uintptr_t);

// The call in progress, for the watchdog's report.
char currentCall[512];

void onAlarm(int) {
  const char head[] = "fuzz: call did not return within the watchdog time: ";
  (void)!write(2, head, sizeof head - 1);
  (void)!write(2, currentCall, std::strlen(currentCall));
  (void)!write(2, "\n", 1);
  _exit(3);
}

std::vector<Routine> readRoutines(const std::string& path, void* lib) {
  std::vector<Routine> out;
  std::ifstream in(path);
  std::string line;
  // Routines of subsystems not yet hardened against hostile input.
  std::set<std::string> skipped;
  {
    std::ifstream list(path.substr(0, path.rfind('/')) + "/../tests/fuzz/not_yet_hardened.txt");
    std::string name;
    while (std::getline(list, name))
      if (!name.empty() && name[0] != '#') skipped.insert(name);
  }
  while (std::getline(in, line)) {
    line = line.substr(0, line.find('#'));  // a routine's meaning follows '#'
    if (line.find_first_not_of(" \t") == std::string::npos) continue;
    std::istringstream ls(line);
    Routine r;
    ls >> r.name;
    std::string a;
    while (ls >> a) {
      if (a[0] == '=') continue;  // function result kind
      const auto colon = a.find(':');
      r.kinds.push_back(a.substr(0, colon));
      r.names.push_back(a.substr(colon + 1));
      const std::string& k = r.kinds.back();
      if (k == "ia" || k == "oa" || k == "ra" || k == "rao" || k == "b" || k == "co")
        r.hasArray = true;
    }
    // Routines that wait for a user (dialog widgets, cursor input) are
    // left out.
    static const char* kInteractive[] = {"wg", "swg", "gwg", "csr", "msgbox", "dwg"};
    bool interactive = false;
    for (const char* p : kInteractive) interactive = interactive || r.name.rfind(p, 0) == 0;
    // The readers and writers of table cells never wait: without a dialog
    // they meet no table and refuse the id.
    static const char* kTableValues[] = {"swgtb", "gwgtb", "swgray"};
    for (const char* p : kTableValues) interactive = interactive && r.name.rfind(p, 0) != 0;
    // Settings and queries of the dialog layer that never show a window:
    // without a dialog they only refuse their ids or store the setting.
    static const std::set<std::string> kQuietWidgetRoutines = {
        "swgoff", "swgfnt", "swgclr", "swgbgd", "swgfgd", "swgtyp", "swgjus", "swgiop",
        "swgatt", "gwgatt", "swgmix", "swgmrg", "swgpop", "swgdrw", "swgstp", "gwggui"};
    if (kQuietWidgetRoutines.count(r.name) != 0) interactive = false;
    // Procedure arguments (user callbacks) cannot be made up.
    for (const std::string& k : r.kinds) interactive = interactive || k == "p" || k == "rf";
    if (interactive || skipped.count(r.name) != 0) continue;
    r.fn = dlsym(lib, (r.name + "_").c_str());
    if (r.fn == nullptr) {
      std::cerr << "fuzz: routine " << r.name << " is not exported\n";
      std::exit(2);
    }
    out.push_back(std::move(r));
  }
  return out;
}

// Keywords of the library: the "+"-separated lists it matches options
// against, taken from its sources.
std::vector<std::string> readKeywords(const std::string& dir) {
  std::set<std::string> words;
  const std::regex list("\"([A-Z0-9 ]{1,4}(\\+[A-Z0-9 ]{1,4})+)\"");
  for (const auto& e : fs::recursive_directory_iterator(dir)) {
    if (e.path().extension() != ".cpp") continue;
    std::ifstream in(e.path());
    std::stringstream ss;
    ss << in.rdbuf();
    const std::string text = ss.str();
    for (std::sregex_iterator it(text.begin(), text.end(), list), end; it != end; ++it) {
      std::stringstream parts((*it)[1].str());
      std::string w;
      while (std::getline(parts, w, '+')) words.insert(w);
    }
  }
  return {words.begin(), words.end()};
}

class Fuzzer {
 public:
  Fuzzer(std::vector<Routine> routines, std::vector<std::string> keywords, uint64_t seed,
         bool trace)
      : routines_(std::move(routines)), keywords_(std::move(keywords)), rng_(seed),
        trace_(trace) {
    for (std::size_t i = 0; i < routines_.size(); ++i) byName_[routines_[i].name] = i;
    ints_.resize(kArray);
    reals_.resize(kArray);
    bytes_.resize(4 * kArray);
    chars_.resize(kCharBuffer);
  }

  // One plot: a format, a few settings, zanini, random calls (often inside
  // an axis system), and mostly zanfin at the end.
  void plot() {
    static const char* kFormats[] = {"POST", "PSCL", "EPS ", "PNG ", "PPM ", "BMP ", "VIRT",
                                     "IMAG", "TIFF", "GIF ", "GKSL", "CGM ", "PDF ", "SVG ",
                                     "JAVA", "WMF ", "EMF ", "HPGL", "IPE ", "XXXX"};
    callWith("metafl", {kFormats[pick(std::size(kFormats))]});
    for (int i = pick(4); i > 0; --i) randomCall();
    callNamed("zanini");
    if (chance(0.6)) {
      callNamed("graf", sensibleAxis());
    }
    const int calls = 1 + pick(60);
    for (int i = 0; i < calls; ++i) randomCall();
    if (chance(0.9)) callNamed("zanfin");
  }

  long calls() const { return calls_; }

 private:
  std::size_t pick(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_); }
  bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(rng_) < p; }

  int32_t anyInt(bool bounded) {
    static const int32_t kSpecial[] = {0,   1,    -1,   2,    3,       4,       5,    7,
                                       8,   10,   16,   24,   100,     255,     256,  360,
                                       999, 1000, -999, 10000, 32000,  32767,   65536, INT32_MAX,
                                       INT32_MIN, INT32_MAX - 1, INT32_MIN + 1};
    if (bounded) {
      if (chance(0.5)) return static_cast<int32_t>(pick(8)) - 2;
      return static_cast<int32_t>(pick(kArray + 3)) - 2;
    }
    if (chance(0.6)) return kSpecial[pick(std::size(kSpecial))];
    if (chance(0.5)) return static_cast<int32_t>(pick(4000));
    return static_cast<int32_t>(rng_());
  }

  float anyReal() {
    static const float kSpecial[] = {0.0f,     1.0f,     -1.0f,   0.5f,     2.0f,      10.0f,
                                     100.0f,   999.0f,   1e30f,   -1e30f,   1e-30f,    FLT_MAX,
                                     -FLT_MAX, FLT_MIN,  -0.0f,   NAN,      INFINITY,  -INFINITY,
                                     1e10f,    -1e10f,   360.0f,  3000.0f};
    if (chance(0.5)) return kSpecial[pick(std::size(kSpecial))];
    if (chance(0.7)) return std::uniform_real_distribution<float>(-100.0f, 3000.0f)(rng_);
    uint32_t bits = static_cast<uint32_t>(rng_());
    float f;
    std::memcpy(&f, &bits, sizeof f);
    return f;
  }

  // Screen formats open windows that wait for the user, or stop the
  // program when there is no display: never selected.
  static bool isScreen(const std::string& s) {
    std::string k = s.substr(0, 4);
    for (char& c : k) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return k.rfind("XW", 0) == 0 || k.rfind("GL", 0) == 0 || k.rfind("CONS", 0) == 0;
  }

  std::string anyString(const std::string& argName) {
    static const char* kFiles[] = {"fuzz.out", "fuzz_a.ps", "fuzz.png", "fuzz.vlt", ".", "",
                                   "fuzz dir/x", "fuzzdir", "fuzz.err"};
    if (argName.rfind("cfil", 0) == 0) return kFiles[pick(std::size(kFiles))];
    switch (pick(8)) {
      case 0:
      case 1:
      case 2:
        return keywords_.empty() ? "NONE" : keywords_[pick(keywords_.size())];
      case 3: {  // text with control bytes and high bytes
        std::string s;
        for (int i = pick(20); i > 0; --i) s.push_back(static_cast<char>(pick(256)));
        return s;
      }
      case 4:
        return std::string(1 + pick(400), "A$^{}[]\\|_"[pick(10)]);
      case 5:
        return "";
      case 6: {  // text with the text engine's control characters
        static const char* kText[] = {"x^2{y}", "$\\frac{a}{b}$", "a[b]c", "{{{{", "}}}}",
                                      "\\sqrt{", "\\", "Hello World", "1.5", "$$", "^^^^",
                                      "||||", "\\alpha \\beta", "RED", "ALL"};
        return kText[pick(std::size(kText))];
      }
      default: {
        std::string s;
        for (int i = 1 + pick(6); i > 0; --i) s.push_back(static_cast<char>('A' + pick(26)));
        return s;
      }
    }
  }

  std::vector<std::string> sensibleAxis() {
    const float a = chance(0.8) ? 0.0f : anyReal(), e = chance(0.8) ? 10.0f : anyReal();
    const float s = chance(0.8) ? 1.0f : anyReal();
    floatsArg_ = {a, e, a, s, a, e, a, s};
    return {};
  }

  void fillArrays(bool extreme) {
    for (int i = 0; i < kArray; ++i) {
      ints_[i] = extreme ? anyInt(false) : static_cast<int32_t>(pick(3000));
      reals_[i] = extreme ? anyReal() : std::uniform_real_distribution<float>(-5, 15)(rng_);
    }
    for (auto& b : bytes_) b = static_cast<uint8_t>(rng_());
  }

  void randomCall() { call(routines_[pick(routines_.size())], {}); }
  void callNamed(const char* name, std::vector<std::string> strings = {}) {
    auto it = byName_.find(name);
    if (it != byName_.end()) call(routines_[it->second], std::move(strings));
  }
  void callWith(const char* name, std::vector<std::string> strings) {
    callNamed(name, std::move(strings));
  }

  // Calls r; `strings` gives its character arguments (else random ones),
  // floatsArg_ its real arguments when set.
  void call(const Routine& r, std::vector<std::string> strings) {
    fillArrays(chance(0.2));
    uintptr_t args[kMaxArgs] = {};
    int n = 0;
    std::vector<std::string> texts;
    texts.reserve(r.kinds.size());
    std::vector<std::size_t> lengths;
    int32_t intArgs[kMaxArgs];
    float realArgs[kMaxArgs];
    int32_t intOut[kMaxArgs];
    float realOut[kMaxArgs];
    std::size_t nextString = 0, nextFloat = 0;
    std::string shown = r.name + "(";
    for (std::size_t k = 0; k < r.kinds.size() && n < kMaxArgs; ++k) {
      const std::string& kind = r.kinds[k];
      if (k > 0) shown += ", ";
      if (kind == "i") {
        intArgs[k] = anyInt(r.hasArray && isCount(r.names[k]));
        intArgs[k] = boundMatrix(r, k, intArgs, intArgs[k]);
        // Every contour level is one more pass over the data, drawing as
        // much again: a few dozen find what thousands would, in less time.
        if (r.names[k] == "nlev") intArgs[k] = std::min(intArgs[k], kMostLevels);
        args[n++] = reinterpret_cast<uintptr_t>(&intArgs[k]);
        shown += std::to_string(intArgs[k]);
      } else if (kind == "r") {
        realArgs[k] = nextFloat < floatsArg_.size() ? floatsArg_[nextFloat++] : anyReal();
        args[n++] = reinterpret_cast<uintptr_t>(&realArgs[k]);
        shown += std::to_string(realArgs[k]);
      } else if (kind == "o") {
        args[n++] = reinterpret_cast<uintptr_t>(&intOut[k]);
        shown += "out";
      } else if (kind == "ro") {
        args[n++] = reinterpret_cast<uintptr_t>(&realOut[k]);
        shown += "out";
      } else if (kind == "ia" || kind == "oa") {
        args[n++] = reinterpret_cast<uintptr_t>(ints_.data());
        shown += "int[]";
      } else if (kind == "ra" || kind == "rao") {
        args[n++] = reinterpret_cast<uintptr_t>(reals_.data());
        shown += "real[]";
      } else if (kind == "b") {
        args[n++] = reinterpret_cast<uintptr_t>(bytes_.data());
        shown += "byte[]";
      } else if (kind == "c") {
        texts.push_back(nextString < strings.size() ? strings[nextString++]
                                                    : anyString(r.names[k]));
        if (r.name == "metafl" && isScreen(texts.back())) texts.back() = "POST";
        args[n++] = reinterpret_cast<uintptr_t>(texts.back().data());
        lengths.push_back(texts.back().size());
        shown += "'" + printable(texts.back()) + "'";
      } else if (kind == "co") {
        args[n++] = reinterpret_cast<uintptr_t>(chars_.data());
        static const std::size_t kLens[] = {0, 1, 8, 80, kCharBuffer};
        lengths.push_back(kLens[pick(std::size(kLens))]);
        shown += "char[" + std::to_string(lengths.back()) + "]";
      }
    }
    shown += ")";
    floatsArg_.clear();
    for (std::size_t len : lengths)
      if (n < kMaxArgs) args[n++] = len;
    std::snprintf(currentCall, sizeof currentCall, "%s", shown.c_str());
    if (trace_) std::cerr << shown << "\n";
    ++calls_;
    alarm(kWatchdogSeconds);
    // Every argument is a pointer or a size_t, passed in integer registers
    // and stack slots alike; extra arguments are ignored by the callee.
    try {
      reinterpret_cast<AnyRoutine>(r.fn)(args[0], args[1], args[2], args[3], args[4], args[5],
                                         args[6], args[7], args[8], args[9], args[10], args[11],
                                         args[12], args[13], args[14], args[15]);
    } catch (...) {
      std::cerr << "fuzz: an exception escaped from " << shown << "\n";
      std::exit(4);
    }
    alarm(0);
  }

  // Integer arguments that give the size of an array argument: they stay
  // within the driver's arrays (a caller that lies about its array is not
  // what is tested).
  static bool isCount(const std::string& name) {
    return name == "n" || name == "m" || name == "nmax" || name == "nbyt" || name == "nlin" ||
           name == "nmaxln" || name == "ntri" || name == "nlev" || name == "maxpts" ||
           name == "maxcrv" || name == "ixdim" || name == "iydim";
  }

  // A matrix argument holds (first dimension) x (second dimension)
  // elements: the second dimension, argument k, is cut so that the matrix
  // stays within the driver's array.
  static int32_t boundMatrix(const Routine& r, std::size_t k, const int32_t* intArgs,
                             int32_t value) {
    if (r.names[k] != "m" && r.names[k] != "iydim") return value;
    bool matrix = false;
    for (const std::string& name : r.names)
      matrix = matrix || name == "zmat" || name == "xmat" || name == "ymat";
    for (std::size_t f = 0; matrix && f < k; ++f)
      if (r.kinds[f] == "i" && (r.names[f] == "n" || r.names[f] == "ixdim") && intArgs[f] > 0 &&
          int64_t{intArgs[f]} * value > kArray)
        return kArray / intArgs[f];
    return value;
  }

  static std::string printable(const std::string& s) {
    std::string out;
    for (char c : s.substr(0, 40)) {
      const auto u = static_cast<unsigned char>(c);
      if (u >= 0x20 && u < 0x7f) out.push_back(c);
      else {
        char b[8];
        std::snprintf(b, sizeof b, "\\x%02x", u);
        out += b;
      }
    }
    if (s.size() > 40) out += "...(" + std::to_string(s.size()) + ")";
    return out;
  }

  std::vector<Routine> routines_;
  std::vector<std::string> keywords_;
  std::map<std::string, std::size_t> byName_;
  std::mt19937_64 rng_;
  bool trace_;
  long calls_ = 0;
  std::vector<int32_t> ints_;
  std::vector<float> reals_;
  std::vector<uint8_t> bytes_;
  std::vector<char> chars_;
  std::vector<float> floatsArg_;
};

void removeFiles(const fs::path& dir) {
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(dir, ec)) fs::remove_all(e.path(), ec);
}

// The work directories of earlier runs whose process has ended.
void removeStaleWorkDirs() {
  std::error_code ec;
  const std::string prefix = "zantor-fuzz-";
  for (const auto& e : fs::directory_iterator(fs::temp_directory_path(), ec)) {
    const std::string name = e.path().filename().string();
    if (name.rfind(prefix, 0) != 0) continue;
    const std::string pid = name.substr(prefix.size());
    if (pid.empty() || pid.find_first_not_of("0123456789") != std::string::npos) continue;
    if (fs::exists("/proc/" + pid, ec)) continue;  // still running
    fs::remove_all(e.path(), ec);
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::string lib, list, sources;
  uint64_t seed = 1;
  double seconds = 60;
  long maxCalls = -1;
  bool trace = false;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    auto next = [&]() -> std::string { return i + 1 < argc ? argv[++i] : ""; };
    if (a == "--lib") lib = next();
    else if (a == "--routines") list = next();
    else if (a == "--sources") sources = next();
    else if (a == "--seed") seed = std::stoull(next());
    else if (a == "--seconds") seconds = std::stod(next());
    else if (a == "--calls") maxCalls = std::stol(next());
    else if (a == "--trace") trace = true;
  }
  if (lib.empty() || list.empty() || sources.empty()) {
    std::cerr << "usage: fuzz_routines --lib L --routines R --sources S [--seed N] "
                 "[--seconds S] [--calls N] [--trace]\n";
    return 2;
  }
  lib = fs::absolute(lib);
  list = fs::absolute(list);
  sources = fs::absolute(sources);
  void* handle = dlopen(lib.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    std::cerr << "fuzz: " << dlerror() << "\n";
    return 2;
  }
  std::vector<Routine> routines = readRoutines(list, handle);

  // Files go to a directory of their own, emptied between plots.  A run
  // stopped by its watchdog or a fault leaves its directory behind: those
  // of runs no longer alive are removed first.
  removeStaleWorkDirs();
  const fs::path work = fs::temp_directory_path() /
                        ("zantor-fuzz-" + std::to_string(getpid()));
  fs::create_directories(work);
  fs::current_path(work);
  // The warnings go to standard output in great numbers: dropped.
  if (!trace && std::freopen("/dev/null", "w", stdout) == nullptr) return 2;
  signal(SIGALRM, onAlarm);
  unsetenv("DISPLAY");

  Fuzzer fuzzer(std::move(routines), readKeywords(sources), seed, trace);
  const auto start = std::chrono::steady_clock::now();
  long plots = 0;
  while (std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() < seconds &&
         (maxCalls < 0 || fuzzer.calls() < maxCalls)) {
    fuzzer.plot();
    if (++plots % 20 == 0) removeFiles(work);
  }
  fs::current_path(fs::temp_directory_path());
  std::error_code ec;
  fs::remove_all(work, ec);
  std::cerr << "fuzz: " << fuzzer.calls() << " calls in " << plots << " plots, seed " << seed
            << ": nothing found\n";
  return 0;
}
