// Entropy of the solution, s = -dg/dT (its terms in terms.hpp), and its
// concentration derivative term by term (the temperature-free group drops
// out).
#include <cmath>

#include "coefficients.hpp"
#include "model.hpp"
#include "terms.hpp"

namespace kxv {

double s_TXP(double Tc, double X, double P) {
    const TPowers t = t_powers(Tc);
    return s_at(x_powers(X), t, std::log(t.T), P);
}

double dsdx_TXP(double Tc, double X, double P) {
    const double x = 100.0 * X;
    const double T = Tc + kKelvin;
    const double x2 = x * x, x01 = std::pow(x, 0.1);
    const double T2 = T * T, T3 = T * T2;
    const double d = T - kPole;

    const double dS1 = -(a[6] + (2 * a[7]) * x + (3 * a[8]) * x2 + (1.1 * a[9]) * x01);
    const double dS2 =
        (-2 * T) * (a[11] + (2 * a[12]) * x + (3 * a[13]) * x2 + (1.1 * a[14]) * x01);
    const double dS3 = (-3 * T2) * (a[16] + (2 * a[17]) * x + (1.1 * a[18]) * x01);
    const double dS4 = (-4 * T3) * a[20];
    const double dS5 = a[22] / (d * d);
    const double dS6 = -P * (a[27] + (2 * a[28]) * x + (2 * a[30]) * T);
    const double dS7 =
        -(1 / T) * (a[32] + (2 * a[33]) * x + (3 * a[34]) * x2 + (1.1 * a[35]) * x01);
    const double dS8 =
        -(std::log(T) + 1) * (a[37] + (2 * a[38]) * x + (3 * a[39]) * x2 + (1.1 * a[40]) * x01);
    return dS1 + dS2 + dS3 + dS4 + dS5 + dS6 + dS7 + dS8;
}

}  // namespace kxv
