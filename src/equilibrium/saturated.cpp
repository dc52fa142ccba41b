// The solution's enthalpy, entropy and specific heat at its equilibrium
// pressure: the concentration powers, the temperature powers and ln T of
// the pressure solve are the ones the property takes.
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
    return h_at(c, t, L, psat(c, t, L));
}

double s_sat_TX(double Tc, double X) {
    const XPowers c = x_powers(X);
    const TPowers t = t_powers(Tc);
    const double L = std::log(t.T);
    return s_at(c, t, L, psat(c, t, L));
}

double cp_sat_TX(double Tc, double X) {
    const XPowers c = x_powers(X);
    const TPowers t = t_powers(Tc);
    return cp_at(c, t, psat(c, t, std::log(t.T)));
}

}  // namespace kxv
