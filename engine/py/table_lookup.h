#pragma once
// Linear interpolation in a short table of ascending abscissae, constant
// beyond both ends.
#include <array>
#include <cstddef>

namespace torven::py {

template <std::size_t N>
double interpolate(const std::array<double, N>& x, const std::array<double, N>& v, double at) {
    if (!(at > x[0])) return v[0];
    for (std::size_t i = 1; i < N; ++i)
        if (at <= x[i]) return v[i - 1] + (v[i] - v[i - 1]) * (at - x[i - 1]) / (x[i] - x[i - 1]);
    return v[N - 1];
}

}  // namespace torven::py
