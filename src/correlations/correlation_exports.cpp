// Exports of the stand-alone correlations.
#include "catalogue.hpp"
#include "correlations.hpp"

using namespace kxv;
namespace cat = kxv::catalogue;

extern "C" {

KXV_API double LiBrKXVCond(char* text, int* mode, ValueNode* inputs) {
    return call_function(cat::Cond, text, mode, inputs,
                         [](const double* v, int) { return k_TX(v[0], v[1]); });
}

KXV_API double LiBrKXVVisc(char* text, int* mode, ValueNode* inputs) {
    return call_function(cat::Visc, text, mode, inputs,
                         [](const double* v, int) { return visc_TX(v[0], v[1]); });
}

KXV_API double LiBrKXVRefIndex(char* text, int* mode, ValueNode* inputs) {
    return call_function(cat::RefIndex, text, mode, inputs,
                         [](const double* v, int) { return refindex_TX(v[0], v[1]); });
}

KXV_API double LiBrKXVTCryst(char* text, int* mode, ValueNode* inputs) {
    return call_function(cat::TCryst, text, mode, inputs,
                         [](const double* v, int) { return tcryst_X(v[0]); });
}

KXV_API double LiBrKXVActCoef(char* text, int* mode, ValueNode* inputs) {
    return call_function(cat::ActCoef, text, mode, inputs,
                         [](const double* v, int) { return gamma_TXP(v[0], v[1], v[2]); });
}
}
