// Fields of the state record owned by the depth buffer and the lighting
// of shaded 3D pictures.
#pragma once
#include <cstdint>

namespace zantor {

struct ShadingFields {
  int32_t izbfmd = 1;       // shading routines use the depth buffer
  float xzbfsc = 1.5f;      // scale factor of the depth buffer
  int32_t izbfon = 0;       // 1 while zbfini's depth buffer exists
  int32_t ishsrf = 0;       // shaded surfaces: 0 smooth, 1 flat (one colour a face)
  int32_t isrmsh = 0;       // mesh lines of shaded surfaces: 0 off, 1 on, 2 only
  int32_t ilitop = 0;       // lighting on
  int32_t ilitmd[8] = {1, 0, 0, 0, 0, 0, 0, 0};  // light source switched on
  // Light positions as set: the form (0 absolute, 1 user, 2 angles) and
  // the three values; absolute positions are resolved when lighting runs.
  int32_t ilitps[8] = {};
  float xlitps[8] = {4, 4, 4, 4, 4, 4, 4, 4};
  float ylitps[8] = {-5, -5, -5, -5, -5, -5, -5, -5};
  float zlitps[8] = {4, 4, 4, 4, 4, 4, 4, 4};
  float xlitam[8][3] = {}, xlitdf[8][3] = {}, xlitsp[8][3] = {};  // per R, G, B
  float xlitco[8] = {}, xlitli[8] = {}, xlitqu[8] = {};
  float xscamb[3] = {0.2f, 0.2f, 0.2f};
  float xrflam[3] = {0.2f, 0.2f, 0.2f}, xrfldf[3] = {0.8f, 0.8f, 0.8f};
  float xrflsp[3] = {0, 0, 0};
  float xrflsh = 0.0f;
};

}  // namespace zantor
