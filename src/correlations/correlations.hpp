// Correlations outside the free-energy model. Tc in degC, X the LiBr mass
// fraction, P in kPa. No range checks here.
#pragma once

namespace kxv {

// Thermal conductivity, W/m-K.
double k_TX(double Tc, double X);
// Dynamic viscosity, cP.
double visc_TX(double Tc, double X);
// Refractive index.
double refindex_TX(double Tc, double X);

// Crystallisation temperature, degC; kNoCrystallisationLine outside the
// concentrations the correlation covers.
inline constexpr double kNoCrystallisationLine = -9999.0;
double tcryst_X(double X);

// The solution holding 1 mol of LiBr per litre at Tc: its mass fraction,
// the passes of the density iteration, and whether it settled. When trace
// is given it receives the density of each pass (at most 101 values).
struct ReferenceSolution {
    double X;
    int passes;
    bool settled;
};
ReferenceSolution reference_solution(double Tc, double* trace = nullptr);

// Activity coefficient of LiBr against the 1 mol/l solution;
// kActivityNotSettled when the reference iteration does not settle.
inline constexpr double kActivityNotSettled = 999.0;
double gamma_TXP(double Tc, double X, double P);

}  // namespace kxv
