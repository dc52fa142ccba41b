// Shared pieces of the test suites: comparing with quoted reference digits
// and calling the built module's exports by name, as a host does.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "kxv_host.hpp"

namespace kxvtest {

// Passes when actual rounds to the quoted digits: the difference is at most
// half a unit of the last quoted digit. "nan" and "inf" must match in kind.
::testing::AssertionResult matches_quoted(double actual, const char* quoted);

// The module under test, loaded once from KXVLIBR_MODULE or the build tree.
const kxvhost::Module& module();

// Calls a single-result function or a procedure of the module by name.
kxvhost::Call fn(const char* name, const std::vector<double>& in, int mode = 0,
                 const std::string& before = "");
kxvhost::Call proc(const char* name, const std::vector<double>& in, std::size_t outputs,
                   int mode = 0, const std::string& before = "");

// The Tc message of an export, with its Windows-1252 degree sign.
std::string tc_message(const std::string& msg_name);

// The same double to the last bit, sign and payload of a NaN included.
inline bool same_bits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

}  // namespace kxvtest

#define EXPECT_QUOTED(actual, quoted) EXPECT_TRUE(::kxvtest::matches_quoted((actual), (quoted)))

// A call the host sees as clean and well-behaved on the buffer and lists.
#define EXPECT_HOST_SAFE(call)             \
    do {                                   \
        EXPECT_TRUE((call).guard_intact);  \
        EXPECT_TRUE((call).terminated);    \
        EXPECT_TRUE((call).inputs_intact); \
    } while (0)
