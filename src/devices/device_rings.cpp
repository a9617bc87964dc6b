// Rings joined into one even-odd polygon, and the default ring fill of a
// device built on it.
#include "devices/device.h"

#include <cstddef>

namespace zantor {

void joinRings(const double* x, const double* y, const int* counts, int nrings,
               std::vector<double>& px, std::vector<double>& py) {
  px.clear();
  py.clear();
  std::size_t at = 0;
  for (int k = 0; k < nrings; ++k) {
    const int n = counts[k];
    if (n >= 3) {
      const bool first = px.empty();
      px.insert(px.end(), x + at, x + at + n);
      py.insert(py.end(), y + at, y + at + n);
      px.push_back(x[at]);
      py.push_back(y[at]);
      if (!first) {
        px.push_back(px.front());
        py.push_back(py.front());
      }
    }
    if (n > 0) at += static_cast<std::size_t>(n);
  }
}

void Device::fillRings(const double* x, const double* y, const int* counts, int nrings) {
  if (nrings == 1) return fillPolygon(x, y, counts[0]);
  std::vector<double> px, py;
  joinRings(x, y, counts, nrings, px, py);
  if (px.size() >= 3) fillPolygon(px.data(), py.data(), static_cast<int>(px.size()));
}

}  // namespace zantor
