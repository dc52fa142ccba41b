// Specific volume v = dg/dP: the bracket of the pressure group of g, so it
// does not depend on pressure (J/g per kPa is m^3/kg).
#include "coefficients.hpp"
#include "model.hpp"

namespace kxv {

double v_TX(double Tc, double x) {
    const double T = Tc + kKelvin;
    const double x2 = x * x, T2 = T * T;
    return a[23] + a[24] * x + a[25] * x2 + a[26] * T + (a[27] * x) * T + (a[28] * x2) * T +
           a[29] * T2 + (a[30] * x) * T2;
}

double dvdx_TX(double Tc, double x) {
    const double T = Tc + kKelvin;
    return a[24] + (2 * a[25]) * x + a[27] * T + ((2 * a[28]) * x) * T + (a[30] * T) * T;
}

}  // namespace kxv
