// Thermal conductivity and viscosity of the solution, fits in T (K) and the
// mass fraction X itself.
#include <cmath>

#include "correlations.hpp"

namespace kxv {
namespace {

// k = (c0 + c1 X) + (c2 + c3 X) T + (c4 + c5 X) T^2 + (c6 + c7 X) T^3
constexpr double c[8] = {-0.88045,    0.883985,   0.0089866,  -0.0076652,
                         -1.5543e-05, 1.3887e-05, 7.3203e-09, -6.3195e-09};

// ln mu = (d0 + d1 X^2) + (d2 + d3 X^2)/T + (d4 + d5 X^2)/T^2
constexpr double d[6] = {-2.321264167, 3.190587778, -609.4495716,
                         963.1637016,  372994.8558, -35211.99699};

}  // namespace

double k_TX(double Tc, double X) {
    const double T = Tc + 273.15;
    const double T2 = T * T, T3 = T * T2;
    const double S1 = (c[0] + c[1] * X) + (c[2] + c[3] * X) * T;
    const double S2 = (c[4] + c[5] * X) * T2;
    const double S3 = (c[6] + c[7] * X) * T3 + S2;
    return S1 + S3;
}

double visc_TX(double Tc, double X) {
    const double T = Tc + 273.15;
    const double X2 = X * X;
    const double E = d[0] + d[1] * X2;
    const double F = (d[2] + d[3] * X2) / T + E;
    const double G = (d[4] + d[5] * X2) / (T * T) + F;
    return std::exp(G);
}

}  // namespace kxv
