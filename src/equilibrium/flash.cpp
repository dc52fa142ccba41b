// Adiabatic flash of a solution stream of enthalpy h and LiBr mass fraction
// x_in into a vessel at pressure P. If the feed holds more enthalpy than the
// feed solution at its equilibrium temperature, water evaporates until the
// remaining, richer liquid and the vapour share one equilibrium temperature;
// otherwise the feed stays liquid at the temperature that matches h. The
// vessel's pressure fixes the saturated vapour, computed once per flash for
// every temperature solve and vapour enthalpy; the concentration powers of a
// liquid serve both its temperature solve and its enthalpy.
#include <cmath>

#include "equilibrium.hpp"
#include "solve.hpp"

namespace kxv {
namespace {

constexpr double kEnergyTolerance = 1e-06;  // J/g

// The quality q solves h = q hv + (1 - q) hl with the liquid at x_in/(1 - q)
// in equilibrium at P. Within a pass hl and hv are held fixed, so the Newton
// update is the lever rule for the current liquid and vapour: a successive
// substitution that converges linearly.
Flash two_phase(double h, double P, double x_in, const SaturatedVapour& v, int* passes) {
    const double d = 0.0001;
    Flash f{0.05, 0, 0, 0, 0};
    double E0;
    int n = 0;
    do {
        const double q = f.q;
        f.x = x_in / (1 - q);
        const XPowers c = x_powers(f.x);
        f.T = tsat_solve(water_brackets(c), v, P, nullptr);
        const TPowers t = t_powers(f.T);
        f.hl = h_at(c, t, std::log(t.T), P);
        f.hv = hv_at(v, f.T + 273.15);
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
Flash liquid_only(double h, double P, double x_in, const XPowers& c, int* passes) {
    const double d = 0.01;
    double Tc = 25.0, diff;
    int n = 0;
    do {
        const TPowers t0 = t_powers(Tc), t1 = t_powers(Tc + d);
        const double H0 = h_at(c, t0, std::log(t0.T), P);
        const double H1 = h_at(c, t1, std::log(t1.T), P);
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
    const SaturatedVapour v = saturated_at(P);
    const XPowers c = x_powers(x_in);
    const double T_eq = tsat_solve(water_brackets(c), v, P, nullptr);
    const TPowers t = t_powers(T_eq);
    const double h_eq = h_at(c, t, std::log(t.T), P);
    if (h_eq < h) return two_phase(h, P, x_in, v, passes);
    if (h_eq > h) return liquid_only(h, P, x_in, c, passes);
    // Equal, or not comparable: the feed is saturated liquid.
    if (passes) *passes = 0;
    return {0.0, T_eq, x_in, h, kNotSettled};
}

}  // namespace kxv
