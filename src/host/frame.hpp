// The calling frame every export shares: query answers, counting, reading
// inputs, range checks with their messages, and writing outputs.
#pragma once

#include <cstddef>

#include "KXVLiBr.h"

// The host shares this layout: the double first, the link right after it.
static_assert(offsetof(ValueNode, value) == 0, "value leads the node");
static_assert(offsetof(ValueNode, next) == 8, "next follows the 8-byte value");
static_assert(sizeof(void*) != 8 || sizeof(ValueNode) == 16, "64-bit node is 16 bytes");
#if defined(_WIN32)
static_assert(sizeof(ValueNode) == 16, "Windows aligns the double to 8 bytes: 16-byte node");
#else
static_assert(sizeof(void*) != 4 || sizeof(ValueNode) == 12 || sizeof(ValueNode) == 16,
              "32-bit node is 12 or 16 bytes, as the platform aligns a double");
#endif

namespace kxv {

// Mode-word values the frame reads or writes.
constexpr int kQueryCall = -1;
constexpr int kQueryInputUnits = -2;
constexpr int kQueryOutputUnits = -3;
constexpr int kRangeFailed = -5;
constexpr int kWrongInputCount = 1;
constexpr int kWrongOutputCount = 2;
constexpr int kProcedureDone = 0;

// The range checks an export may apply to one of its inputs.
enum class Check {
    XLow,    // X < 0: an error; ends a single-result call
    XHigh,   // X > 0.8; ends a single-result call
    Tc,      // Tc outside 0..300 degC; the call goes on
    P,       // P outside 0..500 kPa; the call goes on
    XSpan,   // X outside 0..0.8, one text for both sides; goes on
    XCryst,  // 100*X outside the crystallisation line's range; goes on
};

// One check and the position of the input it looks at. A check on an input
// the caller did not pass (an optional pressure) is skipped.
struct InputCheck {
    Check check;
    int input;
};

constexpr int kMaxInputs = 3;
constexpr int kMaxOutputs = 5;
constexpr int kMaxChecks = 4;

// Everything an export says and accepts, apart from what it computes.
struct Export {
    const char* name;       // the name in the module's export table
    const char* msg_name;   // the name its messages use
    const char* call_text;  // answer to mode -1
    const char* in_units;   // answer to mode -2
    const char* out_units;  // answer to mode -3
    int min_inputs;
    int max_inputs;
    const char* count_message;
    int outputs;  // 0 for a single-result function
    const char* output_count_message;
    InputCheck checks[kMaxChecks];
    int check_count;
    int longest_text;  // bytes with the terminator, over every path
};

using FunctionBody = double (*)(const double* in, int count);
using ProcedureBody = void (*)(const double* in, double* out);

// Lists are counted up to this many nodes: a longer list, or one whose last
// node links back into it, counts as kMaxListNodes + 1 and so as too long for
// every export, instead of holding the caller in an endless walk.
constexpr int kMaxListNodes = 1024;

int count_nodes(const ValueNode* head);

// Copies a zero-terminated text into the host's buffer.
void copy_text(char* text, const char* s);

// Writes the range message of a check for the export into the buffer.
void copy_range_message(char* text, const Export& e, Check c);

// True when the check rejects the value.
bool check_fails(Check c, double v);

// True when a failing check ends a single-result call.
bool check_ends_function(Check c);

double call_function(const Export& e, char* text, int* mode, const ValueNode* inputs,
                     FunctionBody body);

void call_procedure(const Export& e, char* text, int* mode, const ValueNode* inputs,
                    ValueNode* outputs, ProcedureBody body);

}  // namespace kxv
