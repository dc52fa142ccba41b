// Pure water: the vapour-pressure curve and the vapour's enthalpy and
// chemical potential. The vapour is taken as saturated at the pressure and
// carried to the temperature at constant pressure with the saturated
// vapour's specific heat.
#include <cmath>

#include "equilibrium.hpp"
#include "solve.hpp"
#include "vapour_tables.hpp"

namespace kxv {

using namespace vapour;

double Tsatw_P(double P) {
    const CurveRow& r = P <= 0.6108   ? kBelowIcePoint
                        : P <= 101.33 ? kBelowBoilingPoint
                                      : kAboveBoilingPoint;
    const double L = std::log(P) / std::log(10.0);
    const double D = r.B * r.B - 4 * r.C * (r.A - L);
    return -2 * r.C / (r.B + std::pow(D, 0.5));
}

SaturatedVapour saturated_at(double P) {
    const double ts = Tsatw_P(P) - 273.15;
    const VapourForms& f = ts <= 0 ? kAtOrBelowZero : kAboveZero;
    return {eval(f.hg, ts), eval(f.sg, ts), eval(f.cpv, ts), ts + 273.15};
}

double hv_TP(double T, double P) { return hv_at(saturated_at(P), T); }

double muv_TP(double T, double P) { return muv_at(saturated_at(P), T); }

}  // namespace kxv
