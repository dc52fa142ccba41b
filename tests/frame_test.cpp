// The calling protocol as a host sees it: queries, counts, range checks,
// mode words and the text buffer, on the built module.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "test_support.hpp"

using kxvhost::kUnwritten;
using kxvtest::fn;
using kxvtest::proc;

namespace {

// Every export's three query answers, as the host reads them.
struct QueryRow {
    const char* name;
    bool procedure;
    const char* call;
    const char* in_units;
    const char* out_units;
};

const QueryRow kQueries[] = {
    {"LiBrKXVActCoef", false, "N = LiBrKXVActCoef(Tc,X,P)", "C,-,kPa", "-"},
    {"LiBrKXVCond", false, "k = LiBrKXVCond(Tc,X)", "C,-", "W/m-K"},
    {"LiBrKXVRefIndex", false, "N = LiBrKXVRefIndex(Tc,X)", "C,-", "-"},
    {"LiBrKXVTCryst", false, "T_cryst = LiBrKXVTCryst(X)", "-", "C"},
    {"LiBrKXVVisc", false, "mu = LiBrKXVVisc(Tc,X)", "C,-", "cP"},
    {"LiBrKXVuw", false, "mu_w = LiBrKXVuw(Tc,X, P)", "C,-,kPa", "J/g"},
    {"LiBrKXVus", false, "mu_libr = LiBrKXVus(Tc,X, P)", "C,-,kPa", "J/g"},
    {"LiBrKXVh", false, "h = LiBrKXVh(Tc,X,P) or h_sat = LiBrKXVh(Tc,X) ", "C,-,kPa", "J/g"},
    {"LiBrKXVs", false, "s = LiBrKXVs(Tc,X,P) or s_sat = LiBrKXVs(Tc,X)", "C,-,kPa", "J/g-K"},
    {"LiBrKXVCp", false, "cp = LiBrKXVCp(Tc,X,P) or cp_sat = LiBrKXVCp(Tc,X)", "C,-,kPa", "J/g-K"},
    {"LiBrKXVv", false, "v = LiBrKXVv(Tc,X)", "C,-", "m^3/kg"},
    {"LibrKXVpart_h", true, "CALL LiBrKXVpart_h(Tc, X, P : h, dhdx, h_w, h_s)", "C,-,kPa",
     "J/g,J/g,J/g,J/g"},
    {"LibrKXVpart_s", true, "CALL LiBrKXVpart_s(Tc, X, P : s, dsdx, s_w, s_s)", "C,-,kPa",
     "J/g-K,J/g-K,J/g-K,J/g-K"},
    {"LibrKXVpart_v", true, "CALL LiBrKXVpart_v(Tc, X : v, dvdx, v_w, v_s)", "C,-",
     "m^3/kg,m^3/kg,m^3/kg,m^3/kg"},
    {"LiBrKXVp", false, "P_sat = LiBrKXVp(Tc,X)", "C,-", "kPa"},
    {"LiBrKXVT", false, "T_sat = LiBrKXVT(P,X)", "kPa,-", "C"},
    {"LiBrKXVX", false, "X_sat = LiBrKXVX(T, P)", "C,kPa", "-"},
    {"LiBrKXVflash", true, "CALL LiBrKXVflash(h, P, x_in : q, T, x, hl, hv)", "J/g,kPa,-",
     "-,C,-,J/g,J/g"},
    {"LibrKXVpart_g", true, "CALL LiBrKXVpart_g(Tc, X, P : g, dgdx, mu_w, mu_s)", "C,-,kPa",
     "J/g,J/g,J/g,J/g"},
};

// Accepted input counts and the message for any other count.
struct CountRow {
    const char* name;
    int accepted_min, accepted_max;
    int outputs;  // 0 for a single-result function
    const char* count_message;
    const char* output_message;
};

const CountRow kCounts[] = {
    {"LiBrKXVuw", 3, 3, 0, "LiBrKXVuw expects three inputs", nullptr},
    {"LiBrKXVus", 3, 3, 0, "LiBrKXVus expects three inputs", nullptr},
    {"LiBrKXVh", 2, 3, 0, "LiBrKXVh expects two or three inputs", nullptr},
    {"LiBrKXVs", 2, 3, 0, "LiBrKXVs expects two or three inputs", nullptr},
    {"LiBrKXVCp", 2, 3, 0, "LiBrKXVCp expects two or three inputs", nullptr},
    {"LiBrKXVv", 2, 2, 0, "LiBrKXVv expects two inputs", nullptr},
    {"LibrKXVpart_h", 3, 3, 4, "LiBrKXVpart_h expects three inputs",
     "LiBrKXVpart_h requires 4 outputs"},
    {"LibrKXVpart_s", 3, 3, 4, "LiBrKXVpart_s expects three inputs",
     "LiBrKXVpart_s requires 4 outputs"},
    {"LibrKXVpart_v", 2, 2, 4, "LiBrKXVpart_v expects two inputs",
     "LiBrKXVpart_v requires 4 outputs"},
    {"LiBrKXVp", 2, 2, 0, "LiBrKXVp expects two inputs", nullptr},
    {"LiBrKXVT", 2, 2, 0, "LiBrKXVT expects two inputs", nullptr},
    {"LiBrKXVX", 2, 2, 0, "LiBrKXVX expects two inputs", nullptr},
    {"LiBrKXVflash", 3, 3, 5, "LiBrKXVflash expects three inputs",
     "LiBrKXVflash requires requires 5 outputs"},
    {"LibrKXVpart_g", 3, 3, 4, "LiBrKXVpart_g expects three inputs",
     "LiBrKXVpart_g requires 4 outputs"},
};

std::vector<double> inputs(int n) { return std::vector<double>(static_cast<std::size_t>(n), 0.5); }

}  // namespace

