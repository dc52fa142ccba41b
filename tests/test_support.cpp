#include "test_support.hpp"

#include <cmath>
#include <cstdlib>
#include <cstring>

namespace kxvtest {

::testing::AssertionResult matches_quoted(double actual, const char* quoted) {
    const std::string q = quoted;
    if (q == "nan")
        return std::isnan(actual) ? ::testing::AssertionSuccess()
                                  : ::testing::AssertionFailure() << actual << " is not NaN";
    if (q == "inf" || q == "-inf") {
        const bool ok = std::isinf(actual) && ((actual > 0) == (q == "inf"));
        return ok ? ::testing::AssertionSuccess()
                  : ::testing::AssertionFailure() << actual << " is not " << q;
    }
    const double expected = std::strtod(quoted, nullptr);
    // Place of the last quoted digit: digits after the point, less the exponent.
    const std::size_t e = q.find_first_of("eE");
    const std::string mantissa = q.substr(0, e);
    const std::size_t point = mantissa.find('.');
    const int decimals =
        point == std::string::npos ? 0 : static_cast<int>(mantissa.size() - point - 1);
    const int exponent = e == std::string::npos ? 0 : std::atoi(q.c_str() + e + 1);
    const double half_unit = 0.5 * std::pow(10.0, exponent - decimals);
    const double diff = std::fabs(actual - expected);
    if (diff <= half_unit * (1 + 1e-9)) return ::testing::AssertionSuccess();
    char buf[160];
    std::snprintf(buf, sizeof buf, "%.17g does not round to %s (off by %.3g, allowed %.3g)", actual,
                  quoted, diff, half_unit);
    return ::testing::AssertionFailure() << buf;
}

const kxvhost::Module& module() {
    static const kxvhost::Module m = [] {
        const char* env = std::getenv("KXVLIBR_MODULE");
        const std::string path = env ? env : KXVLIBR_MODULE_PATH;
        std::string error;
        kxvhost::Module loaded = kxvhost::load_module(path, &error);
        if (!loaded.handle) ADD_FAILURE() << "cannot load the module: " << error;
        return loaded;
    }();
    return m;
}

kxvhost::Call fn(const char* name, const std::vector<double>& in, int mode,
                 const std::string& before) {
    void* f = kxvhost::find_export(module(), name);
    if (!f) {
        ADD_FAILURE() << "the module has no export " << name;
        return {};
    }
    return kxvhost::call_function(reinterpret_cast<kxvhost::FunctionFn>(f), in, mode, before);
}

kxvhost::Call proc(const char* name, const std::vector<double>& in, std::size_t outputs, int mode,
                   const std::string& before) {
    void* f = kxvhost::find_export(module(), name);
    if (!f) {
        ADD_FAILURE() << "the module has no export " << name;
        return {};
    }
    return kxvhost::call_procedure(reinterpret_cast<kxvhost::ProcedureFn>(f), in, outputs, mode,
                                   before);
}

std::string tc_message(const std::string& msg_name) {
    return "Warning: " + msg_name +
           ": Input out of bounds: 0 < Tc < 300\xB0"
           "C";
}

}  // namespace kxvtest
