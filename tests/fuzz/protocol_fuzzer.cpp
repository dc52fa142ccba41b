// Calls the module's exports with whatever a host might hand over: any
// export, any mode word, no list or lists of up to eight nodes (sometimes
// linked back into themselves), any doubles. After every call it checks what
// the host can see: the text written, the mode word, the lists.
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

#include "catalogue.hpp"
#include "kxv_host.hpp"

namespace {

namespace cat = kxv::catalogue;

constexpr int kMaxNodes = 8;
constexpr unsigned char kFresh = 0xA5;  // the buffer's bytes before a call

// Reads the fuzz input front to back; zeros once it runs out.
struct Reader {
    const std::uint8_t* p;
    std::size_t left;

    std::uint8_t byte() {
        if (left == 0) return 0;
        --left;
        return *p++;
    }
    template <class T>
    T raw() {
        unsigned char b[sizeof(T)];
        for (unsigned char& c : b) c = byte();
        T v;
        std::memcpy(&v, b, sizeof v);
        return v;
    }
};

double pick_value(Reader& r) {
    static const double special[] = {
        std::numeric_limits<double>::quiet_NaN(),
        -std::numeric_limits<double>::quiet_NaN(),
        std::numeric_limits<double>::infinity(),
        -std::numeric_limits<double>::infinity(),
        0.0,
        -0.0,
        std::numeric_limits<double>::denorm_min(),
        -std::numeric_limits<double>::denorm_min(),
        DBL_MAX,
        -DBL_MAX,
        DBL_MIN,
        1e300,
        300.0,
        500.0,
        0.8,
        0.4846908,
    };
    const std::uint8_t kind = r.byte();
    if (kind < 16) return special[kind];
    // Mostly plausible states, so that the solvers get to iterate.
    if (kind < 160) return -50.0 + 1550.0 * (r.raw<std::uint16_t>() / 65535.0);
    if (kind < 208) return r.raw<std::uint16_t>() / 65535.0;
    return r.raw<double>();
}

int pick_mode(Reader& r) {
    static const int modes[] = {-1, -2, -3, 0, -5, 1, 2, -4};
    const std::uint8_t k = r.byte() % 10;
    return k < 8 ? modes[k] : r.raw<std::int32_t>();
}

// A host's list: none, or 1 to 8 nodes; a cyclic one links its last node back.
struct List {
    ValueNode nodes[kMaxNodes];
    int count = 0;
    bool cyclic = false;

    void fill(Reader& r, bool values) {
        const std::uint8_t b = r.byte();
        count = b % (kMaxNodes + 1);
        cyclic = count > 0 && (b & 0x80) != 0;
        for (int i = 0; i < count; ++i) {
            nodes[i].value = values ? pick_value(r) : kxvhost::kUnwritten;
            nodes[i].next = i + 1 < count ? &nodes[i + 1] : nullptr;
        }
        if (cyclic) nodes[count - 1].next = &nodes[r.byte() % count];
    }
    ValueNode* head() { return count == 0 ? nullptr : nodes; }
    // The count an export sees: a cycle is longer than any export takes.
    int seen_count() const { return cyclic ? kxv::kMaxListNodes + 1 : count; }
};

[[noreturn]] void fail(const char* name, const char* what) {
    std::fprintf(stderr, "%s: %s\n", name, what);
    std::abort();
}

bool same_bits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// A node list compared with a copy taken before the call (whose links
// still point into the live list).
bool same_nodes(const List& now, const List& before, bool values) {
    for (int i = 0; i < now.count; ++i) {
        if (now.nodes[i].next != before.nodes[i].next) return false;
        if (values && !same_bits(now.nodes[i].value, before.nodes[i].value)) return false;
    }
    return true;
}

// Range messages the export may write, one per check.
bool is_range_message(const kxv::Export& e, const std::string& text) {
    char message[256];
    for (int i = 0; i < e.check_count; ++i) {
        kxv::copy_range_message(message, e, e.checks[i].check);
        if (text == message) return true;
    }
    return false;
}

bool any_check_fails(const kxv::Export& e, const List& in) {
    for (int i = 0; i < e.check_count; ++i) {
        const kxv::InputCheck& c = e.checks[i];
        if (c.input < in.count && kxv::check_fails(c.check, in.nodes[c.input].value)) return true;
    }
    return false;
}

// The buffer sits at the very end of its allocation, sized to the longest
// text the export can write: one byte more is an overflow the address
// sanitizer reports.
struct Buffer {
    char* bytes;
    std::size_t size;

    explicit Buffer(std::size_t n) : bytes(static_cast<char*>(std::malloc(n))), size(n) {
        std::memset(bytes, kFresh, n);
    }
    ~Buffer() { std::free(bytes); }
    Buffer(const Buffer&) = delete;
    Buffer& operator=(const Buffer&) = delete;

