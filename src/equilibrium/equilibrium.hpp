// Water vapour, and the equilibrium of the solution with it.
// T in K where named so, Tc in degC, X the LiBr mass fraction, P in kPa.
#pragma once

namespace kxv {

// Saturation temperature of pure water, K.
double Tsatw_P(double P);
// Enthalpy of water vapour at T (K) and P, J/g.
double hv_TP(double T, double P);
// Chemical potential (specific Gibbs energy) of water vapour at T (K) and P, J/g.
double muv_TP(double T, double P);

// Result of an equilibrium solve that did not settle.
inline constexpr double kNotSettled = 9999.0;

// Equilibrium pressure (kPa), temperature (degC) and mass fraction. Each
// returns kNotSettled when its Newton iteration does not settle; when
// passes is given it receives the number of passes made.
double Psat_TX(double Tc, double X, int* passes = nullptr);
double Tsat_PX(double P, double X, int* passes = nullptr);
double Xsat_TP(double Tc, double P, int* passes = nullptr);

// Enthalpy, entropy and specific heat of the solution at its equilibrium
// pressure Psat_TX(Tc, X); kNotSettled where that does not settle.
double h_sat_TX(double Tc, double X);
double s_sat_TX(double Tc, double X);
double cp_sat_TX(double Tc, double X);

// Outcome of an adiabatic flash of a feed (h, P, x_in).
struct Flash {
    double q;   // vapour mass per feed mass; 0 liquid only; kNotSettled
    double T;   // outlet temperature, degC
    double x;   // LiBr mass fraction of the outlet liquid
    double hl;  // outlet liquid enthalpy, J/g
    double hv;  // vapour enthalpy, J/g; kNotSettled when no vapour forms
};

// passes, when given, receives the passes of the search that ran (0 when none).
Flash flash_hPX(double h, double P, double x_in, int* passes = nullptr);

}  // namespace kxv
