// kxvhost: calls the exports of a KXVLiBr module from the command line, the
// way an equation-solving host does, and prints what comes back.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "catalogue.hpp"
#include "chiller.hpp"
#include "kxv_host.hpp"

namespace {

using kxv::catalogue::Kind;

const char* const kUsage =
    "usage: kxvhost [--module PATH] [--mode M] [--outputs N] NAME [V1 V2 ...]\n"
    "       kxvhost [--module PATH] --names | --query NAME\n"
    "       kxvhost [--module PATH] chiller [--evaporator C] [--absorber C] [--condenser C]\n"
    "                                       [--generator C] [--effectiveness E] [--pump KG/S]\n"
    "With no arguments: the name lists and a table of typical states.\n"
    "chiller: a single-effect absorption chiller (defaults 5, 35, 40, 85 C, 0.7, 0.05 kg/s).\n";

// A few typical states of an absorption chiller, one call each.
struct Example {
    const char* name;
    std::vector<double> inputs;
};
const Example kExamples[] = {
    {"LiBrKXVuw", {50, 0.5, 10}},
    {"LiBrKXVus", {50, 0.5, 10}},
    {"LibrKXVpart_g", {50, 0.5, 10}},
    {"LiBrKXVh", {50, 0.5}},
    {"LiBrKXVs", {50, 0.5}},
    {"LiBrKXVCp", {50, 0.5}},
    {"LiBrKXVv", {25, 0.5}},
    {"LibrKXVpart_h", {50, 0.5, 10}},
    {"LiBrKXVp", {40, 0.5}},
    {"LiBrKXVT", {0.87, 0.55}},
    {"LiBrKXVX", {40, 2}},
    {"LiBrKXVflash", {200, 5, 0.5}},
    {"LiBrKXVCond", {25, 0.5}},
    {"LiBrKXVVisc", {25, 0.5}},
    {"LiBrKXVRefIndex", {20, 0.5}},
    {"LiBrKXVTCryst", {0.65}},
    {"LiBrKXVActCoef", {25, 0.5, 10}},
};

int usage_error(const std::string& message) {
    std::fprintf(stderr, "kxvhost: %s\n", message.c_str());
    return 2;
}

std::vector<std::string> split(const std::string& s, const std::string& sep) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t at; (at = s.find(sep, start)) != std::string::npos; start = at + sep.size())
        parts.push_back(s.substr(start, at - start));
    parts.push_back(s.substr(start));
    return parts;
}

std::string query(void* fn, Kind kind, int mode) {
    return kxvhost::call_export(fn, kind == Kind::Procedure, {}, 0, mode).text;
}

// Names of the results, read from the calling-sequence text.
std::vector<std::string> result_names(const std::string& call, Kind kind, std::size_t inputs) {
    if (kind == Kind::Procedure) {
        const std::size_t colon = call.find(" : ");
        const std::size_t close = call.rfind(')');
        if (colon == std::string::npos || close == std::string::npos) return {};
        return split(call.substr(colon + 3, close - colon - 3), ", ");
    }
    std::vector<std::string> forms = split(call, " or ");
    for (const std::string& form : forms) {
        const std::size_t open = form.find('('), close = form.find(')');
        if (open == std::string::npos || close == std::string::npos) continue;
        if (split(form.substr(open + 1, close - open - 1), ",").size() == inputs)
            return {form.substr(0, form.find(" = "))};
    }
    return {forms[0].substr(0, forms[0].find(" = "))};
}

void print_value(const std::string& name, double v, const std::string& unit) {
    std::printf("  %-10s = %.10g %s\n", name.c_str(), v, unit == "-" ? "" : unit.c_str());
}

// Calls one export, prints the outcome and returns the exit status.
int call_and_print(void* fn, const kxv::catalogue::Entry& entry, const std::vector<double>& in,
                   int mode, int outputs) {
    const Kind kind = entry.kind;
    const std::string call_text = query(fn, kind, -1);
    const std::vector<std::string> units = split(query(fn, kind, -3), ",");
    const std::vector<std::string> names = result_names(call_text, kind, in.size());
    const kxvhost::Call c = kxvhost::call_export(fn, kind == Kind::Procedure, in,
                                                 static_cast<std::size_t>(outputs), mode);

    std::printf("%s(", entry.name);
    for (std::size_t i = 0; i < in.size(); ++i) std::printf("%s%.10g", i ? ", " : "", in[i]);
    std::printf(")\n");
    const bool query_call = mode == -1 || mode == -2 || mode == -3;
    if (!query_call) {
        if (kind == Kind::Function) {
            print_value(names.empty() ? "result" : names[0], c.result,
                        units.empty() ? "" : units[0]);
        } else {
            for (std::size_t i = 0; i < c.outputs.size(); ++i)
                print_value(i < names.size() ? names[i] : "out" + std::to_string(i + 1),
                            c.outputs[i], i < units.size() ? units[i] : "");
        }
    }
    std::printf("  mode word  = %d\n  text       = \"%s\"\n", c.mode,
                kxvhost::cp1252_to_utf8(c.text).c_str());
    if (!c.guard_intact || !c.terminated) {
        std::printf("  the module wrote past the host's text buffer\n");
        return 1;
    }
    if (query_call) return 0;
    const bool problem = kind == Kind::Function ? (c.mode != mode || !c.text.empty())
                                                : (c.mode != 0 || !c.text.empty());
    return problem ? 1 : 0;
}

