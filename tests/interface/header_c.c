/* The public header must compile as strict C99. */
#include <zantor.h>

int zantor_header_c_probe(void) {
  int32_t level = 0;
  getlev_(&level);
  return (int)level;
}
