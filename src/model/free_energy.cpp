// The Gibbs free energy, its concentration derivative and the chemical
// potentials. Each polynomial in x is summed from its constant term upward
// and then multiplied by its temperature or pressure factor; integer powers
// are products, x^1.1 and x^0.1 come from pow.
#include <cmath>

#include "coefficients.hpp"
#include "model.hpp"
#include "terms.hpp"

namespace kxv {

double g_TXP(double Tc, double X, double P) {
    const double x = 100.0 * X;
    const double T = Tc + kKelvin;
    const double x2 = x * x, x3 = x * x2, x11 = std::pow(x, 1.1);
    const double T2 = T * T, T3 = T * T2, T4 = T2 * T2;

    const double G0 = a[0] + a[1] * x + a[2] * x2 + a[3] * x3 + a[4] * x11;
    const double G1 = T * (a[5] + a[6] * x + a[7] * x2 + a[8] * x3 + a[9] * x11);
    const double G2 = T2 * (a[10] + a[11] * x + a[12] * x2 + a[13] * x3 + a[14] * x11);
    const double G3 = T3 * (a[15] + a[16] * x + a[17] * x2 + a[18] * x11);
    const double G4 = T4 * (a[19] + a[20] * x);
    const double G5 = (a[21] + a[22] * x) / (T - kPole);
    const double G6 = P * (a[23] + a[24] * x + a[25] * x2 + a[26] * T + (a[27] * x) * T +
                           (a[28] * x2) * T + a[29] * T2 + (a[30] * x) * T2);
    const double G7 = std::log(T) * (a[31] + a[32] * x + a[33] * x2 + a[34] * x3 + a[35] * x11);
    const double G8 =
        (T * std::log(T)) * (a[36] + a[37] * x + a[38] * x2 + a[39] * x3 + a[40] * x11);
    return G0 + G1 + G2 + G3 + G4 + G5 + G6 + G7 + G8;
}

double dgdx_TXP(double Tc, double X, double P) {
    const double x = 100.0 * X;
    const double T = Tc + kKelvin;
    const double L = std::log(T);
    const double x2 = x * x, x01 = std::pow(x, 0.1);
    const double T2 = T * T, T3 = T * T2, T4 = T2 * T2;

    const double D0 = a[1] + (2 * a[2]) * x + (3 * a[3]) * x2 + (1.1 * a[4]) * x01;
    const double D1 = T * (a[6] + (2 * a[7]) * x + (3 * a[8]) * x2 + (1.1 * a[9]) * x01);
    const double D2 = T2 * (a[11] + (2 * a[12]) * x + (3 * a[13]) * x2 + (1.1 * a[14]) * x01);
    const double D3 = T3 * (a[16] + (2 * a[17]) * x + (1.1 * a[18]) * x01);
    const double D4 = a[20] * T4;
    const double D5 = a[22] / (T - kPole);
    const double D6 =
        P * (a[24] + (2 * a[25]) * x + a[27] * T + ((2 * a[28]) * x) * T + a[30] * T2);
    const double D7 = L * (a[32] + (2 * a[33]) * x + (3 * a[34]) * x2 + (1.1 * a[35]) * x01);
    const double D8 = (T * L) * (a[37] + (2 * a[38]) * x + (3 * a[39]) * x2 + (1.1 * a[40]) * x01);
    return D0 + D1 + D2 + D3 + D4 + D5 + D6 + D7 + D8;
}

// mu_w = g - x dg/dx, expanded term by term: a term in x^n is multiplied by
// (1 - n), so the terms linear in x drop out. The terms are in terms.hpp,
// shared with the equilibrium solvers.
double muw_TXP(double Tc, double X, double P) {
    const TPowers t = t_powers(Tc);
    const WaterAtT w = water_at_T(t, std::log(t.T));
    return muw_at(water_at_TX(water_brackets(x_powers(X)), w), P);
}

// mu_s = g + (100 - x) dg/dx, expanded term by term: x^n becomes
// x^n + (100 - x) n x^(n-1).
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

void write_partials(double z, double dzdx, double x, double* out) {
    out[0] = z;
    out[1] = dzdx;
    out[2] = z - x * dzdx;
    out[3] = z + (100 - x) * dzdx;
}

}  // namespace kxv
