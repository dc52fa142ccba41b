// The model's terms over precomputed state variables, for the functions that
// evaluate it many times at a shared temperature, concentration or pressure:
// the equilibrium solvers, the flash and the saturated properties. The
// closed forms are built from the same pieces, so every path performs the
// same operations in the same order and rounds alike.
#pragma once

#include <cmath>

#include "coefficients.hpp"

namespace kxv {

// Concentration side: x = 100 X and the powers of x the terms use.
struct XPowers {
    double x, x2, x3, x11;
};

inline XPowers x_powers(double X) {
    const double x = 100.0 * X;
    const double x2 = x * x;
    return {x, x2, x * x2, std::pow(x, 1.1)};
}

// Temperature side: T in K and its integer powers. ln T is passed apart, as
// not every property needs it.
struct TPowers {
    double T, T2, T3, T4;
};

inline TPowers t_powers(double Tc) {
    const double T = Tc + kKelvin;
    const double T2 = T * T;
    return {T, T2, T * T2, T2 * T2};
}

// ---- Chemical potential of water, mu_w = g - x dg/dx ------------------------
// Expanded term by term: a term in x^n is multiplied by (1 - n), so the
// terms linear in x drop out.

// The concentration brackets of mu_w: its temperature-free term and the
// factors of T, T^2, T^3, ln T and T ln T, with x^2 for the pressure term.
struct WaterBrackets {
    double w0, b1, b2, b3, b7, b8, x2;
};

inline WaterBrackets water_brackets(const XPowers& c) {
    const double x2 = c.x2, x3 = c.x3, x11 = c.x11;
    return {a[0] - a[2] * x2 - (2 * a[3]) * x3 - (0.1 * a[4]) * x11,
            a[5] - a[7] * x2 - (2 * a[8]) * x3 - (0.1 * a[9]) * x11,
            a[10] - a[12] * x2 - (2 * a[13]) * x3 - (0.1 * a[14]) * x11,
            a[15] - a[17] * x2 - (0.1 * a[18]) * x11,
            a[31] - a[33] * x2 - (2 * a[34]) * x3 - (0.1 * a[35]) * x11,
            a[36] - a[38] * x2 - (2 * a[39]) * x3 - (0.1 * a[40]) * x11,
            x2};
}

// The parts of mu_w that depend on temperature alone: the T^4 and pole
// terms, the leading part of the pressure bracket, ln T and T ln T.
struct WaterAtT {
    double T, T2, T3, W4, W5, c6, L, TL;
};

inline WaterAtT water_at_T(const TPowers& t, double L) {
    const double T = t.T, T2 = t.T2;
    return {T, T2,   t.T3, a[19] * t.T4, a[21] / (T - kPole), a[23] + a[26] * T + a[29] * T2,
            L, T * L};
}

// mu_w at a fixed temperature and concentration, as a function of P: the
// sum of the terms that precede the pressure term, the pressure term's
// bracket and the two terms after it.
struct WaterAtTX {
    double head, b6, W7, W8;
};

inline WaterAtTX water_at_TX(const WaterBrackets& b, const WaterAtT& w) {
    const double W1 = w.T * b.b1, W2 = w.T2 * b.b2, W3 = w.T3 * b.b3;
    return {b.w0 + W1 + W2 + W3 + w.W4 + w.W5, w.c6 - a[25] * b.x2 - (a[28] * b.x2) * w.T,
            w.L * b.b7, w.TL * b.b8};
}

inline double muw_at(const WaterAtTX& w, double P) { return w.head + P * w.b6 + w.W7 + w.W8; }

// ---- Enthalpy, entropy and specific heat -------------------------------------

// h = g - T dg/dT, term by term, named after the group of g each comes from.
inline double h_at(const XPowers& c, const TPowers& t, double L, double P) {
    const double x = c.x, x2 = c.x2, x3 = c.x3, x11 = c.x11;
    const double T = t.T, T2 = t.T2, T3 = t.T3, T4 = t.T4;
    const double d = T - kPole;

    const double H0 = a[0] + a[1] * x + a[2] * x2 + a[3] * x3 + a[4] * x11;
    const double H2 = -T2 * (a[10] + a[11] * x + a[12] * x2 + a[13] * x3 + a[14] * x11);
    const double H3 = (-2 * T3) * (a[15] + a[16] * x + a[17] * x2 + a[18] * x11);
    const double H4 = (-3 * T4) * (a[19] + a[20] * x);
    const double H5 = (a[21] + a[22] * x) * (T / (d * d) + 1 / d);
    const double H6 = P * (a[23] + a[24] * x + a[25] * x2 - a[29] * T2 - (a[30] * x) * T2);
    const double H7 = (L - 1) * (a[31] + a[32] * x + a[33] * x2 + a[34] * x3 + a[35] * x11);
    const double H8 = -T * (a[36] + a[37] * x + a[38] * x2 + a[39] * x3 + a[40] * x11);
    // The pressure term is added before the pole term.
    return H0 + H2 + H3 + H4 + H6 + H5 + H7 + H8;
}

// s = -dg/dT, term by term (the temperature-free group drops out).
inline double s_at(const XPowers& c, const TPowers& t, double L, double P) {
    const double x = c.x, x2 = c.x2, x3 = c.x3, x11 = c.x11;
    const double T = t.T, T2 = t.T2, T3 = t.T3;
    const double d = T - kPole;

    const double S1 = -(a[5] + a[6] * x + a[7] * x2 + a[8] * x3 + a[9] * x11);
    const double S2 = (-2 * T) * (a[10] + a[11] * x + a[12] * x2 + a[13] * x3 + a[14] * x11);
    const double S3 = (-3 * T2) * (a[15] + a[16] * x + a[17] * x2 + a[18] * x11);
    const double S4 = (-4 * T3) * (a[19] + a[20] * x);
    const double S5 = (a[21] + a[22] * x) / (d * d);
    const double S6 =
        -P * (a[26] + a[27] * x + a[28] * x2 + (2 * a[29]) * T + ((2 * a[30]) * T) * x);
    const double S7 = -(1 / T) * (a[31] + a[32] * x + a[33] * x2 + a[34] * x3 + a[35] * x11);
    const double S8 = -(L + 1) * (a[36] + a[37] * x + a[38] * x2 + a[39] * x3 + a[40] * x11);
    return S1 + S2 + S3 + S4 + S5 + S6 + S7 + S8;
}

// cp = -T d2g/dT2, term by term: the groups at most linear in T drop out,
// and of the pressure group only its T^2 part remains.
inline double cp_at(const XPowers& c, const TPowers& t, double P) {
    const double x = c.x, x2 = c.x2, x3 = c.x3, x11 = c.x11;
    const double T = t.T, T2 = t.T2, T3 = t.T3;
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
