/* The quick plots from C, the way a C program calls them: each call makes
 * a whole picture and finishes its file.  The program checks the levels
 * and the files it expects and exits with 1 on the first difference;
 * check_c_program.sh then hands the files to independent readers. */
#include <stdio.h>
#include <string.h>
#include <zantor.h>

static int failures = 0;

static void str(void (*f)(const char*, size_t), const char* s) { f(s, strlen(s)); }

static void expect_level(int32_t want, const char* after) {
  int32_t level = -1;
  getlev_(&level);
  if (level != want) {
    printf("level %d after %s, expected %d\n", level, after, want);
    ++failures;
  }
}

/* The file exists and begins with the bytes of its format. */
static void expect_file(const char* name, const char* magic) {
  char head[16] = {0};
  FILE* f = fopen(name, "rb");
  size_t n = f ? fread(head, 1, strlen(magic), f) : 0;
  if (f) fclose(f);
  if (n != strlen(magic) || memcmp(head, magic, n) != 0) {
    printf("%s is missing or does not begin with %s\n", name, magic);
    ++failures;
  }
}

static void open_file(const char* format, const char* name) {
  str(metafl_, format);
  str(setfil_, name);
  str(filmod_, "DELE");
}

int main(void) {
  float x[50], y[50], y2[50], y3[50], z[20 * 15], bars[6] = {3, 5, 2, 7, 4, 6};
  float pie[4] = {40, 30, -20, 10};
  int32_t n = 50, nb = 6, np = 4, nx = 20, ny = 15, levels = 6;
  for (int i = 0; i < 50; ++i) {
    x[i] = (float)i;
    y[i] = (float)(i * i) / 50.0f;
    y2[i] = 40.0f - 0.8f * (float)i;
    y3[i] = 0.5f * y[i];
  }
  for (int j = 0; j < ny; ++j)
    for (int i = 0; i < nx; ++i) z[j * nx + i] = (float)((i - 10) * (i - 10) + (j - 7) * (j - 7));

  /* The X axis fixed to 0..20 before anything else is called: the curve
   * reaches 49, so the points beyond are reported (warning 162). */
  float a = 0, e = 20, orig = 0, step = 5;
  qplscl_(&a, &e, &orig, &step, "X", 1);

  open_file("PS", "c_line.ps");
  qplot_(x, y, &n);
  expect_level(0, "qplot");
  expect_file("c_line.ps", "%!PS");
  qplscl_(&a, &e, &orig, &step, "RESET", 5);

  open_file("PDF", "c_curves.pdf");
  qplcrv_(x, y, &n, "FIRST", 5);
  expect_level(2, "qplcrv FIRST");
  qplcrv_(x, y2, &n, "NEXT", 4);
  expect_level(2, "qplcrv NEXT");
  qplcrv_(x, y3, &n, "LAST", 4);
  expect_level(0, "qplcrv LAST");
  expect_file("c_curves.pdf", "%PDF-");

  open_file("SVG", "c_bars.svg");
  qplbar_(bars, &nb);
  expect_level(0, "qplbar");
  expect_file("c_bars.svg", "<?xml");

  open_file("PNG", "c_pie.png");
  qplpie_(pie, &np);
  expect_level(0, "qplpie");
  expect_file("c_pie.png", "\x89PNG");

  open_file("EPS", "c_surface.eps");
  qplsur_(z, &nx, &ny);
  expect_level(0, "qplsur");
  expect_file("c_surface.eps", "%!PS");

  open_file("PS", "c_contour.ps");
  qplcon_(z, &nx, &ny, &levels);
  expect_level(0, "qplcon");
  expect_file("c_contour.ps", "%!PS");

  open_file("PDF", "c_colour.pdf");
  qplclr_(z, &nx, &ny);
  expect_level(0, "qplclr");
  expect_file("c_colour.pdf", "%PDF-");

  open_file("PNG", "c_scatter.png");
  qplsca_(x, y2, &n);
  expect_level(0, "qplsca");
  expect_file("c_scatter.png", "\x89PNG");

  printf("%d failures\n", failures);
  return failures == 0 ? 0 : 1;
}
