// The vapour, the solvers, the flash and the saturated properties of the
// plain forms: each residual is muw_TXP - muv_TP in full.
#include <cmath>

#include "plain.hpp"
#include "vapour_tables.hpp"

namespace kxv::plain {
namespace {

using namespace vapour;

struct SaturatedVapour {
    double hg, sg, cpv;
    double Ts;  // K
};

SaturatedVapour saturated_at(double P) {
    const double ts = Tsatw_P(P) - 273.15;
    const VapourForms& f = ts <= 0 ? kAtOrBelowZero : kAboveZero;
    return {eval(f.hg, ts), eval(f.sg, ts), eval(f.cpv, ts), ts + 273.15};
}

}  // namespace

double Tsatw_P(double P) {
    const CurveRow& r = P <= 0.6108   ? kBelowIcePoint
                        : P <= 101.33 ? kBelowBoilingPoint
                                      : kAboveBoilingPoint;
    const double L = std::log(P) / std::log(10.0);
    const double D = r.B * r.B - 4 * r.C * (r.A - L);
    return -2 * r.C / (r.B + std::pow(D, 0.5));
}

double hv_TP(double T, double P) {
    const SaturatedVapour s = saturated_at(P);
    return s.hg + s.cpv * (T - s.Ts);
}

double muv_TP(double T, double P) {
    const SaturatedVapour s = saturated_at(P);
    const double hv = s.hg + s.cpv * (T - s.Ts);
    const double sv = s.sg + s.cpv * std::log(T / s.Ts);
    return hv - T * sv;
}

namespace {

constexpr double kTolerance = 1e-05;  // J/g, on the residual
constexpr int kPassLimit = 200;

double residual(double Tc, double X, double P) {
    return muw_TXP(Tc, X, P) - muv_TP(Tc + 273.15, P);
}

void report(int* passes, int n) {
    if (passes) *passes = n;
}

}  // namespace

// Starts at 0.02 kPa and stops once the residual of a pass is within the
// tolerance (or not a number), returning the estimate after that pass. At
// low temperature and high concentration the equilibrium pressure lies far
// below the start and a full Newton step would land below zero; such a step
// is replaced by a tenth of the current pressure.
double Psat_TX(double Tc, double X, int* passes) {
    const double d = 1e-05;
    double P = 0.02;
    for (int n = 1;; ++n) {
        const double f0 = residual(Tc, X, P);
        const double f1 = residual(Tc, X, P + d);
        const double Pn = P - f0 * d / (f1 - f0);
        if (n > kPassLimit) {
            report(passes, n);
            return kNotSettled;
        }
        if (!(std::fabs(f0) > kTolerance)) {
            report(passes, n);
            return Pn;
        }
        P = Pn > 0 ? Pn : P / 10;  // f0 is a number here; so may Pn not be
    }
}

// Starts at 20 degC; returns the estimate one step past the first pass whose
// residual is within the tolerance. A residual that is not a number runs the
// iteration to its limit.
double Tsat_PX(double P, double X, int* passes) {
    const double d = 0.001;
    double Tc = 20.0;
    for (int n = 1;; ++n) {
        const double f0 = residual(Tc, X, P);
        const double f1 = residual(Tc + d, X, P);
        Tc = Tc - f0 * d / (f1 - f0);
        if (std::fabs(f0) < kTolerance) {
            report(passes, n);
            return Tc;
        }
        if (n >= kPassLimit) {
            report(passes, n);
            return kNotSettled;
        }
    }
}

// Starts at a mass fraction of 0.5. Where the pressure exceeds what pure
// water has at the temperature there is no root: the iterate turns negative
// and the limit is reached. A root above a mass fraction of 1 is no physical
// state either and is reported the same way.
double Xsat_TP(double Tc, double P, int* passes) {
    const double d = 0.0001;
    double X = 0.5;
    for (int n = 1;; ++n) {
        const double f0 = residual(Tc, X, P);
        const double f1 = residual(Tc, X + d, P);
        X = X - f0 * d / (f1 - f0);
        if (std::fabs(f0) < kTolerance) {
            report(passes, n);
            return X > 1 ? kNotSettled : X;
        }
        if (n >= kPassLimit) {
            report(passes, n);
            return kNotSettled;
        }
    }
}

namespace {

constexpr double kEnergyTolerance = 1e-06;  // J/g

// The quality q solves h = q hv + (1 - q) hl with the liquid at x_in/(1 - q)
// in equilibrium at P. Within a pass hl and hv are held fixed, so the Newton
// update is the lever rule for the current liquid and vapour: a successive
// substitution that converges linearly.
Flash two_phase(double h, double P, double x_in, int* passes, int* solver_passes) {
    const double d = 0.0001;
    Flash f{0.05, 0, 0, 0, 0};
    double E0;
    int n = 0;
    do {
        const double q = f.q;
        f.x = x_in / (1 - q);
        int m = 0;
        f.T = Tsat_PX(P, f.x, &m);
        *solver_passes += m;
        f.hl = h_TXP(f.T, f.x, P);
        f.hv = hv_TP(f.T + 273.15, P);
        E0 = h - (q * f.hv + (1 - q) * f.hl);
        const double E1 = h - ((q + d) * f.hv + (1 - (q + d)) * f.hl);
        f.q = q - E0 * d / (E1 - E0);
        ++n;
    } while (std::fabs(E0) > kEnergyTolerance && n < 200);
    // A search that ran out of passes, or whose quality left (0, 1) so that
    // the residual became NaN, has not settled.
    if (!(std::fabs(E0) <= kEnergyTolerance)) f.q = kNotSettled;
    if (passes) *passes = n;
    return f;
}

// The temperature at which the feed solution has the enthalpy h.
Flash liquid_only(double h, double P, double x_in, int* passes) {
    const double d = 0.01;
    double Tc = 25.0, diff;
    int n = 0;
    do {
        const double H0 = h_TXP(Tc, x_in, P);
        const double H1 = h_TXP(Tc + d, x_in, P);
        diff = h - H0;
        Tc = Tc + diff * d / (H1 - H0);
        ++n;
    } while (std::fabs(diff) > kEnergyTolerance && n < 20);
    if (passes) *passes = n;
    const double q = std::fabs(diff) <= kEnergyTolerance ? 0.0 : kNotSettled;
    return {q, Tc, x_in, h, kNotSettled};
}

}  // namespace

Flash flash_hPX(double h, double P, double x_in, int* passes, int* solver_passes) {
    int m = 0;
    const double T_eq = Tsat_PX(P, x_in, &m);
    if (!solver_passes) solver_passes = &m;
    *solver_passes = m;
    const double h_eq = h_TXP(T_eq, x_in, P);
    if (h_eq < h) return two_phase(h, P, x_in, passes, solver_passes);
    if (h_eq > h) return liquid_only(h, P, x_in, passes);
    // Equal, or not comparable: the feed is saturated liquid.
    if (passes) *passes = 0;
    return {0.0, T_eq, x_in, h, kNotSettled};
}

namespace {
double at_equilibrium(double (*z)(double, double, double), double Tc, double X) {
    const double P = Psat_TX(Tc, X);
    return P == kNotSettled ? kNotSettled : z(Tc, X, P);
}
}  // namespace

double h_sat_TX(double Tc, double X) { return at_equilibrium(h_TXP, Tc, X); }
double s_sat_TX(double Tc, double X) { return at_equilibrium(s_TXP, Tc, X); }
double cp_sat_TX(double Tc, double X) { return at_equilibrium(cp_TXP, Tc, X); }

}  // namespace kxv::plain
