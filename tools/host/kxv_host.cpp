#include "kxv_host.hpp"

#include <cstdlib>
#include <cstring>

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace kxvhost {
namespace {

constexpr unsigned char kGuardByte = 0xA5;
constexpr unsigned char kFreshByte = 0x5A;

// The host's buffer: text area, then a guard that the module must not touch.
struct Buffer {
    unsigned char bytes[kBufferSize + kGuardSize];

    explicit Buffer(const std::string& before) {
        std::memset(bytes, kFreshByte, kBufferSize);
        std::memset(bytes + kBufferSize, kGuardByte, kGuardSize);
        std::memcpy(bytes, before.c_str(), before.size() + 1);
    }
    char* text() { return reinterpret_cast<char*>(bytes); }

    void read_into(Call& call) const {
        const void* end = std::memchr(bytes, 0, kBufferSize);
        call.terminated = end != nullptr;
        const std::size_t n =
            end ? static_cast<std::size_t>(static_cast<const unsigned char*>(end) - bytes)
                : kBufferSize;
        call.text.assign(reinterpret_cast<const char*>(bytes), n);
        call.guard_intact = true;
        for (std::size_t i = kBufferSize; i < kBufferSize + kGuardSize; ++i)
            if (bytes[i] != kGuardByte) call.guard_intact = false;
    }
};

// A host-owned list of values, linked in order; null head when empty.
struct List {
    std::vector<ValueNode> nodes;

    explicit List(const std::vector<double>& values) : nodes(values.size()) {
        for (std::size_t i = 0; i < nodes.size(); ++i) {
            nodes[i].value = values[i];
            nodes[i].next = i + 1 < nodes.size() ? &nodes[i + 1] : nullptr;
        }
    }
    ValueNode* head() { return nodes.empty() ? nullptr : nodes.data(); }

    bool unchanged(const std::vector<double>& values) const {
        for (std::size_t i = 0; i < nodes.size(); ++i) {
            const ValueNode* next = i + 1 < nodes.size() ? &nodes[i + 1] : nullptr;
            if (nodes[i].next != next) return false;
            if (std::memcmp(&nodes[i].value, &values[i], sizeof(double)) != 0) return false;
        }
        return true;
    }
};

}  // namespace

Module load_module(const std::string& path, std::string* error) {
    Module m;
    m.path = path;
#if defined(_WIN32)
    m.handle = reinterpret_cast<void*>(LoadLibraryA(path.c_str()));
    if (!m.handle && error)
        *error = "cannot load " + path + " (error " + std::to_string(GetLastError()) + ")";
#else
    m.handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!m.handle && error) *error = dlerror();
#endif
    return m;
}

void unload_module(Module& module) {
    if (!module.handle) return;
#if defined(_WIN32)
    FreeLibrary(reinterpret_cast<HMODULE>(module.handle));
#else
    dlclose(module.handle);
#endif
    module.handle = nullptr;
}

void* find_export(const Module& module, const char* name) {
    if (!module.handle) return nullptr;
#if defined(_WIN32)
    return reinterpret_cast<void*>(GetProcAddress(reinterpret_cast<HMODULE>(module.handle), name));
#else
    return dlsym(module.handle, name);
#endif
}

std::string default_module_path(const char* argv0) {
    if (const char* env = std::getenv("KXVLIBR_MODULE")) return env;
#if defined(_WIN32)
    const char* file = "KXVLiBr.dll";
#else
    const char* file = "KXVLiBr.so";
#endif
    std::string dir = argv0 ? argv0 : "";
    const std::size_t slash = dir.find_last_of("/\\");
    dir = slash == std::string::npos ? std::string(".") : dir.substr(0, slash);
    return dir + "/" + file;
}

Call call_name_list(NameListFn f) {
    Buffer buffer("");
    f(buffer.text());
    Call call;
    buffer.read_into(call);
    return call;
}

Call call_function(FunctionFn f, const std::vector<double>& inputs, int mode,
                   const std::string& text_before) {
    Buffer buffer(text_before);
    List in(inputs);
    Call call;
    call.mode = mode;
    call.result = f(buffer.text(), &call.mode, in.head());
    buffer.read_into(call);
    call.inputs_intact = in.unchanged(inputs);
    return call;
}

Call call_procedure(ProcedureFn f, const std::vector<double>& inputs, std::size_t outputs, int mode,
                    const std::string& text_before) {
    Buffer buffer(text_before);
    List in(inputs);
    List out(std::vector<double>(outputs, kUnwritten));
    Call call;
    call.mode = mode;
    f(buffer.text(), &call.mode, in.head(), out.head());
    buffer.read_into(call);
    call.inputs_intact = in.unchanged(inputs);
    for (std::size_t i = 0; i < outputs; ++i) {
        const ValueNode* next = i + 1 < outputs ? &out.nodes[i + 1] : nullptr;
        if (out.nodes[i].next != next) call.inputs_intact = false;
        call.outputs.push_back(out.nodes[i].value);
    }
    return call;
}

Call call_export(void* fn, bool procedure, const std::vector<double>& inputs, std::size_t outputs,
                 int mode) {
    if (procedure) return call_procedure(reinterpret_cast<ProcedureFn>(fn), inputs, outputs, mode);
    return call_function(reinterpret_cast<FunctionFn>(fn), inputs, mode);
}

std::string cp1252_to_utf8(const std::string& text) {
    // Code points of 0x80..0x9F; the rest of the upper half is Latin-1.
    static const unsigned short upper[32] = {
        0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};
    std::string out;
    for (unsigned char c : text) {
        unsigned cp = c;
        if (c >= 0x80 && c < 0xA0) cp = upper[c - 0x80];
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return out;
}

}  // namespace kxvhost
