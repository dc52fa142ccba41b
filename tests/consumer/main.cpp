// Uses both sides of an installed KXVLiBr: the computing functions of the
// core library, called directly, and the module, loaded by path and called
// the way a host calls it. Both give the saturated enthalpy at 50 degC and
// a mass fraction of 0.5, and must agree to the bit.
#include <dlfcn.h>

#include <cmath>
#include <cstdio>
#include <cstring>

#include "KXVLiBr.h"
#include "KXVLiBr/equilibrium.hpp"
#include "KXVLiBr/model.hpp"

int main() {
    const double Tc = 50.0, X = 0.5;
    const double direct = kxv::h_TXP(Tc, X, kxv::Psat_TX(Tc, X));

    void* module = dlopen(KXVLIBR_MODULE, RTLD_NOW | RTLD_LOCAL);
    if (!module) {
        std::printf("cannot load %s: %s\n", KXVLIBR_MODULE, dlerror());
        return 1;
    }
    using Function = double (*)(char*, int*, ValueNode*);
    const auto h = reinterpret_cast<Function>(dlsym(module, "LiBrKXVh"));
    if (!h) {
        std::printf("no LiBrKXVh in %s\n", KXVLIBR_MODULE);
        return 1;
    }
    ValueNode x_node{X, nullptr};
    ValueNode tc_node{Tc, &x_node};
    char text[256] = "";
    int mode = 0;
    const double hosted = h(text, &mode, &tc_node);

    std::printf("core:   h_sat(50 C, 0.5) = %.10g J/g\n", direct);
    std::printf("module: h_sat(50 C, 0.5) = %.10g J/g, mode word %d, text \"%s\"\n", hosted, mode,
                text);
    const bool ok =
        hosted == direct && mode == 0 && text[0] == '\0' && std::fabs(hosted - 107.2994606) < 5e-7;
    dlclose(module);
    std::printf(ok ? "consumer agrees\n" : "consumer DISAGREES\n");
    return ok ? 0 : 1;
}
