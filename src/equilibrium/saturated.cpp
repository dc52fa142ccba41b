// The solution's enthalpy, entropy and specific heat at its equilibrium
// pressure: the concentration powers, the temperature powers and ln T of
// the pressure solve are the ones the property takes. Where the pressure
// solve does not settle there is no saturated state to describe, and its
// flag is the result: a property at a "pressure" of 9999 kPa would look
// like a real one.
#include <cmath>

#include "equilibrium.hpp"
#include "solve.hpp"

namespace kxv {
namespace {

using Property = double (*)(const XPowers& c, const TPowers& t, double L, double P);

// cp takes no ln T of its own; the solve does.
double cp_with_log(const XPowers& c, const TPowers& t, double, double P) { return cp_at(c, t, P); }

template <Property z>
double at_equilibrium(double Tc, double X) {
    const XPowers c = x_powers(X);
    const TPowers t = t_powers(Tc);
    const double L = std::log(t.T);
    const double P = psat_solve(water_at_TX(water_brackets(c), water_at_T(t, L)), t.T, nullptr);
    return P == kNotSettled ? kNotSettled : z(c, t, L, P);
}

}  // namespace

double h_sat_TX(double Tc, double X) { return at_equilibrium<h_at>(Tc, X); }
double s_sat_TX(double Tc, double X) { return at_equilibrium<s_at>(Tc, X); }
double cp_sat_TX(double Tc, double X) { return at_equilibrium<cp_with_log>(Tc, X); }

}  // namespace kxv
