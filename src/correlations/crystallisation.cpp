// Crystallisation line: over three adjacent concentration ranges the
// concentration is fitted as x = x0 + b T + (q/2) T^2 (x in mass percent,
// T in degC); the temperature is the root with the positive square root.
#include <cmath>

#include "correlations.hpp"

namespace kxv {
namespace {

struct Branch {
    double x_low;   // mass percent; the lower bound belongs to this branch
    double x_high;  // upper bound, inclusive only for the top branch
    double b;
    double p;  // 2 q
    double q;
    double x0;  // fitted concentration at 0 degC
    double minus_b;
};

constexpr Branch kTop{65.04612,   71.90951, 0.04810823, 0.00097204,
                      0.00048602, 62.63718, -0.04810823};
constexpr Branch kMiddle{57.08439,   65.04612, 0.05205944, 0.01385112,
                         0.00692556, 56.95202, -0.05205944};
constexpr Branch kBottom{48.46908,   57.08439, 0.2337275, 0.00565188,
                         0.00282594, 56.55952, -0.2337275};

double root(const Branch& r, double x) {
    return (std::pow(r.b * r.b - r.p * (r.x0 - x), 0.5) + r.minus_b) / r.q;
}

}  // namespace

double tcryst_X(double X) {
    const double x = 100.0 * X;
    if (x <= kTop.x_high && x >= kTop.x_low) return root(kTop, x);
    if (x < kMiddle.x_high && x >= kMiddle.x_low) return root(kMiddle, x);
    if (x < kBottom.x_high && x >= kBottom.x_low) return root(kBottom, x);
    return kNoCrystallisationLine;
}

}  // namespace kxv
