#pragma once
// Decimal constants of the analysis that are single-precision values widened
// to double: results agree with the published output to the last digit only
// with these exact widened values.

namespace torven::k {

inline constexpr double kPiSingle = double(3.1416f);
inline constexpr double kKipFactor = double(0.036f);
inline constexpr double kGravity = double(9.81f);
inline constexpr double k0_5292 = double(0.5292f);
inline constexpr double k0_5659 = double(0.5659f);
inline constexpr double k1_3 = double(1.3f);
inline constexpr double k2_83 = double(2.83f);
inline constexpr double k0_223 = double(0.223f);
inline constexpr double k0_46 = double(0.46f);
inline constexpr double k0_55 = double(0.55f);
inline constexpr double k0_59 = double(0.59f);
inline constexpr double k1_77 = double(1.77f);
inline constexpr double k0_28 = double(0.28f);
inline constexpr double k0_203 = double(0.203f);
inline constexpr double k0_16 = double(0.16f);
inline constexpr double k0_4 = double(0.4f);
inline constexpr double k1_273 = double(1.273f);    // 4 / pi in the layer resultants
inline constexpr double k0_6366 = double(0.6366f);  // 2 / pi in the layer resultants
inline constexpr double kDegreesPerRadian = double(57.2958f);
inline constexpr double k0_1 = double(0.1f);
inline constexpr double k0_01 = double(0.01f);

// p-y curve generation.
inline constexpr double k0_6 = double(0.6f);
inline constexpr double k1_1 = double(1.1f);
inline constexpr double k3_1 = double(3.1f);
inline constexpr double k1_2 = double(1.2f);
inline constexpr double k1_05 = double(1.05f);
inline constexpr double k1_15 = double(1.15f);
inline constexpr double k0_055 = double(0.055f);
inline constexpr double k0_411 = double(0.411f);
inline constexpr double k1_225 = double(1.225f);
inline constexpr double k0_88 = double(0.88f);
inline constexpr double k1_4 = double(1.4f);
inline constexpr double k5_2 = double(5.2f);
inline constexpr double k0_0004 = double(0.0004f);
inline constexpr double k0_1745333 = double(0.1745333f);  // 10 degrees of wall friction

// The handshake value shared with the front-end.
inline constexpr int kHandshake = 14;

}  // namespace torven::k