    bool untouched() const {
        for (std::size_t i = 0; i < size; ++i)
            if (static_cast<unsigned char>(bytes[i]) != kFresh) return false;
        return true;
    }
    // The zero-terminated text written; fails when there is no terminator.
    std::string text(const char* name) const {
        const void* end = std::memchr(bytes, 0, size);
        if (!end) fail(name, "text without a terminator");
        return std::string(bytes, static_cast<std::size_t>(static_cast<const char*>(end) - bytes));
    }
};

void check_name_list(const cat::Entry& entry, void* fn) {
    const char* expected = entry.ordinal == 1   ? cat::function_names
                           : entry.ordinal == 2 ? cat::procedure_names
                                                : cat::fdl_names;
    Buffer buffer(std::strlen(expected) + 1);
    reinterpret_cast<kxvhost::NameListFn>(fn)(buffer.bytes);
    if (buffer.text(entry.name) != expected) fail(entry.name, "name list text differs");
}

void check_call(const cat::Entry& entry, void* fn, Reader& r) {
    const kxv::Export& e = *entry.record;
    const bool procedure = entry.kind == cat::Kind::Procedure;
    const int mode_in = pick_mode(r);
    List in, out;
    in.fill(r, true);
    if (procedure) out.fill(r, false);
    const List in_before = in, out_before = out;

    Buffer buffer(static_cast<std::size_t>(e.longest_text));
    int mode = mode_in;
    double result = 0.0;
    if (procedure)
        reinterpret_cast<kxvhost::ProcedureFn>(fn)(buffer.bytes, &mode, in.head(), out.head());
    else
        result = reinterpret_cast<kxvhost::FunctionFn>(fn)(buffer.bytes, &mode, in.head());

    if (!same_nodes(in, in_before, true)) fail(e.name, "input list changed");
    if (!same_nodes(out, out_before, false)) fail(e.name, "output links changed");
    const bool outputs_kept = same_nodes(out, out_before, true);

    const bool query = mode_in == -1 || mode_in == -2 || mode_in == -3;
    const int n_in = in.seen_count();
    const bool count_ok = n_in >= e.min_inputs && n_in <= e.max_inputs;
    if (query) {
        const char* answer = mode_in == -1 ? e.call_text : mode_in == -2 ? e.in_units : e.out_units;
        if (buffer.text(e.name) != answer) fail(e.name, "query answer differs");
        if (mode != mode_in || result != 0.0 || !outputs_kept) fail(e.name, "query computed");
        return;
    }
    if (!count_ok) {
        if (buffer.text(e.name) != e.count_message) fail(e.name, "count message differs");
        if (mode != (procedure ? 1 : mode_in) || result != 0.0 || !outputs_kept)
            fail(e.name, "refused count computed or set the wrong mode");
        return;
    }
    if (procedure) {
        if (out.seen_count() != e.outputs) {
            if (buffer.text(e.name) != e.output_count_message) fail(e.name, "output message");
            if (mode != 2 || !outputs_kept) fail(e.name, "refused outputs written");
            return;
        }
        const std::string text = buffer.text(e.name);
        if (mode != 0) fail(e.name, "procedure did not report success");
        if (!(text.empty() || is_range_message(e, text))) fail(e.name, "unknown text");
        if (text.empty() == any_check_fails(e, in)) fail(e.name, "range text and checks disagree");
        return;
    }
    if (any_check_fails(e, in)) {
        if (mode != -5 || !is_range_message(e, buffer.text(e.name)))
            fail(e.name, "failed check not reported");
    } else if (mode != mode_in || !buffer.untouched()) {
        fail(e.name, "clean call touched the buffer or the mode word");
    }
}

void* exports[sizeof cat::all / sizeof cat::all[0]];

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    const char* env = std::getenv("KXVLIBR_MODULE");
    std::string error;
    const kxvhost::Module m = kxvhost::load_module(env ? env : KXVLIBR_MODULE_PATH, &error);
    if (!m.handle) {
        std::fprintf(stderr, "cannot load the module: %s\n", error.c_str());
        std::exit(1);
    }
    for (std::size_t i = 0; i < sizeof cat::all / sizeof cat::all[0]; ++i) {
        exports[i] = kxvhost::find_export(m, cat::all[i].name);
        if (!exports[i]) {
            std::fprintf(stderr, "the module has no export %s\n", cat::all[i].name);
            std::exit(1);
        }
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Reader r{data, size};
    const std::size_t n = sizeof cat::all / sizeof cat::all[0];
    const std::size_t k = r.byte() % n;
    if (cat::all[k].kind == cat::Kind::NameList)
        check_name_list(cat::all[k], exports[k]);
    else
        check_call(cat::all[k], exports[k], r);
    return 0;
}
