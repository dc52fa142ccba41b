// The catalogue: every export's texts, accepted counts and range checks.
// Each export's definition refers to its record here and adds one
// computing call.
#pragma once

#include "frame.hpp"

namespace kxv::catalogue {

using C = Check;

// ---- Free-energy model ------------------------------------------------------

inline constexpr Export uw{"LiBrKXVuw",
                           "LiBrKXVuw",
                           "mu_w = LiBrKXVuw(Tc,X, P)",
                           "C,-,kPa",
                           "J/g",
                           3,
                           3,
                           "LiBrKXVuw expects three inputs",
                           0,
                           nullptr,
                           {{C::XLow, 1}, {C::XHigh, 1}, {C::Tc, 0}, {C::P, 2}},
                           4,
                           57};

inline constexpr Export us{"LiBrKXVus",
                           "LiBrKXVus",
                           "mu_libr = LiBrKXVus(Tc,X, P)",
                           "C,-,kPa",
                           "J/g",
                           3,
                           3,
                           "LiBrKXVus expects three inputs",
                           0,
                           nullptr,
                           {{C::XLow, 1}, {C::XHigh, 1}, {C::Tc, 0}, {C::P, 2}},
                           4,
                           57};

inline constexpr Export part_g{"LibrKXVpart_g",
                               "LiBrKXVpart_g",
                               "CALL LiBrKXVpart_g(Tc, X, P : g, dgdx, mu_w, mu_s)",
                               "C,-,kPa",
                               "J/g,J/g,J/g,J/g",
                               3,
                               3,
                               "LiBrKXVpart_g expects three inputs",
                               4,
                               "LiBrKXVpart_g requires 4 outputs",
                               {{C::XLow, 1}, {C::XHigh, 1}, {C::Tc, 0}, {C::P, 2}},
                               4,
                               61};

// ---- Vapour-liquid equilibrium ---------------------------------------------

inline constexpr Export p{"LiBrKXVp",
                          "LiBrKXVp",
                          "P_sat = LiBrKXVp(Tc,X)",
                          "C,-",
                          "kPa",
                          2,
                          2,
                          "LiBrKXVp expects two inputs",
                          0,
                          nullptr,
                          {{C::XLow, 1}, {C::XHigh, 1}, {C::Tc, 0}},
                          3,
                          55};

inline constexpr Export T{"LiBrKXVT",
                          "LiBrKXVT",
                          "T_sat = LiBrKXVT(P,X)",
                          "kPa,-",
                          "C",
                          2,
                          2,
                          "LiBrKXVT expects two inputs",
                          0,
                          nullptr,
                          {{C::XLow, 1}, {C::XHigh, 1}, {C::P, 0}},
                          3,
                          56};

inline constexpr Export X{"LiBrKXVX",
                          "LiBrKXVX",
                          "X_sat = LiBrKXVX(T, P)",
                          "C,kPa",
                          "-",
                          2,
                          2,
                          "LiBrKXVX expects two inputs",
                          0,
                          nullptr,
                          {{C::Tc, 0}, {C::P, 1}},
                          2,
                          56};

// ---- The whole module, in ordinal order ------------------------------------

enum class Kind { NameList, Function, Procedure };

struct Entry {
    int ordinal;
    const char* name;
    Kind kind;
    const Export* record;  // null for the name lists
};

inline constexpr Entry all[] = {
    {1, "DLFNames", Kind::NameList, nullptr}, {2, "DLPNames", Kind::NameList, nullptr},
    {3, "FDLNames", Kind::NameList, nullptr}, {16, "LiBrKXVus", Kind::Function, &us},
    {17, "LiBrKXVuw", Kind::Function, &uw},   {19, "LibrKXVpart_g", Kind::Procedure, &part_g},
};

// Texts of the name-list exports.
inline constexpr const char* function_names =
    "LiBrKXVCond,LiBrKXVVisc,LiBrKXVCp,LiBrKXVT,LiBrKXVX,LiBrKXVh,LiBrKXVuw,LiBrKXVus,"
    "LiBrKXVv,LiBrKXVs,LiBrKXVp,LiBrKXVTCryst,LiBrKXVRefIndex";
inline constexpr const char* procedure_names =
    "LibrKXVpart_g,LibrKXVpart_h,LibrKXVpart_s,LibrKXVpart_v,LiBrKXVflash";
inline constexpr const char* fdl_names = "";

// Finds an export by its exact name; null when there is none.
const Entry* find(const char* name);

}  // namespace kxv::catalogue
