// Isobaric specific heat, cp = -T d2g/dT2 (= dh/dT), term by term: the
// groups at most linear in T drop out, and of the pressure group only its
// T^2 part remains.
#include <cmath>

#include "coefficients.hpp"
#include "model.hpp"

namespace kxv {

double cp_TXP(double Tc, double X, double P) {
    const double x = 100.0 * X;
    const double T = Tc + kKelvin;
    const double x2 = x * x, x3 = x * x2, x11 = std::pow(x, 1.1);
    const double T2 = T * T, T3 = T * T2;
    const double d = T - kPole, d3 = d * (d * d);

    const double C2 = (-2 * T) * (a[10] + a[11] * x + a[12] * x2 + a[13] * x3 + a[14] * x11);
    const double C3 = (-6 * T2) * (a[15] + a[16] * x + a[17] * x2 + a[18] * x11);
    const double C4 = (-12 * T3) * (a[19] + a[20] * x);
    const double C5 = (-2 * T) * (a[21] + a[22] * x) / d3;
    const double C6 = (-2 * P * T) * (a[29] + a[30] * x);
    const double C7 = (1 / T) * (a[31] + a[32] * x + a[33] * x2 + a[34] * x3 + a[35] * x11);
    const double C8 = -(a[36] + a[37] * x + a[38] * x2 + a[39] * x3 + a[40] * x11);
    return C2 + C3 + C4 + C5 + C6 + C7 + C8;
}

}  // namespace kxv
