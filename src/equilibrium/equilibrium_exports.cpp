// Exports of the equilibrium solvers. A solver's flag (9999.0) or a NaN is
// handed over as it comes: the host tells it by its value.
#include "catalogue.hpp"
#include "equilibrium.hpp"

using namespace kxv;
namespace cat = kxv::catalogue;

extern "C" {

KXV_API double LiBrKXVp(char* text, int* mode, ValueNode* inputs) {
    return call_function(cat::p, text, mode, inputs,
                         [](const double* v, int) { return Psat_TX(v[0], v[1]); });
}

KXV_API double LiBrKXVT(char* text, int* mode, ValueNode* inputs) {
    return call_function(cat::T, text, mode, inputs,
                         [](const double* v, int) { return Tsat_PX(v[0], v[1]); });
}

KXV_API double LiBrKXVX(char* text, int* mode, ValueNode* inputs) {
    return call_function(cat::X, text, mode, inputs,
                         [](const double* v, int) { return Xsat_TP(v[0], v[1]); });
}
}

extern "C" KXV_API void LiBrKXVflash(char* text, int* mode, ValueNode* inputs, ValueNode* outputs) {
    call_procedure(cat::flash, text, mode, inputs, outputs, [](const double* v, double* out) {
        const Flash f = flash_hPX(v[0], v[1], v[2]);
        out[0] = f.q;
        out[1] = f.T;
        out[2] = f.x;
        out[3] = f.hl;
        out[4] = f.hv;
    });
}
