// The pieces the equilibrium solvers, the flash and the saturated properties
// share: the saturated-vapour state at a pressure and the three Newton
// iterations over precomputed parts of the residual muw_TXP - muv_TP. What a
// solve holds fixed is computed once, with the operations a full evaluation
// of the residual performs, so the passes and results are those of the full
// evaluation to the last bit.
#pragma once

#include <cmath>

#include "terms.hpp"

namespace kxv {

// Saturated water vapour at a pressure: enthalpy J/g, entropy and specific
// heat J/g-K, and the saturation temperature Ts in K.
struct SaturatedVapour {
    double hg, sg, cpv;
    double Ts;
};

SaturatedVapour saturated_at(double P);

// The vapour at T (K), carried from Ts at constant pressure with cpv.
inline double hv_at(const SaturatedVapour& s, double T) { return s.hg + s.cpv * (T - s.Ts); }

inline double muv_at(const SaturatedVapour& s, double T) {
    const double hv = s.hg + s.cpv * (T - s.Ts);
    const double sv = s.sg + s.cpv * std::log(T / s.Ts);
    return hv - T * sv;
}

// Equilibrium pressure at the solution's fixed temperature and
// concentration w; T is that temperature in K.
double psat_solve(const WaterAtTX& w, double T, int* passes);

// Equilibrium temperature (degC) of the solution of brackets b under the
// vapour v saturated at P.
double tsat_solve(const WaterBrackets& b, const SaturatedVapour& v, double P, int* passes);

// Equilibrium mass fraction at the solution's fixed temperature w, with the
// vapour's chemical potential muv there and the pressure P.
double xsat_solve(const WaterAtT& w, double muv, double P, int* passes);

}  // namespace kxv
