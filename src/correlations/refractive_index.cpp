// Refractive index: quadratic in the mass percentage, linear in degC.
#include "correlations.hpp"

namespace kxv {

double refindex_TX(double Tc, double X) {
    constexpr double r0 = 1.3348;    // at 0 degC and x = 0
    constexpr double r1 = 0.000106;  // decrease per degC
    constexpr double r2 = 0.00108;   // per mass percent
    constexpr double r3 = 2.41e-05;  // per (mass percent)^2
    const double x = 100.0 * X;
    return ((r3 * (x * x) + r2 * x) - r1 * Tc) + r0;
}

}  // namespace kxv
