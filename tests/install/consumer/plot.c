/* A C program built against the installed library only: one page with a
 * border and a line of text, written as PostScript. */
#include <zantor.h>

int main(void) {
  const int32_t nx = 40, ny = 10;
  metafl_("POST", 4);
  setfil_("c_plot.ps", 9);
  zanini_();
  pagera_();
  messag_("installed", &nx, &ny, 9);
  zanfin_();
  return 0;
}
