// The pure-water correlations' coefficients: the vapour-pressure curve in
// three rows, and the saturated vapour's enthalpy, entropy and specific heat
// as quartics in the saturation temperature.
#pragma once

namespace kxv::vapour {

// One row of log10 P = A + B/T + C/T^2 (P in kPa, T in K).
struct CurveRow {
    double A, B, C;
};

constexpr CurveRow kBelowIcePoint{9.4372027, -2609.14446, -7402.86714};        // P <= 0.6108
constexpr CurveRow kBelowBoilingPoint{7.08255409, -1624.125012, -100801.502};  // P <= 101.33
constexpr CurveRow kAboveBoilingPoint{7.097293315, -1656.057757, -90800.60157};

// c0 + c1 ts + c2 ts^2 + c3 ts^3 + c4 ts^4, ts in degC.
struct Quartic {
    double c[5];
};

// Saturated vapour: enthalpy J/g, entropy and specific heat J/g-K.
struct VapourForms {
    Quartic hg, sg, cpv;
};

constexpr VapourForms kAtOrBelowZero{{{2500.115, 1.838998, -0.00023923, 0, 0}},
                                     {{9.147076, -0.030922, 0.00015063, 0, 0}},
                                     {{1.845578, 0, 0, 0, 0}}};
constexpr VapourForms kAboveZero{{{2500.115, 1.874387, -0.00090046, -1.9068e-07, -2.7883e-08}},
                                 {{9.147076, -0.025946, 0.00010253, -2.4822e-07, 2.251e-10}},
                                 {{1.845578, 0.00290712, -4.2916e-05, 3.7127e-07, -5.0913e-10}}};

inline double eval(const Quartic& p, double ts) {
    const double ts2 = ts * ts, ts3 = ts * ts2, ts4 = ts2 * ts2;
    return p.c[0] + p.c[1] * ts + p.c[2] * ts2 + p.c[3] * ts3 + p.c[4] * ts4;
}

}  // namespace kxv::vapour
