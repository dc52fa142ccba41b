#include "frame.hpp"

namespace kxv {
namespace {

struct CheckText {
    const char* severity;
    const char* range;  // Windows-1252: 0xB0 is the degree sign
    bool ends_function;
};

constexpr CheckText check_text(Check c) {
    switch (c) {
        case Check::XLow:
            return {"Error: ", "0 <= X", true};
        case Check::XHigh:
            return {"Warning: ", "X <= 80 % LiBr", true};
        case Check::Tc:
            return {"Warning: ",
                    "0 < Tc < 300\xB0"
                    "C",
                    false};
        case Check::P:
            return {"Warning: ", "0 < P < 500 kPa", false};
        case Check::XSpan:
            return {"Warning: ", "0 < X < 80 % LiBr", false};
        case Check::XCryst:
            return {"Warning: ", "48.46908 < X < 71.90951 % LiBr", false};
    }
    return {"", "", false};
}

char* append(char* dst, const char* s) {
    while (*s != '\0') *dst++ = *s++;
    return dst;
}

// Answers mode -1, -2 and -3; true when the call was a query.
bool answer_query(const Export& e, char* text, int mode) {
    switch (mode) {
        case kQueryCall:
            copy_text(text, e.call_text);
            return true;
        case kQueryInputUnits:
            copy_text(text, e.in_units);
            return true;
        case kQueryOutputUnits:
            copy_text(text, e.out_units);
            return true;
        default:
            return false;
    }
}

bool accepts_inputs(const Export& e, int count) {
    return count >= e.min_inputs && count <= e.max_inputs;
}

void read_values(const ValueNode* head, int count, double* values) {
    for (int i = 0; i < count; ++i, head = head->next) values[i] = head->value;
}

}  // namespace

int count_nodes(const ValueNode* head) {
    int n = 0;
    for (; head != nullptr && n <= kMaxListNodes; head = head->next) ++n;
    return n;
}

void copy_text(char* text, const char* s) { *append(text, s) = '\0'; }

void copy_range_message(char* text, const Export& e, Check c) {
    const CheckText t = check_text(c);
    char* p = append(text, t.severity);
    p = append(p, e.msg_name);
    p = append(p, ": Input out of bounds: ");
    *append(p, t.range) = '\0';
}

bool check_fails(Check c, double v) {
    switch (c) {
        case Check::XLow:
            return v < 0.0;
        case Check::XHigh:
            return v > 0.8;
        case Check::Tc:
            return v < 0.0 || v > 300.0;
        case Check::P:
            return v < 0.0 || v > 500.0;
        case Check::XSpan:
            return v < 0.0 || v > 0.8;
        case Check::XCryst: {
            const double x = 100.0 * v;
            return x < 48.46908 || x > 71.90951;
        }
    }
    return false;
}

bool check_ends_function(Check c) { return check_text(c).ends_function; }

double call_function(const Export& e, char* text, int* mode, const ValueNode* inputs,
                     FunctionBody body) {
    if (answer_query(e, text, *mode)) return 0.0;
    const int count = count_nodes(inputs);
    if (!accepts_inputs(e, count)) {
        copy_text(text, e.count_message);
        return 0.0;
    }
    double in[kMaxInputs] = {};
    read_values(inputs, count, in);
    for (int i = 0; i < e.check_count; ++i) {
        const InputCheck& ic = e.checks[i];
        if (ic.input >= count || !check_fails(ic.check, in[ic.input])) continue;
        *mode = kRangeFailed;
        copy_range_message(text, e, ic.check);
        if (check_ends_function(ic.check)) return 0.0;
    }
    return body(in, count);
}

void call_procedure(const Export& e, char* text, int* mode, const ValueNode* inputs,
                    ValueNode* outputs, ProcedureBody body) {
    if (answer_query(e, text, *mode)) return;
    const int count = count_nodes(inputs);
    if (!accepts_inputs(e, count)) {
        copy_text(text, e.count_message);
        *mode = kWrongInputCount;
        return;
    }
    if (count_nodes(outputs) != e.outputs) {
        copy_text(text, e.output_count_message);
        *mode = kWrongOutputCount;
        return;
    }
    copy_text(text, "");
    double in[kMaxInputs] = {};
    read_values(inputs, count, in);
    for (int i = 0; i < e.check_count; ++i) {
        const InputCheck& ic = e.checks[i];
        if (check_fails(ic.check, in[ic.input])) copy_range_message(text, e, ic.check);
    }
    double out[kMaxOutputs];
    body(in, out);
    for (int i = 0; i < e.outputs; ++i, outputs = outputs->next) outputs->value = out[i];
    *mode = kProcedureDone;
}

}  // namespace kxv