TEST(NameLists, CopyTheirTextsVerbatim) {
    const char* const expected_f =
        "LiBrKXVCond,LiBrKXVVisc,LiBrKXVCp,LiBrKXVT,LiBrKXVX,LiBrKXVh,LiBrKXVuw,LiBrKXVus,"
        "LiBrKXVv,LiBrKXVs,LiBrKXVp,LiBrKXVTCryst,LiBrKXVRefIndex";
    const char* const expected_p =
        "LibrKXVpart_g,LibrKXVpart_h,LibrKXVpart_s,LibrKXVpart_v,LiBrKXVflash";
    struct {
        const char* name;
        const char* text;
        std::size_t length;
    } rows[] = {{"DLFNames", expected_f, 137}, {"DLPNames", expected_p, 68}, {"FDLNames", "", 0}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        void* f = kxvhost::find_export(kxvtest::module(), r.name);
        ASSERT_NE(f, nullptr);
        const kxvhost::Call c = kxvhost::call_name_list(reinterpret_cast<kxvhost::NameListFn>(f));
        EXPECT_EQ(c.text, r.text);
        EXPECT_EQ(c.text.size(), r.length);
        EXPECT_HOST_SAFE(c);
    }
}

TEST(NameLists, NameThirteenFunctionsAndFiveProcedures) {
    void* f = kxvhost::find_export(kxvtest::module(), "DLFNames");
    void* p = kxvhost::find_export(kxvtest::module(), "DLPNames");
    ASSERT_TRUE(f && p);
    const std::string fs = kxvhost::call_name_list(reinterpret_cast<kxvhost::NameListFn>(f)).text;
    const std::string ps = kxvhost::call_name_list(reinterpret_cast<kxvhost::NameListFn>(p)).text;
    EXPECT_EQ(std::count(fs.begin(), fs.end(), ','), 12);
    EXPECT_EQ(fs.find("LiBrKXVActCoef"), std::string::npos);
    EXPECT_EQ(std::count(ps.begin(), ps.end(), ','), 4);
    EXPECT_EQ(fs.find(' '), std::string::npos);
}

TEST(Queries, EveryExportAnswersItsThreeTexts) {
    for (const QueryRow& r : kQueries) {
        const char* expected[] = {r.call, r.in_units, r.out_units};
        for (int q = 1; q <= 3; ++q) {
            SCOPED_TRACE(std::string(r.name) + " mode -" + std::to_string(q));
            const kxvhost::Call c = r.procedure ? proc(r.name, {25, 0.5, 10}, 4, -q, "old")
                                                : fn(r.name, {25, 0.5, 10}, -q, "old");
            EXPECT_EQ(c.text, expected[q - 1]);
            EXPECT_EQ(c.mode, -q);
            EXPECT_HOST_SAFE(c);
            if (r.procedure)
                for (double v : c.outputs) EXPECT_EQ(v, kUnwritten);
            else
                EXPECT_EQ(c.result, 0.0);
        }
    }
}

TEST(Counts, WrongInputCountGivesTheCountMessage) {
    for (const CountRow& r : kCounts) {
        for (int n : {0, 1, 2, 3, 4, 5}) {
            if (n >= r.accepted_min && n <= r.accepted_max) continue;
            SCOPED_TRACE(std::string(r.name) + " with " + std::to_string(n) + " inputs");
            if (r.outputs == 0) {
                const kxvhost::Call c = fn(r.name, inputs(n), 7, "old");
                EXPECT_EQ(c.text, r.count_message);
                EXPECT_EQ(c.mode, 7);
                EXPECT_EQ(c.result, 0.0);
                EXPECT_HOST_SAFE(c);
            } else {
                // The input count is tested first, so a wrong output list too still gives 1.
                for (std::size_t outs : {std::size_t(r.outputs), std::size_t(r.outputs + 1)}) {
                    const kxvhost::Call c = proc(r.name, inputs(n), outs, 7, "old");
                    EXPECT_EQ(c.text, r.count_message);
                    EXPECT_EQ(c.mode, 1);
                    for (double v : c.outputs) EXPECT_EQ(v, kUnwritten);
                    EXPECT_HOST_SAFE(c);
                }
            }
        }
    }
}

