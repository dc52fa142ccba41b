// The solution side of the plain forms, term by term.
#include <cmath>

#include "coefficients.hpp"
#include "model.hpp"
#include "plain.hpp"

namespace kxv::plain {

double muw_TXP(double Tc, double X, double P) {
    const double x = 100.0 * X;
    const double T = Tc + kKelvin;
    const double L = std::log(T);
    const double x2 = x * x, x3 = x * x2, x11 = std::pow(x, 1.1);
    const double T2 = T * T, T3 = T * T2, T4 = T2 * T2;

    const double W0 = a[0] - a[2] * x2 - (2 * a[3]) * x3 - (0.1 * a[4]) * x11;
    const double W1 = T * (a[5] - a[7] * x2 - (2 * a[8]) * x3 - (0.1 * a[9]) * x11);
    const double W2 = T2 * (a[10] - a[12] * x2 - (2 * a[13]) * x3 - (0.1 * a[14]) * x11);
    const double W3 = T3 * (a[15] - a[17] * x2 - (0.1 * a[18]) * x11);
    const double W4 = a[19] * T4;
    const double W5 = a[21] / (T - kPole);
    const double W6 = P * (a[23] + a[26] * T + a[29] * T2 - a[25] * x2 - (a[28] * x2) * T);
    const double W7 = L * (a[31] - a[33] * x2 - (2 * a[34]) * x3 - (0.1 * a[35]) * x11);
    const double W8 = (T * L) * (a[36] - a[38] * x2 - (2 * a[39]) * x3 - (0.1 * a[40]) * x11);
    return W0 + W1 + W2 + W3 + W4 + W5 + W6 + W7 + W8;
}
double mus_TXP(double Tc, double x, double P) {
    const double T = Tc + kKelvin;
    const double L = std::log(T);
    const double x2 = x * x, x3 = x * x2;
    const double T2 = T * T, T3 = T * T2, T4 = T2 * T2;
    const double Q2 = 200 * x - x2;
    const double Q3 = 300 * x2 - 2 * x3;
    const double Q11 = 110 * std::pow(x, 0.1) - 0.1 * std::pow(x, 1.1);

    const double S0 = a[0] + 100 * a[1] + a[2] * Q2 + a[3] * Q3 + a[4] * Q11;
    const double S1 = T * (a[5] + 100 * a[6] + a[7] * Q2 + a[8] * Q3 + a[9] * Q11);
    const double S2 = T2 * (a[10] + 100 * a[11] + a[12] * Q2 + a[13] * Q3 + a[14] * Q11);
    const double S3 = T3 * (a[15] + 100 * a[16] + a[17] * Q2 + a[18] * Q11);
    const double S4 = (a[19] + 100 * a[20]) * T4;
    const double S5 = (a[21] + 100 * a[22]) / (T - kPole);
    const double S6 = P * (a[23] + 100 * a[24] + a[25] * Q2 + (a[26] + 100 * a[27]) * T +
                           (a[28] * T) * Q2 + (a[29] + 100 * a[30]) * T2);
    const double S7 = L * (a[31] + 100 * a[32] + a[33] * Q2 + a[34] * Q3 + a[35] * Q11);
    const double S8 = (T * L) * (a[36] + 100 * a[37] + a[38] * Q2 + a[39] * Q3 + a[40] * Q11);
    return S0 + S1 + S2 + S3 + S4 + S5 + S6 + S7 + S8;
}

double h_TXP(double Tc, double X, double P) {
    const double x = 100.0 * X;
    const double T = Tc + kKelvin;
    const double x2 = x * x, x3 = x * x2, x11 = std::pow(x, 1.1);
    const double T2 = T * T, T3 = T * T2, T4 = T2 * T2;
    const double d = T - kPole;

    const double H0 = a[0] + a[1] * x + a[2] * x2 + a[3] * x3 + a[4] * x11;
    const double H2 = -T2 * (a[10] + a[11] * x + a[12] * x2 + a[13] * x3 + a[14] * x11);
    const double H3 = (-2 * T3) * (a[15] + a[16] * x + a[17] * x2 + a[18] * x11);
    const double H4 = (-3 * T4) * (a[19] + a[20] * x);
    const double H5 = (a[21] + a[22] * x) * (T / (d * d) + 1 / d);
    const double H6 = P * (a[23] + a[24] * x + a[25] * x2 - a[29] * T2 - (a[30] * x) * T2);
    const double H7 =
        (std::log(T) - 1) * (a[31] + a[32] * x + a[33] * x2 + a[34] * x3 + a[35] * x11);
    const double H8 = -T * (a[36] + a[37] * x + a[38] * x2 + a[39] * x3 + a[40] * x11);
    // The pressure term is added before the pole term.
    return H0 + H2 + H3 + H4 + H6 + H5 + H7 + H8;
}

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

}  // namespace kxv::plain
