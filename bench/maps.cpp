// Map benchmark: a world map with the built-in coastlines (and filled land)
// into PNG for several projections, timed from zanini to the written file;
// then a synthetic shoreline file of 5,000,000 points drawn with world()
// (points per second).  Run the program under `time` for the whole process;
// `bench_maps one` draws a single map and exits.
#include <zantor.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

using Clock = std::chrono::steady_clock;

static double ms(Clock::time_point a, Clock::time_point b) {
  return std::chrono::duration<double, std::milli>(b - a).count();
}

// Processor time of the process in ms (the machine may be shared).
static double cpuMs() { return 1000.0 * std::clock() / CLOCKS_PER_SEC; }

static void c1(void (*f)(const char*, size_t), const char* s) { f(s, std::strlen(s)); }
static void c2(void (*f)(const char*, const char*, size_t, size_t), const char* a, const char* b) {
  f(a, b, std::strlen(a), std::strlen(b));
}

static void grafWorld(float ya, float ye) {
  const float xa = -180, xe = 180, xs = 60, ys = 30;
  grafmp_(&xa, &xe, &xa, &xs, &ya, &ye, &ya, &ys);
}

static void worldMap(const char* proj, bool fill) {
  c1(metafl_, "PNG");
  c1(setfil_, "bench_map.png");
  c1(filmod_, "DELE");
  zanini_();
  c2(errmod_, "PROT", "OFF");
  c1(projct_, proj);
  grafWorld(std::strcmp(proj, "MERC") == 0 ? -80 : -90, std::strcmp(proj, "MERC") == 0 ? 80 : 90);
  if (fill) {
    c1(color_, "GREEN");
    c1(shdmap_, "LAND");
    c1(color_, "FORE");
  }
  world_();
  zanfin_();
}

static void put(std::vector<unsigned char>& b, int32_t v) {
  const uint32_t u = static_cast<uint32_t>(v);
  for (int s = 24; s >= 0; s -= 8) b.push_back(static_cast<unsigned char>(u >> s));
}

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "one") == 0) {
    worldMap(argc > 2 ? argv[2] : "MOLL", argc > 3);
    return 0;
  }
  for (const char* p : {"CYLI", "MERC", "MOLL", "HAMM", "ORTH", "LAMB", "CONF"}) {
    for (bool fill : {false, true}) {
      auto t0 = Clock::now();
      const double c0 = cpuMs();
      worldMap(p, fill);
      auto t1 = Clock::now();
      std::printf("%s %-13s %7.1f ms (cpu %5.1f ms)\n", p, fill ? "coast + land" : "coast",
                  ms(t0, t1), cpuMs() - c0);
    }
  }
  // A synthetic full-resolution shoreline file: 500 polygons of 10,000
  // points each (wandering closed loops all over the globe).
  std::vector<unsigned char> b;
  const int polys = 500, n = 10000;
  uint32_t seed = 7;
  auto rnd = [&]() { return ((seed = seed * 1664525u + 1013904223u) >> 8) / 16777216.0; };
  for (int p = 0; p < polys; ++p) {
    put(b, p); put(b, n); put(b, 1 | (12 << 8));
    for (int i = 0; i < 8; ++i) put(b, 0);
    const double cx = rnd() * 360, cy = rnd() * 140 - 70, r = 1 + rnd() * 8;
    for (int i = 0; i < n; ++i) {
      const double t = 2 * M_PI * i / n;
      const double rr = r * (1 + 0.2 * std::sin(37 * t));
      put(b, static_cast<int32_t>(std::fmod(cx + rr * std::cos(t) + 360, 360) * 1e6));
      put(b, static_cast<int32_t>((cy + rr * std::sin(t)) * 1e6));
    }
  }
  const std::string path = (std::filesystem::temp_directory_path() / "bench_gshhs_f.b").string();
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(b.data()), static_cast<long>(b.size()));
  for (const char* p : {"CYLI", "MOLL", "ORTH"}) {
    c1(metafl_, "PNG");
    c1(setfil_, "bench_map.png");
    c1(filmod_, "DELE");
    zanini_();
    c2(errmod_, "PROT", "OFF");
    c1(projct_, p);
    grafWorld(-90, 90);
    c2(mapfil_, path.c_str(), "GSHH");
    auto t0 = Clock::now();
    const double c0 = cpuMs();
    world_();
    auto t1 = Clock::now();
    const double c = cpuMs() - c0;
    zanfin_();
    const double pts = double(polys) * n;
    std::printf("%s shoreline file %.0f points: %7.1f ms (cpu %7.1f ms) = %.1f million points/s\n",
                p, pts, ms(t0, t1), c, pts / c / 1000.0);
  }
  std::remove(path.c_str());
  std::remove("bench_map.png");
  return 0;
}