TEST(Counts, WrongOutputCountGivesTheOutputMessage) {
    for (const CountRow& r : kCounts) {
        if (r.outputs == 0) continue;
        for (int outs : {0, r.outputs - 1, r.outputs + 1}) {
            SCOPED_TRACE(std::string(r.name) + " with " + std::to_string(outs) + " outputs");
            const kxvhost::Call c =
                proc(r.name, inputs(r.accepted_min), static_cast<std::size_t>(outs), 0, "old");
            EXPECT_EQ(c.text, r.output_message);
            EXPECT_EQ(c.mode, 2);
            for (double v : c.outputs) EXPECT_EQ(v, kUnwritten);
            EXPECT_HOST_SAFE(c);
        }
    }
}

// A list whose last node links back into it is refused like any wrong
// count, without touching the lists, instead of holding the host forever.
TEST(Counts, CyclicListsCountAsTooLong) {
    struct Ring {
        ValueNode nodes[5];
        explicit Ring(int n) {
            for (int i = 0; i < n; ++i) nodes[i] = {kUnwritten + i, &nodes[(i + 1) % n]};
        }
        bool intact(int n) const {
            for (int i = 0; i < n; ++i)
                if (nodes[i].value != kUnwritten + i || nodes[i].next != &nodes[(i + 1) % n])
                    return false;
            return true;
        }
    };
    const auto function =
        reinterpret_cast<kxvhost::FunctionFn>(kxvhost::find_export(kxvtest::module(), "LiBrKXVp"));
    const auto procedure = reinterpret_cast<kxvhost::ProcedureFn>(
        kxvhost::find_export(kxvtest::module(), "LibrKXVpart_h"));
    ASSERT_TRUE(function && procedure);
    char text[kxvhost::kBufferSize] = "old";
    {
        Ring in(2);
        int mode = 7;
        EXPECT_EQ(function(text, &mode, in.nodes), 0.0);
        EXPECT_STREQ(text, "LiBrKXVp expects two inputs");
        EXPECT_EQ(mode, 7);
        EXPECT_TRUE(in.intact(2));
    }
    {
        Ring in(3), out(4);
        int mode = 0;
        procedure(text, &mode, in.nodes, out.nodes);
        EXPECT_STREQ(text, "LiBrKXVpart_h expects three inputs");
        EXPECT_EQ(mode, 1);
        EXPECT_TRUE(in.intact(3));
        EXPECT_TRUE(out.intact(4));
    }
    {
        ValueNode in[3] = {{25, &in[1]}, {0.5, &in[2]}, {10, nullptr}};
        Ring out(4);
        int mode = 0;
        procedure(text, &mode, in, out.nodes);
        EXPECT_STREQ(text, "LiBrKXVpart_h requires 4 outputs");
        EXPECT_EQ(mode, 2);
        EXPECT_TRUE(out.intact(4));
    }
}

TEST(ModeWord, AnyOtherValueComputesAndComesBackUnchanged) {
    for (int mode : {0, 5, -4, -5, 1, 2}) {
        SCOPED_TRACE(mode);
        const kxvhost::Call c = fn("LiBrKXVuw", {50, 0.5, 10}, mode, "left by the host");
        EXPECT_QUOTED(c.result, "-207.64283");
        EXPECT_EQ(c.mode, mode);
        EXPECT_EQ(c.text, "left by the host");
        const kxvhost::Call p = proc("LibrKXVpart_g", {50, 0.5, 10}, 4, mode, "left by the host");
        EXPECT_EQ(p.mode, 0);
        EXPECT_EQ(p.text, "");
        EXPECT_QUOTED(p.outputs[0], "-9.17486693");
    }
}

TEST(RangeChecks, ConcentrationEndsAFunctionButNotAProcedure) {
    struct {
        double X;
        const char* f_text;
        const char* p_text;
    } rows[] = {
        {0.8000001, "Warning: LiBrKXVuw: Input out of bounds: X <= 80 % LiBr",
         "Warning: LiBrKXVpart_g: Input out of bounds: X <= 80 % LiBr"},
        {-0.1, "Error: LiBrKXVuw: Input out of bounds: 0 <= X",
         "Error: LiBrKXVpart_g: Input out of bounds: 0 <= X"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.X);
        // Tc and P out of range as well: the concentration check ends the call first.
        const kxvhost::Call f = fn("LiBrKXVuw", {301, r.X, 600});
        EXPECT_EQ(f.result, 0.0);
        EXPECT_EQ(f.mode, -5);
        EXPECT_EQ(f.text, r.f_text);
        const kxvhost::Call p = proc("LibrKXVpart_g", {50, r.X, 10}, 4, 3);
        EXPECT_EQ(p.mode, 0);
        EXPECT_EQ(p.text, r.p_text);
        for (double v : p.outputs) EXPECT_NE(v, kUnwritten);
        EXPECT_HOST_SAFE(p);
    }
    // A negative percentage has no real x^1.1: every output is NaN.
    for (double v : proc("LibrKXVpart_g", {50, -0.1, 10}, 4).outputs) EXPECT_TRUE(std::isnan(v));
}

