// Entropy of the solution, s = -dg/dT, term by term (the temperature-free
// group drops out), and its concentration derivative.
#include <cmath>

#include "coefficients.hpp"
#include "model.hpp"

namespace kxv {

double s_TXP(double Tc, double X, double P) {
    const double x = 100.0 * X;
    const double T = Tc + kKelvin;
    const double x2 = x * x, x3 = x * x2, x11 = std::pow(x, 1.1);
    const double T2 = T * T, T3 = T * T2;
    const double d = T - kPole;

    const double S1 = -(a[5] + a[6] * x + a[7] * x2 + a[8] * x3 + a[9] * x11);
    const double S2 = (-2 * T) * (a[10] + a[11] * x + a[12] * x2 + a[13] * x3 + a[14] * x11);
    const double S3 = (-3 * T2) * (a[15] + a[16] * x + a[17] * x2 + a[18] * x11);
    const double S4 = (-4 * T3) * (a[19] + a[20] * x);
    const double S5 = (a[21] + a[22] * x) / (d * d);
    const double S6 =
        -P * (a[26] + a[27] * x + a[28] * x2 + (2 * a[29]) * T + ((2 * a[30]) * T) * x);
    const double S7 = -(1 / T) * (a[31] + a[32] * x + a[33] * x2 + a[34] * x3 + a[35] * x11);
    const double S8 =
        -(std::log(T) + 1) * (a[36] + a[37] * x + a[38] * x2 + a[39] * x3 + a[40] * x11);
    return S1 + S2 + S3 + S4 + S5 + S6 + S7 + S8;
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
