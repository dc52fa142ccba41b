// Enthalpy of the solution, h = g - T dg/dT (its terms, shared with the
// saturated enthalpy and the flash, are in terms.hpp), and its concentration
// derivative term by term: each term is named after the group of g it comes
// from (the group linear in T drops out).
#include <cmath>

#include "coefficients.hpp"
#include "model.hpp"
#include "terms.hpp"

namespace kxv {

double h_TXP(double Tc, double X, double P) {
    const TPowers t = t_powers(Tc);
    return h_at(x_powers(X), t, std::log(t.T), P);
}

double dhdx_TXP(double Tc, double X, double P) {
    const double x = 100.0 * X;
    const double T = Tc + kKelvin;
    const double x2 = x * x, x01 = std::pow(x, 0.1);
    const double T2 = T * T, T3 = T * T2, T4 = T2 * T2;
    const double d = T - kPole;

    const double dH0 = a[1] + (2 * a[2]) * x + (3 * a[3]) * x2 + (1.1 * a[4]) * x01;
    const double dH2 = -T2 * (a[11] + (2 * a[12]) * x + (3 * a[13]) * x2 + (1.1 * a[14]) * x01);
    const double dH3 = (-2 * T3) * (a[16] + (2 * a[17]) * x + (1.1 * a[18]) * x01);
    const double dH4 = (-3 * T4) * a[20];
    const double dH5 = a[22] * (T / (d * d) + 1 / d);
    const double dH6 = P * (a[24] + (2 * a[25]) * x - a[30] * T2);
    const double dH7 =
        (std::log(T) - 1) * (a[32] + (2 * a[33]) * x + (3 * a[34]) * x2 + (1.1 * a[35]) * x01);
    const double dH8 = -T * (a[37] + (2 * a[38]) * x + (3 * a[39]) * x2 + (1.1 * a[40]) * x01);
    // Here the pole term comes before the pressure term.
    return dH0 + dH2 + dH3 + dH4 + dH5 + dH6 + dH7 + dH8;
}

}  // namespace kxv
