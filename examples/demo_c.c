/* The C twin of demo.f90: the same calls, the same metafile. */
#include <stdio.h>
#include <string.h>
#include <zantor.h>

static void str(void (*f)(const char*, size_t), const char* s) { f(s, strlen(s)); }

int main(void) {
  int32_t level = 0, nx = 0, ny = 0;
  str(metafl_, "GKSL");
  str(setfil_, "demo.met");
  zanini_();
  getlev_(&level);
  printf(" level after zanini: %d\n", level);
  getpag_(&nx, &ny);
  printf(" page in plot units:%6d%6d\n", nx, ny);
  pagera_();
  for (int32_t i = 0; i <= 10; ++i) {
    int32_t x = 300 + i * 200, y1 = 300, y2 = 1800;
    line_(&x, &y1, &x, &y2);
  }
  int32_t x1 = 300, x2 = 2300, y = 1050;
  line_(&x1, &y, &x2, &y);
  zanfin_();
  getlev_(&level);
  printf(" level after zanfin: %d\n", level);
  return 0;
}
