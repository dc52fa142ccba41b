// The free-energy model of the solution and the properties derived from it.
// Tc in degC, X the LiBr mass fraction, x the mass percentage, P in kPa.
// No function here checks its arguments: outside the model's domain the
// arithmetic yields NaN or an infinity, quietly.
#pragma once

namespace kxv {

// Specific Gibbs free energy, J/g.
double g_TXP(double Tc, double X, double P);
// Its derivative per mass percent, J/g per %.
double dgdx_TXP(double Tc, double X, double P);

// Chemical potential of water, J per gram of water (X a fraction).
double muw_TXP(double Tc, double X, double P);
// Chemical potential of LiBr, J per gram of LiBr (x a percentage).
double mus_TXP(double Tc, double x, double P);

// Enthalpy h = g - T dg/dT, J/g, and its derivative per mass percent.
double h_TXP(double Tc, double X, double P);
double dhdx_TXP(double Tc, double X, double P);

// Entropy s = -dg/dT, J/g-K, and its derivative per mass percent.
double s_TXP(double Tc, double X, double P);
double dsdx_TXP(double Tc, double X, double P);

// Isobaric specific heat cp = -T d2g/dT2, J/g-K.
double cp_TXP(double Tc, double X, double P);

// Specific volume v = dg/dP, m^3/kg (x a percentage; v does not depend on
// P), and its derivative per mass percent.
double v_TX(double Tc, double x);
double dvdx_TX(double Tc, double x);

// A property z and its derivative per mass percent at x percent, with the
// partial values of water and LiBr: {z, dz/dx, z - x dz/dx, z + (100 - x) dz/dx}.
void write_partials(double z, double dzdx, double x, double* out);

}  // namespace kxv
