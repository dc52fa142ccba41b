// Exports of the free-energy model: each is its catalogue record plus one
// computing call. With three inputs the pressure is the third; with two the
// solution is at its equilibrium pressure (and where that solve does not
// settle, its flag is the result).
#include "catalogue.hpp"
#include "equilibrium.hpp"
#include "model.hpp"

using namespace kxv;
namespace cat = kxv::catalogue;

namespace {

using Property = double (*)(double Tc, double X, double P);

// The shell of the four property procedures: the property, its derivative
// per mass percent and the partial values of water and LiBr.
template <Property z, Property dzdx>
void with_partials(const double* v, double* out) {
    write_partials(z(v[0], v[1], v[2]), dzdx(v[0], v[1], v[2]), 100 * v[1], out);
}

double v(double Tc, double X, double) { return v_TX(Tc, 100 * X); }
double dvdx(double Tc, double X, double) { return dvdx_TX(Tc, 100 * X); }

}  // namespace

extern "C" {

KXV_API double LiBrKXVuw(char* text, int* mode, ValueNode* inputs) {
    return call_function(cat::uw, text, mode, inputs,
                         [](const double* v, int) { return muw_TXP(v[0], v[1], v[2]); });
}

KXV_API double LiBrKXVus(char* text, int* mode, ValueNode* inputs) {
    return call_function(cat::us, text, mode, inputs,
                         [](const double* v, int) { return mus_TXP(v[0], 100 * v[1], v[2]); });
}

KXV_API double LiBrKXVh(char* text, int* mode, ValueNode* inputs) {
    return call_function(cat::h, text, mode, inputs, [](const double* v, int n) {
        return n == 3 ? h_TXP(v[0], v[1], v[2]) : h_sat_TX(v[0], v[1]);
    });
}

KXV_API double LiBrKXVs(char* text, int* mode, ValueNode* inputs) {
    return call_function(cat::s, text, mode, inputs, [](const double* v, int n) {
        return n == 3 ? s_TXP(v[0], v[1], v[2]) : s_sat_TX(v[0], v[1]);
    });
}

KXV_API double LiBrKXVCp(char* text, int* mode, ValueNode* inputs) {
    return call_function(cat::Cp, text, mode, inputs, [](const double* v, int n) {
        return n == 3 ? cp_TXP(v[0], v[1], v[2]) : cp_sat_TX(v[0], v[1]);
    });
}

KXV_API double LiBrKXVv(char* text, int* mode, ValueNode* inputs) {
    return call_function(cat::v, text, mode, inputs,
                         [](const double* v, int) { return v_TX(v[0], 100 * v[1]); });
}

KXV_API void LibrKXVpart_g(char* text, int* mode, ValueNode* inputs, ValueNode* outputs) {
    call_procedure(cat::part_g, text, mode, inputs, outputs, with_partials<g_TXP, dgdx_TXP>);
}

KXV_API void LibrKXVpart_h(char* text, int* mode, ValueNode* inputs, ValueNode* outputs) {
    call_procedure(cat::part_h, text, mode, inputs, outputs, with_partials<h_TXP, dhdx_TXP>);
}

KXV_API void LibrKXVpart_s(char* text, int* mode, ValueNode* inputs, ValueNode* outputs) {
    call_procedure(cat::part_s, text, mode, inputs, outputs, with_partials<s_TXP, dsdx_TXP>);
}

KXV_API void LibrKXVpart_v(char* text, int* mode, ValueNode* inputs, ValueNode* outputs) {
    call_procedure(cat::part_v, text, mode, inputs, outputs, with_partials<v, dvdx>);
}
}
