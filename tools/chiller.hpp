// A single-effect LiBr-water absorption chiller with a solution heat
// exchanger, computed from the module's exports through the host protocol.
#pragma once

#include <string>

#include "kxv_host.hpp"

namespace kxvhost {

struct ChillerDesign {
    double T_evap = 5.0;         // evaporator, degC
    double T_abs = 35.0;         // absorber (weak solution outlet), degC
    double T_cond = 40.0;        // condenser, degC
    double T_gen = 85.0;         // generator (strong solution outlet), degC
    double effectiveness = 0.7;  // solution heat exchanger
    double m_pump = 0.05;        // weak solution, kg/s
};

// Computes the cycle and prints its report; false (with the module's
// message in *problem) when a call reported a problem or a flag.
bool print_chiller(const Module& module, const ChillerDesign& design, std::string* problem);

}  // namespace kxvhost
