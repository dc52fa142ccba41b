// Adiabatic flash of a solution stream of enthalpy h and LiBr mass fraction
// x_in into a vessel at pressure P. If the feed holds more enthalpy than the
// feed solution at its equilibrium temperature, water evaporates until the
// remaining, richer liquid and the vapour share one equilibrium temperature;
// otherwise the feed stays liquid at the temperature that matches h.
#include <cmath>

#include "equilibrium.hpp"
#include "model.hpp"

namespace kxv {
namespace {

constexpr double kEnergyTolerance = 1e-06;  // J/g

// The quality q solves h = q hv + (1 - q) hl with the liquid at x_in/(1 - q)
// in equilibrium at P. Within a pass hl and hv are held fixed, so the Newton
// update is the lever rule for the current liquid and vapour: a successive
// substitution that converges linearly.
Flash two_phase(double h, double P, double x_in, int* passes) {
    const double d = 0.0001;
    Flash f{0.05, 0, 0, 0, 0};
    double E0;
    int n = 0;
    do {
        const double q = f.q;
        f.x = x_in / (1 - q);
        f.T = Tsat_PX(P, f.x);
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

Flash flash_hPX(double h, double P, double x_in, int* passes) {
    const double T_eq = Tsat_PX(P, x_in);
    const double h_eq = h_TXP(T_eq, x_in, P);
    if (h_eq < h) return two_phase(h, P, x_in, passes);
    if (h_eq > h) return liquid_only(h, P, x_in, passes);
    // Equal, or not comparable: the feed is saturated liquid.
    if (passes) *passes = 0;
    return {0.0, T_eq, x_in, h, kNotSettled};
}

}  // namespace kxv
