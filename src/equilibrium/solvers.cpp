// Equilibrium of the solution with water vapour: Newton iterations on the
// difference of the water's chemical potentials in the solution and in the
// vapour, the derivative taken as a forward difference over a fixed step.
#include <cmath>

#include "equilibrium.hpp"
#include "model.hpp"

namespace kxv {
namespace {

constexpr double kTolerance = 1e-05;  // J/g, on the residual
constexpr int kPassLimit = 200;

double residual(double Tc, double X, double P) {
    return muw_TXP(Tc, X, P) - muv_TP(Tc + 273.15, P);
}

void report(int* passes, int n) {
    if (passes) *passes = n;
}

}  // namespace

// Starts at 0.02 kPa and stops once the residual of a pass is within the
// tolerance (or not a number), returning the estimate after that pass. At
// low temperature and high concentration the equilibrium pressure lies far
// below the start and a full Newton step would land below zero; such a step
// is replaced by a tenth of the current pressure.
double Psat_TX(double Tc, double X, int* passes) {
    const double d = 1e-05;
    double P = 0.02;
    for (int n = 1;; ++n) {
        const double f0 = residual(Tc, X, P);
        const double f1 = residual(Tc, X, P + d);
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
double Tsat_PX(double P, double X, int* passes) {
    const double d = 0.001;
    double Tc = 20.0;
    for (int n = 1;; ++n) {
        const double f0 = residual(Tc, X, P);
        const double f1 = residual(Tc + d, X, P);
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
double Xsat_TP(double Tc, double P, int* passes) {
    const double d = 0.0001;
    double X = 0.5;
    for (int n = 1;; ++n) {
        const double f0 = residual(Tc, X, P);
        const double f1 = residual(Tc, X + d, P);
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

}  // namespace kxv
