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

double psat(const XPowers& c, const TPowers& t, double L) {
    return psat_solve(water_at_TX(water_brackets(c), water_at_T(t, L)), t.T, nullptr);
}

}  // namespace

double h_sat_TX(double Tc, double X) {
    const XPowers c = x_powers(X);
    const TPowers t = t_powers(Tc);
    const double L = std::log(t.T);
    const double P = psat(c, t, L);
    return P == kNotSettled ? kNotSettled : h_at(c, t, L, P);
}

double s_sat_TX(double Tc, double X) {
    const XPowers c = x_powers(X);
    const TPowers t = t_powers(Tc);
    const double L = std::log(t.T);
    const double P = psat(c, t, L);
    return P == kNotSettled ? kNotSettled : s_at(c, t, L, P);
}

double cp_sat_TX(double Tc, double X) {
    const XPowers c = x_powers(X);
    const TPowers t = t_powers(Tc);
    const double P = psat(c, t, std::log(t.T));
    return P == kNotSettled ? kNotSettled : cp_at(c, t, P);
}

}  // namespace kxv
