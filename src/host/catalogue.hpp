// The catalogue: every export's texts, accepted counts and range checks.
// Each export's definition refers to its record here and adds one
// computing call.
#pragma once

#include "frame.hpp"

namespace kxv::catalogue {

using C = Check;

// clang-format off
// Fields: export name, message name; answers to modes -1, -2, -3; accepted
// input counts and their message; outputs and their message; range checks
// (check, input position) in order; longest text written, in bytes.

// ---- Free-energy model ------------------------------------------------------

inline constexpr Export uw{"LiBrKXVuw", "LiBrKXVuw",
    "mu_w = LiBrKXVuw(Tc,X, P)", "C,-,kPa", "J/g",
    3, 3, "LiBrKXVuw expects three inputs", 0, nullptr,
    {{C::XLow, 1}, {C::XHigh, 1}, {C::Tc, 0}, {C::P, 2}}, 4, 57};

inline constexpr Export us{"LiBrKXVus", "LiBrKXVus",
    "mu_libr = LiBrKXVus(Tc,X, P)", "C,-,kPa", "J/g",
    3, 3, "LiBrKXVus expects three inputs", 0, nullptr,
    {{C::XLow, 1}, {C::XHigh, 1}, {C::Tc, 0}, {C::P, 2}}, 4, 57};

inline constexpr Export part_g{"LibrKXVpart_g", "LiBrKXVpart_g",
    "CALL LiBrKXVpart_g(Tc, X, P : g, dgdx, mu_w, mu_s)", "C,-,kPa", "J/g,J/g,J/g,J/g",
    3, 3, "LiBrKXVpart_g expects three inputs", 4, "LiBrKXVpart_g requires 4 outputs",
    {{C::XLow, 1}, {C::XHigh, 1}, {C::Tc, 0}, {C::P, 2}}, 4, 61};

inline constexpr Export h{"LiBrKXVh", "LiBrKXVh",
    "h = LiBrKXVh(Tc,X,P) or h_sat = LiBrKXVh(Tc,X) ", "C,-,kPa", "J/g",
    2, 3, "LiBrKXVh expects two or three inputs", 0, nullptr,
    {{C::XLow, 1}, {C::XHigh, 1}, {C::Tc, 0}, {C::P, 2}}, 4, 56};

inline constexpr Export part_h{"LibrKXVpart_h", "LiBrKXVpart_h",
    "CALL LiBrKXVpart_h(Tc, X, P : h, dhdx, h_w, h_s)", "C,-,kPa", "J/g,J/g,J/g,J/g",
    3, 3, "LiBrKXVpart_h expects three inputs", 4, "LiBrKXVpart_h requires 4 outputs",
    {{C::XLow, 1}, {C::XHigh, 1}, {C::Tc, 0}, {C::P, 2}}, 4, 61};

inline constexpr Export s{"LiBrKXVs", "LiBrKXVs",
    "s = LiBrKXVs(Tc,X,P) or s_sat = LiBrKXVs(Tc,X)", "C,-,kPa", "J/g-K",
    2, 3, "LiBrKXVs expects two or three inputs", 0, nullptr,
    {{C::XLow, 1}, {C::XHigh, 1}, {C::Tc, 0}, {C::P, 2}}, 4, 56};

inline constexpr Export part_s{"LibrKXVpart_s", "LiBrKXVpart_s",
    "CALL LiBrKXVpart_s(Tc, X, P : s, dsdx, s_w, s_s)", "C,-,kPa", "J/g-K,J/g-K,J/g-K,J/g-K",
    3, 3, "LiBrKXVpart_s expects three inputs", 4, "LiBrKXVpart_s requires 4 outputs",
    {{C::XLow, 1}, {C::XHigh, 1}, {C::Tc, 0}, {C::P, 2}}, 4, 61};

inline constexpr Export Cp{"LiBrKXVCp", "LiBrKXVCp",
    "cp = LiBrKXVCp(Tc,X,P) or cp_sat = LiBrKXVCp(Tc,X)", "C,-,kPa", "J/g-K",
    2, 3, "LiBrKXVCp expects two or three inputs", 0, nullptr,
    {{C::XLow, 1}, {C::XHigh, 1}, {C::Tc, 0}, {C::P, 2}}, 4, 57};

inline constexpr Export v{"LiBrKXVv", "LiBrKXVv",
    "v = LiBrKXVv(Tc,X)", "C,-", "m^3/kg",
    2, 2, "LiBrKXVv expects two inputs", 0, nullptr,
    {{C::XLow, 1}, {C::XHigh, 1}, {C::Tc, 0}}, 3, 55};

inline constexpr Export part_v{"LibrKXVpart_v", "LiBrKXVpart_v",
    "CALL LiBrKXVpart_v(Tc, X : v, dvdx, v_w, v_s)", "C,-", "m^3/kg,m^3/kg,m^3/kg,m^3/kg",
    2, 2, "LiBrKXVpart_v expects two inputs", 4, "LiBrKXVpart_v requires 4 outputs",
    {{C::XLow, 1}, {C::XHigh, 1}, {C::Tc, 0}}, 3, 60};

// ---- Vapour-liquid equilibrium ---------------------------------------------

inline constexpr Export p{"LiBrKXVp", "LiBrKXVp",
    "P_sat = LiBrKXVp(Tc,X)", "C,-", "kPa",
    2, 2, "LiBrKXVp expects two inputs", 0, nullptr,
    {{C::XLow, 1}, {C::XHigh, 1}, {C::Tc, 0}}, 3, 55};

inline constexpr Export T{"LiBrKXVT", "LiBrKXVT",
    "T_sat = LiBrKXVT(P,X)", "kPa,-", "C",
    2, 2, "LiBrKXVT expects two inputs", 0, nullptr,
    {{C::XLow, 1}, {C::XHigh, 1}, {C::P, 0}}, 3, 56};

inline constexpr Export X{"LiBrKXVX", "LiBrKXVX",
    "X_sat = LiBrKXVX(T, P)", "C,kPa", "-",
    2, 2, "LiBrKXVX expects two inputs", 0, nullptr,
    {{C::Tc, 0}, {C::P, 1}}, 2, 56};

inline constexpr Export flash{"LiBrKXVflash", "LiBrKXVflash",
    "CALL LiBrKXVflash(h, P, x_in : q, T, x, hl, hv)", "J/g,kPa,-", "-,C,-,J/g,J/g",
    3, 3, "LiBrKXVflash expects three inputs", 5, "LiBrKXVflash requires requires 5 outputs",
    {{C::XLow, 2}, {C::XHigh, 2}, {C::P, 1}}, 3, 60};

// ---- Auxiliary correlations --------------------------------------------------

inline constexpr Export Cond{"LiBrKXVCond", "LiBrKXVCond",
    "k = LiBrKXVCond(Tc,X)", "C,-", "W/m-K",
    2, 2, "LiBrKXVCond expects two inputs", 0, nullptr,
    {{C::XSpan, 1}, {C::Tc, 0}}, 2, 61};

inline constexpr Export Visc{"LiBrKXVVisc", "LiBrKXVVisc",
    "mu = LiBrKXVVisc(Tc,X)", "C,-", "cP",
    2, 2, "LiBrKXVVisc expects two inputs", 0, nullptr,
    {{C::XSpan, 1}, {C::Tc, 0}}, 2, 61};

inline constexpr Export RefIndex{"LiBrKXVRefIndex", "LiBrKXVRefIndex",
    "N = LiBrKXVRefIndex(Tc,X)", "C,-", "-",
    2, 2, "LiBrKXVRefIndex expects two inputs", 0, nullptr,
    {{C::XLow, 1}, {C::XHigh, 1}, {C::Tc, 0}}, 3, 62};

inline constexpr Export TCryst{"LiBrKXVTCryst", "LiBrKXVTCryst",
    "T_cryst = LiBrKXVTCryst(X)", "-", "C",
    1, 1, "LiBrKXVTCryst expects one input", 0, nullptr,
    {{C::XCryst, 0}}, 1, 76};

inline constexpr Export ActCoef{"LiBrKXVActCoef", "LiBrKXVActCoef",
    "N = LiBrKXVActCoef(Tc,X,P)", "C,-,kPa", "-",
    3, 3, "LiBrKXVActCoef expects three inputs", 0, nullptr,
    {}, 0, 36};

// ---- The whole module, in ordinal order ------------------------------------

enum class Kind { NameList, Function, Procedure };

struct Entry {
    int ordinal;
    const char* name;
    Kind kind;
    const Export* record;  // null for the name lists
};

inline constexpr Entry all[] = {
    {1,  "DLFNames",        Kind::NameList,  nullptr},
    {2,  "DLPNames",        Kind::NameList,  nullptr},
    {3,  "FDLNames",        Kind::NameList,  nullptr},
    {4,  "LiBrKXVActCoef",  Kind::Function,  &ActCoef},
    {5,  "LiBrKXVCond",     Kind::Function,  &Cond},
    {6,  "LiBrKXVCp",       Kind::Function,  &Cp},
    {7,  "LiBrKXVRefIndex", Kind::Function,  &RefIndex},
    {8,  "LiBrKXVT",        Kind::Function,  &T},
    {9,  "LiBrKXVTCryst",   Kind::Function,  &TCryst},
    {10, "LiBrKXVVisc",     Kind::Function,  &Visc},
    {11, "LiBrKXVX",        Kind::Function,  &X},
    {12, "LiBrKXVflash",    Kind::Procedure, &flash},
    {13, "LiBrKXVh",        Kind::Function,  &h},
    {14, "LiBrKXVp",        Kind::Function,  &p},
    {15, "LiBrKXVs",        Kind::Function,  &s},
    {16, "LiBrKXVus",       Kind::Function,  &us},
    {17, "LiBrKXVuw",       Kind::Function,  &uw},
    {18, "LiBrKXVv",        Kind::Function,  &v},
    {19, "LibrKXVpart_g",   Kind::Procedure, &part_g},
    {20, "LibrKXVpart_h",   Kind::Procedure, &part_h},
    {21, "LibrKXVpart_s",   Kind::Procedure, &part_s},
    {22, "LibrKXVpart_v",   Kind::Procedure, &part_v},
};

// Texts of the name-list exports.
inline constexpr const char* function_names =
    "LiBrKXVCond,LiBrKXVVisc,LiBrKXVCp,LiBrKXVT,LiBrKXVX,LiBrKXVh,LiBrKXVuw,LiBrKXVus,"
    "LiBrKXVv,LiBrKXVs,LiBrKXVp,LiBrKXVTCryst,LiBrKXVRefIndex";
inline constexpr const char* procedure_names =
    "LibrKXVpart_g,LibrKXVpart_h,LibrKXVpart_s,LibrKXVpart_v,LiBrKXVflash";
inline constexpr const char* fdl_names = "";

// clang-format on

// Finds an export by its exact name; null when there is none.
const Entry* find(const char* name);

}  // namespace kxv::catalogue