void print_name_lists(const kxvhost::Module& m) {
    for (const char* name : {"DLFNames", "DLPNames", "FDLNames"}) {
        void* fn = kxvhost::find_export(m, name);
        if (!fn) continue;
        std::printf(
            "%s: \"%s\"\n", name,
            kxvhost::call_name_list(reinterpret_cast<kxvhost::NameListFn>(fn)).text.c_str());
    }
}

bool parse_number(const char* s, double* v) {
    char* end = nullptr;
    *v = std::strtod(s, &end);
    return end != s && *end == '\0';
}

bool parse_int(const char* s, int* v) {
    char* end = nullptr;
    const long n = std::strtol(s, &end, 10);
    *v = static_cast<int>(n);
    return end != s && *end == '\0';
}

// The chiller's design options, after the word "chiller".
int parse_chiller(int argc, char** argv, int first, kxvhost::ChillerDesign* d) {
    struct Option {
        const char* name;
        double* value;
    };
    const Option options[] = {{"--evaporator", &d->T_evap},
                              {"--absorber", &d->T_abs},
                              {"--condenser", &d->T_cond},
                              {"--generator", &d->T_gen},
                              {"--effectiveness", &d->effectiveness},
                              {"--pump", &d->m_pump}};
    for (int i = first; i < argc; ++i) {
        const Option* found = nullptr;
        for (const Option& o : options)
            if (std::strcmp(argv[i], o.name) == 0) found = &o;
        if (!found) return usage_error("unknown chiller option: '" + std::string(argv[i]) + "'");
        if (i + 1 >= argc) return usage_error(std::string(argv[i]) + " needs a value");
        if (!parse_number(argv[++i], found->value))
            return usage_error("not a number: '" + std::string(argv[i]) + "'");
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::string module_path = kxvhost::default_module_path(argv[0]);
    int mode = 0, outputs = -1;
    bool names = false;
    const char* query_name = nullptr;
    std::vector<const char*> args;
    bool chiller = false;
    kxvhost::ChillerDesign design;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "chiller" && args.empty() && !names && !query_name) {
            chiller = true;
            if (const int status = parse_chiller(argc, argv, i + 1, &design)) return status;
            break;
        }
        const bool has_value = i + 1 < argc;
        if (a == "--help" || a == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        } else if (a == "--names") {
            names = true;
        } else if (a == "--module" || a == "--mode" || a == "--outputs" || a == "--query") {
            if (!has_value) return usage_error(a + " needs a value");
            const char* v = argv[++i];
            if (a == "--module") module_path = v;
            if (a == "--query") query_name = v;
            if (a == "--mode" && !parse_int(v, &mode))
                return usage_error("not a mode word: '" + std::string(v) + "'");
            if (a == "--outputs" && (!parse_int(v, &outputs) || outputs < 0))
                return usage_error("not an output count: '" + std::string(v) + "'");
        } else if (a.size() > 2 && a[0] == '-' && a[1] == '-') {
            return usage_error("unknown option: '" + a + "'");
        } else {
            args.push_back(argv[i]);
        }
    }

    std::string error;
    kxvhost::Module m = kxvhost::load_module(module_path, &error);
    if (!m.handle) return usage_error(error);

    if (chiller) {
        std::string problem;
        if (kxvhost::print_chiller(m, design, &problem)) return 0;
        std::fprintf(stderr, "kxvhost chiller: %s\n", problem.c_str());
        return 1;
    }
    if (names) {
        print_name_lists(m);
        return 0;
    }
    if (query_name) {
        const kxv::catalogue::Entry* e = kxv::catalogue::find(query_name);
        void* fn = kxvhost::find_export(m, query_name);
        if (!e || !fn || e->kind == Kind::NameList)
            return usage_error("unknown export: '" + std::string(query_name) + "'");
        for (int q = -1; q >= -3; --q)
            std::printf("%d: \"%s\"\n", q, kxvhost::cp1252_to_utf8(query(fn, e->kind, q)).c_str());
        return 0;
    }
    if (args.empty()) {
        print_name_lists(m);
        std::printf("\nTypical states:\n");
        int status = 0;
        for (const Example& ex : kExamples) {
            const kxv::catalogue::Entry* e = kxv::catalogue::find(ex.name);
            void* fn = kxvhost::find_export(m, ex.name);
            if (!e || !fn) continue;
            const int outs = e->record->outputs;
            if (call_and_print(fn, *e, ex.inputs, 0, outs) != 0) status = 1;
        }
        return status;
    }

    const kxv::catalogue::Entry* e = kxv::catalogue::find(args[0]);
    if (e && e->kind == Kind::NameList) {
        void* fn = kxvhost::find_export(m, args[0]);
        if (!fn) return usage_error("unknown export: '" + std::string(args[0]) + "'");
        std::printf(
            "%s: \"%s\"\n", args[0],
            kxvhost::call_name_list(reinterpret_cast<kxvhost::NameListFn>(fn)).text.c_str());
        return 0;
    }
    void* fn = e ? kxvhost::find_export(m, args[0]) : nullptr;
    if (!fn) return usage_error("unknown export: '" + std::string(args[0]) + "'");
    std::vector<double> in;
    for (std::size_t i = 1; i < args.size(); ++i) {
        double v;
        if (!parse_number(args[i], &v))
            return usage_error("not a number: '" + std::string(args[i]) + "'");
        in.push_back(v);
    }
    if (outputs < 0) outputs = e->record->outputs;
    return call_and_print(fn, *e, in, mode, outputs);
}
