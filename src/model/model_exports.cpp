// Exports of the free-energy model: each is its catalogue record plus one
// computing call.
#include "catalogue.hpp"
#include "model.hpp"

using namespace kxv;
namespace cat = kxv::catalogue;

extern "C" {

KXV_API double LiBrKXVuw(char* text, int* mode, ValueNode* inputs) {
    return call_function(cat::uw, text, mode, inputs,
                         [](const double* v, int) { return muw_TXP(v[0], v[1], v[2]); });
}

KXV_API double LiBrKXVus(char* text, int* mode, ValueNode* inputs) {
    return call_function(cat::us, text, mode, inputs,
                         [](const double* v, int) { return mus_TXP(v[0], 100 * v[1], v[2]); });
}

KXV_API void LibrKXVpart_g(char* text, int* mode, ValueNode* inputs, ValueNode* outputs) {
    call_procedure(cat::part_g, text, mode, inputs, outputs, [](const double* v, double* out) {
        write_partials(g_TXP(v[0], v[1], v[2]), dgdx_TXP(v[0], v[1], v[2]), 100 * v[1], out);
    });
}
}
