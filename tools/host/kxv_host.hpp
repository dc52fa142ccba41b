// The least host that stands in for the equation solver: loads a module by
// path, finds its exports by name and calls them the way the solver does,
// with a value list, a mode word and a text buffer that it owns and guards.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "KXVLiBr.h"

namespace kxvhost {

using NameListFn = void (*)(char*);
using FunctionFn = double (*)(char*, int*, ValueNode*);
using ProcedureFn = void (*)(char*, int*, ValueNode*, ValueNode*);

struct Module {
    void* handle = nullptr;
    std::string path;
};

// Loads the module; on failure the handle is null and error says why.
Module load_module(const std::string& path, std::string* error);
void unload_module(Module& module);

// The export's address, or null when the module has no such name.
void* find_export(const Module& module, const char* name);

// The module built beside the running program (or KXVLIBR_MODULE if set).
std::string default_module_path(const char* argv0);

// Size of the host's text buffer and of the guard area behind it.
constexpr std::size_t kBufferSize = 256;
constexpr std::size_t kGuardSize = 32;

// What the host finds after one call.
struct Call {
    double result = 0.0;          // single-result functions
    std::vector<double> outputs;  // procedures, one per output node
    int mode = 0;                 // the mode word after the call
    std::string text;             // buffer bytes up to the terminator
    bool terminated = true;       // a terminator lies within the buffer
    bool guard_intact = true;     // nothing was written past the buffer
    bool inputs_intact = true;    // input values and links are as passed
};

// Value a procedure's output nodes hold before the call.
constexpr double kUnwritten = -123456.789;

Call call_name_list(NameListFn f);
Call call_function(FunctionFn f, const std::vector<double>& inputs, int mode = 0,
                   const std::string& text_before = "");
Call call_procedure(ProcedureFn f, const std::vector<double>& inputs, std::size_t outputs,
                    int mode = 0, const std::string& text_before = "");

// Calls an export found by find_export: a procedure with that many output
// nodes, or a single-result function.
Call call_export(void* fn, bool procedure, const std::vector<double>& inputs, std::size_t outputs,
                 int mode = 0);

// Windows-1252 text, as the module writes it, converted for a UTF-8 terminal.
std::string cp1252_to_utf8(const std::string& text);

}  // namespace kxvhost