TEST(RangeChecks, TemperatureAndPressureWarnAndTheLaterMessageStays) {
    const kxvhost::Call f = fn("LiBrKXVuw", {301, 0.5, 600});
    EXPECT_EQ(f.mode, -5);
    EXPECT_EQ(f.text, "Warning: LiBrKXVuw: Input out of bounds: 0 < P < 500 kPa");
    EXPECT_TRUE(std::isfinite(f.result));
    EXPECT_NE(f.result, 0.0);

    const kxvhost::Call t = fn("LiBrKXVuw", {-1, 0.5, 10});
    EXPECT_EQ(t.mode, -5);
    EXPECT_EQ(t.text, kxvtest::tc_message("LiBrKXVuw"));
    EXPECT_EQ(t.text.find("300\xB0"
                          "C"),
              t.text.size() - 5);  // one byte for the degree sign

    const kxvhost::Call p = proc("LibrKXVpart_g", {301, 0.5, 600}, 4);
    EXPECT_EQ(p.mode, 0);
    EXPECT_EQ(p.text, "Warning: LiBrKXVpart_g: Input out of bounds: 0 < P < 500 kPa");
    const kxvhost::Call pt = proc("LibrKXVpart_g", {301, 0.5, 10}, 4);
    EXPECT_EQ(pt.text, kxvtest::tc_message("LiBrKXVpart_g"));
}

TEST(RangeChecks, TheBoundsThemselvesPass) {
    const std::vector<std::vector<double>> states = {{0, 0.5, 10},  {300, 0.5, 10}, {50, 0, 10},
                                                     {50, 0.8, 10}, {50, 0.5, 0},   {50, 0.5, 500}};
    for (const auto& s : states) {
        SCOPED_TRACE(::testing::PrintToString(s));
        const kxvhost::Call f = fn("LiBrKXVuw", s, 0, "kept");
        EXPECT_EQ(f.mode, 0);
        EXPECT_EQ(f.text, "kept");
        const kxvhost::Call p = proc("LibrKXVpart_g", s, 4, 9, "kept");
        EXPECT_EQ(p.mode, 0);
        EXPECT_EQ(p.text, "");
    }
}

TEST(RangeChecks, NotANumberPassesEveryCheck) {
    const double nan = std::nan("");
    for (int i = 0; i < 3; ++i) {
        std::vector<double> in = {50, 0.5, 10};
        in[static_cast<std::size_t>(i)] = nan;
        SCOPED_TRACE(i);
        const kxvhost::Call f = fn("LiBrKXVuw", in, 0, "kept");
        EXPECT_TRUE(std::isnan(f.result));
        EXPECT_EQ(f.mode, 0);
        EXPECT_EQ(f.text, "kept");
        const kxvhost::Call p = proc("LibrKXVpart_g", in, 4);
        EXPECT_EQ(p.text, "");
        EXPECT_TRUE(std::isnan(p.outputs[0]));
    }
}

#if defined(_WIN32)
#include <windows.h>

#include <fstream>

// The host may also find an export by its ordinal: 1 to 22 in the byte
// order of the names, each the same entry as the name.
TEST(WindowsModule, OrdinalsNameTheSameEntries) {
    HMODULE h = reinterpret_cast<HMODULE>(kxvtest::module().handle);
    ASSERT_NE(h, nullptr);
    std::ifstream names(KXVLIBR_EXPORTED_NAMES);
    std::string name;
    WORD ordinal = 0;
    while (names >> name) {
        ++ordinal;
        FARPROC by_name = GetProcAddress(h, name.c_str());
        EXPECT_NE(by_name, nullptr) << name;
        EXPECT_EQ(GetProcAddress(h, MAKEINTRESOURCEA(ordinal)), by_name) << name;
    }
    EXPECT_EQ(ordinal, 22);
    EXPECT_EQ(GetProcAddress(h, MAKEINTRESOURCEA(23)), nullptr);
    EXPECT_EQ(GetProcAddress(h, "_LiBrKXVh"), nullptr);
    EXPECT_EQ(GetProcAddress(h, "DllMain"), nullptr);
}
#endif
