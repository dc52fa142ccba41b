// The plain forms: the solution properties, the vapour, the equilibrium
// solvers, the flash and the saturated (two-input) properties as written
// term by term, each evaluation computing everything it uses afresh. The
// library's own functions must agree with these to the last bit, pass counts
// included; the benchmarks time both side by side.
#pragma once

#include "equilibrium.hpp"

namespace kxv::plain {

double muw_TXP(double Tc, double X, double P);
double mus_TXP(double Tc, double x, double P);
double h_TXP(double Tc, double X, double P);
double s_TXP(double Tc, double X, double P);
double cp_TXP(double Tc, double X, double P);

double Tsatw_P(double P);
double hv_TP(double T, double P);
double muv_TP(double T, double P);

double Psat_TX(double Tc, double X, int* passes = nullptr);
double Tsat_PX(double P, double X, int* passes = nullptr);
double Xsat_TP(double Tc, double P, int* passes = nullptr);

// solver_passes, when given, receives the passes of every temperature solve
// the flash made, added up.
Flash flash_hPX(double h, double P, double x_in, int* passes = nullptr,
                int* solver_passes = nullptr);

// The properties at the equilibrium pressure Psat_TX(Tc, X); its flag where
// that does not settle.
double h_sat_TX(double Tc, double X);
double s_sat_TX(double Tc, double X);
double cp_sat_TX(double Tc, double X);

}  // namespace kxv::plain
