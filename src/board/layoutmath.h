#pragma once

#include <cmath>

// The rounding rules of the layout: R(x) rounds to the nearest whole number with
// halves to the even neighbour, half(x) halves a whole number dropping the rest.
namespace layoutmath {

inline int R(double x)
{
    return static_cast<int>(std::nearbyint(x));
}

inline int half(int x)
{
    return x / 2;
}

} // namespace layoutmath
