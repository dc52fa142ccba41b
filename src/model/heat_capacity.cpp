// Isobaric specific heat, cp = -T d2g/dT2 (= dh/dT); its terms are in
// terms.hpp, shared with the specific heat at the equilibrium pressure.
#include <cmath>

#include "coefficients.hpp"
#include "model.hpp"
#include "terms.hpp"

namespace kxv {

double cp_TXP(double Tc, double X, double P) { return cp_at(x_powers(X), t_powers(Tc), P); }

}  // namespace kxv
