// kxvgrid: calls every export of a module over a grid of states and writes
// the exact bits of each result, so that two builds (Linux and Windows, say)
// can be compared; --compare reads two such files and reports how far they
// differ, export by export.
//
//   kxvgrid [--module PATH] [--outside] > results.txt
//   kxvgrid --compare A.txt B.txt [--bound REL] [--unsettled-bound REL]
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "catalogue.hpp"
#include "kxv_host.hpp"

namespace {

using kxv::catalogue::Kind;

std::vector<double> steps(double from, double to, double step) {
    std::vector<double> v;
    for (int i = 0;; ++i) {
        const double x = from + i * step;
        if (x > to + 1e-9 * std::fabs(step)) break;
        v.push_back(x);
    }
    return v;
}

// The values each kind of input takes, inside the validated ranges or around
// and beyond them.
struct Axes {
    std::vector<double> Tc, X, P, h;
};

Axes axes(bool outside) {
    if (outside)
        return {steps(-50, 400, 12.5),
                steps(-0.1, 1.0, 0.05),
                {-1, 0, 1e-4, 0.01, 600, 1000, 5000},
                steps(-500, 3000, 100)};
    return {steps(0, 300, 10),
            steps(0, 0.8, 0.025),
            {0, 0.5, 1, 2, 5, 10, 20, 50, 100, 200, 500},
            steps(0, 1400, 50)};
}

// Input lists for an export, from the names in its calling sequence.
std::vector<std::vector<double>> states(const kxv::Export& e, const Axes& a) {
    std::vector<std::vector<double>> out;
    const std::string call = e.call_text;
    const std::string name = e.name;
    if (name == "LiBrKXVTCryst") {
        for (double X : steps(0.47, 0.73, 0.001)) out.push_back({X});
    } else if (name == "LiBrKXVflash") {
        for (double h : a.h)
            for (double P : a.P)
                for (double X : steps(a.X.front(), a.X.back(), 0.1)) out.push_back({h, P, X});
    } else if (name == "LiBrKXVT") {
        for (double P : a.P)
            for (double X : a.X) out.push_back({P, X});
    } else if (name == "LiBrKXVX") {
        for (double Tc : a.Tc)
            for (double P : a.P) out.push_back({Tc, P});
    } else {
        for (double Tc : a.Tc)
            for (double X : a.X) {
                if (e.min_inputs == 2) out.push_back({Tc, X});
                if (e.max_inputs == 3)
                    for (double P : a.P) out.push_back({Tc, X, P});
            }
    }
    return out;
}

std::uint64_t bits(double v) {
    std::uint64_t b;
    std::memcpy(&b, &v, sizeof b);
    return b;
}

double from_bits(std::uint64_t b) {
    double v;
    std::memcpy(&v, &b, sizeof v);
    return v;
}

int dump(const kxvhost::Module& m, bool outside) {
    const Axes a = axes(outside);
    for (const auto& entry : kxv::catalogue::all) {
        if (!entry.record) continue;
        void* fn = kxvhost::find_export(m, entry.name);
        if (!fn) {
            std::fprintf(stderr, "kxvgrid: the module has no export %s\n", entry.name);
            return 2;
        }
        for (const std::vector<double>& in : states(*entry.record, a)) {
            const kxvhost::Call c =
                kxvhost::call_export(fn, entry.kind == Kind::Procedure, in,
                                     static_cast<std::size_t>(entry.record->outputs));
            const std::vector<double> results =
                entry.kind == Kind::Procedure ? c.outputs : std::vector<double>{c.result};
            std::printf("%s", entry.name);
            for (double v : in) std::printf(" %016" PRIx64, bits(v));
            std::printf(" :");
            for (double v : results) std::printf(" %016" PRIx64, bits(v));
            std::printf("\n");
        }
    }
    return 0;
}

struct Stats {
    long values = 0;
    long differ = 0;       // not the same bits
    long other_path = 0;   // a number against NaN, an infinity or a flag
    double max_rel = 0.0;  // over values that are both finite numbers
    bool flagged = false;
};

bool is_flag(double v) { return v == 9999.0 || v == -9999.0 || v == 999.0; }

std::vector<std::string> read_lines(const char* path) {
    std::vector<std::string> lines;
    std::FILE* f = std::fopen(path, "r");
    if (!f) return lines;
    std::string line;
    for (int c; (c = std::fgetc(f)) != EOF;) {
        if (c == '\n') {
            lines.push_back(line);
            line.clear();
        } else if (c != '\r') {
            line += static_cast<char>(c);
        }
    }
    std::fclose(f);
    return lines;
}

std::vector<std::string> words(const std::string& s) {
    std::vector<std::string> w;
    std::size_t i = 0;
    while (i < s.size()) {
        const std::size_t j = s.find(' ', i);
        w.push_back(s.substr(i, j == std::string::npos ? std::string::npos : j - i));
        if (j == std::string::npos) break;
        i = j + 1;
    }
    return w;
}

int compare(const char* path_a, const char* path_b, double bound, double unsettled_bound) {
    const std::vector<std::string> a = read_lines(path_a), b = read_lines(path_b);
    if (a.empty() || a.size() != b.size()) {
        std::fprintf(stderr, "kxvgrid: %s and %s do not hold the same calls (%zu and %zu lines)\n",
                     path_a, path_b, a.size(), b.size());
        return 2;
    }
    std::map<std::string, Stats> by_export;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const std::vector<std::string> wa = words(a[i]), wb = words(b[i]);
        std::size_t colon = 0;
        while (colon < wa.size() && wa[colon] != ":") ++colon;
        if (wa.size() != wb.size() || colon == wa.size() ||
            !std::equal(wa.begin(), wa.begin() + static_cast<long>(colon), wb.begin())) {
            std::fprintf(stderr, "kxvgrid: line %zu is not the same call in both files\n", i + 1);
            return 2;
        }
        // Results of an iteration that did not settle (its first output a flag)
        // are kept apart: their last digits follow the rounding of every pass.
        const bool flagged =
            is_flag(from_bits(std::strtoull(wa[colon + 1].c_str(), nullptr, 16))) ||
            is_flag(from_bits(std::strtoull(wb[colon + 1].c_str(), nullptr, 16)));
        Stats& s = by_export[wa[0] + (flagged ? " unsettled" : "")];
        s.flagged = flagged;
        for (std::size_t k = colon + 1; k < wa.size(); ++k) {
            const double x = from_bits(std::strtoull(wa[k].c_str(), nullptr, 16));
            const double y = from_bits(std::strtoull(wb[k].c_str(), nullptr, 16));
            ++s.values;
            if (wa[k] == wb[k] || (std::isnan(x) && std::isnan(y))) continue;
            ++s.differ;
            if (!std::isfinite(x) || !std::isfinite(y) || is_flag(x) != is_flag(y)) {
                ++s.other_path;
                continue;
            }
            const double rel = std::fabs(x - y) / std::fmax(std::fabs(x), std::fabs(y));
            if (rel > s.max_rel) s.max_rel = rel;
        }
    }
    std::printf("%-24s %9s %9s %11s %12s\n", "export", "values", "differ", "other path", "max rel");
    bool within = true;
    double worst[2] = {0, 0};
    for (const auto& [name, s] : by_export) {
        std::printf("%-24s %9ld %9ld %11ld %12.3g\n", name.c_str(), s.values, s.differ,
                    s.other_path, s.max_rel);
        double& w = worst[s.flagged ? 1 : 0];
        if (s.max_rel > w) w = s.max_rel;
        if (s.max_rel > (s.flagged ? unsettled_bound : bound) || s.other_path > 0) within = false;
    }
    std::printf(
        "largest relative difference: %.3g (bound %.3g); of unsettled results: %.3g (bound %.3g)\n",
        worst[0], bound, worst[1], unsettled_bound);
    std::printf("%s\n", within ? "within the bounds" : "BOUND EXCEEDED");
    return within ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    std::string module_path = kxvhost::default_module_path(argv[0]);
    bool outside = false;
    double bound = 0, unsettled_bound = 0;
    const char* cmp[2] = {nullptr, nullptr};
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--module" && i + 1 < argc) {
            module_path = argv[++i];
        } else if (a == "--outside") {
            outside = true;
        } else if (a == "--bound" && i + 1 < argc) {
            bound = std::strtod(argv[++i], nullptr);
        } else if (a == "--unsettled-bound" && i + 1 < argc) {
            unsettled_bound = std::strtod(argv[++i], nullptr);
        } else if (a == "--compare" && i + 2 < argc) {
            cmp[0] = argv[++i];
            cmp[1] = argv[++i];
        } else {
            std::fprintf(stderr,
                         "usage: kxvgrid [--module PATH] [--outside]\n"
                         "       kxvgrid --compare A B [--bound REL] [--unsettled-bound REL]\n");
            return 2;
        }
    }
    if (cmp[0]) return compare(cmp[0], cmp[1], bound, unsettled_bound);
    std::string error;
    const kxvhost::Module m = kxvhost::load_module(module_path, &error);
    if (!m.handle) {
        std::fprintf(stderr, "kxvgrid: %s\n", error.c_str());
        return 2;
    }
    return dump(m, outside);
}
