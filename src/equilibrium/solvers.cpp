// Equilibrium of the solution with water vapour: Newton iterations on the
// difference of the water's chemical potentials in the solution and in the
// vapour, the derivative taken as a forward difference over a fixed step.
// Each solver computes once what its fixed inputs determine: at fixed T and
// x every term of mu_w but the pressure term; at fixed P the saturated
// vapour; at fixed x the concentration brackets; at fixed T and P the whole
// vapour term. A pass evaluates only what changes with the iterate.
#include <cmath>

#include "equilibrium.hpp"
#include "solve.hpp"

namespace kxv {
namespace {

constexpr double kTolerance = 1e-05;  // J/g, on the residual
constexpr int kPassLimit = 200;

void report(int* passes, int n) {
    if (passes) *passes = n;
}

// The residual at fixed T and x, as a function of the pressure.
double residual_at_P(const WaterAtTX& w, double T, double P) {
    return muw_at(w, P) - muv_at(saturated_at(P), T);
}

// The residual at fixed x and P, as a function of the temperature.
double residual_at_Tc(const WaterBrackets& b, const SaturatedVapour& v, double Tc, double P) {
    const TPowers t = t_powers(Tc);
    return muw_at(water_at_TX(b, water_at_T(t, std::log(t.T))), P) - muv_at(v, t.T);
}

// The residual at fixed T and P, as a function of the mass fraction.
double residual_at_X(const WaterAtT& w, double muv, double X, double P) {
    return muw_at(water_at_TX(water_brackets(x_powers(X)), w), P) - muv;
}

}  // namespace

// Starts at 0.02 kPa and stops once the residual of a pass is within the
// tolerance (or not a number), returning the estimate after that pass. At
// low temperature and high concentration the equilibrium pressure lies far
// below the start and a full Newton step would land below zero; such a step
// is replaced by a tenth of the current pressure.
double psat_solve(const WaterAtTX& w, double T, int* passes) {
    const double d = 1e-05;
    double P = 0.02;
    for (int n = 1;; ++n) {
        const double f0 = residual_at_P(w, T, P);
        const double f1 = residual_at_P(w, T, P + d);
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
double tsat_solve(const WaterBrackets& b, const SaturatedVapour& v, double P, int* passes) {
    const double d = 0.001;
    double Tc = 20.0;
    for (int n = 1;; ++n) {
        const double f0 = residual_at_Tc(b, v, Tc, P);
        const double f1 = residual_at_Tc(b, v, Tc + d, P);
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
double xsat_solve(const WaterAtT& w, double muv, double P, int* passes) {
    const double d = 0.0001;
    double X = 0.5;
    for (int n = 1;; ++n) {
        const double f0 = residual_at_X(w, muv, X, P);
        const double f1 = residual_at_X(w, muv, X + d, P);
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

double Psat_TX(double Tc, double X, int* passes) {
    const TPowers t = t_powers(Tc);
    const WaterAtT w = water_at_T(t, std::log(t.T));
    return psat_solve(water_at_TX(water_brackets(x_powers(X)), w), t.T, passes);
}

double Tsat_PX(double P, double X, int* passes) {
    return tsat_solve(water_brackets(x_powers(X)), saturated_at(P), P, passes);
}

double Xsat_TP(double Tc, double P, int* passes) {
    const TPowers t = t_powers(Tc);
    return xsat_solve(water_at_T(t, std::log(t.T)), muv_TP(t.T, P), P, passes);
}

}  // namespace kxv
