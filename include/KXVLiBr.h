/*
 * KXVLiBr: properties of aqueous lithium bromide solutions.
 *
 * The exported interface of the loadable module. Every export takes the
 * host's text buffer (at least 138 bytes, written but never read), and the
 * property exports also take the host's mode word and a linked list of
 * input values; procedures take a second list whose values they overwrite.
 *
 * Mode word on entry: -1, -2 and -3 ask for the calling sequence, the input
 * units and the output units; any other value asks for a computation.
 * Mode word on return: -5 when a range check of a single-result function
 * failed, 1 or 2 when a procedure got the wrong number of inputs or
 * outputs, 0 after a procedure has computed.
 *
 * Units: Tc in degrees Celsius, X the LiBr mass fraction, P in kPa.
 */
#ifndef KXVLIBR_H
#define KXVLIBR_H

#ifdef __cplusplus
extern "C" {
#endif

/* One node of the host's singly linked list of values. */
typedef struct ValueNode {
    double value;
    struct ValueNode* next;
} ValueNode;

#if defined(_WIN32)
/* Exported through the module-definition file, undecorated, cdecl. */
#define KXV_API
#else
#define KXV_API __attribute__((visibility("default")))
#endif

/* Name lists: comma-separated export names. */
KXV_API void DLFNames(char* text);
KXV_API void DLPNames(char* text);
KXV_API void FDLNames(char* text);

/* Single-result functions. */
KXV_API double LiBrKXVuw(char* text, int* mode, ValueNode* inputs);
KXV_API double LiBrKXVus(char* text, int* mode, ValueNode* inputs);
KXV_API double LiBrKXVh(char* text, int* mode, ValueNode* inputs);
KXV_API double LiBrKXVs(char* text, int* mode, ValueNode* inputs);
KXV_API double LiBrKXVCp(char* text, int* mode, ValueNode* inputs);
KXV_API double LiBrKXVv(char* text, int* mode, ValueNode* inputs);
KXV_API double LiBrKXVp(char* text, int* mode, ValueNode* inputs);
KXV_API double LiBrKXVT(char* text, int* mode, ValueNode* inputs);
KXV_API double LiBrKXVX(char* text, int* mode, ValueNode* inputs);
KXV_API double LiBrKXVCond(char* text, int* mode, ValueNode* inputs);
KXV_API double LiBrKXVVisc(char* text, int* mode, ValueNode* inputs);
KXV_API double LiBrKXVRefIndex(char* text, int* mode, ValueNode* inputs);
KXV_API double LiBrKXVTCryst(char* text, int* mode, ValueNode* inputs);
/* Reached by name only: not in the function-name list. */
KXV_API double LiBrKXVActCoef(char* text, int* mode, ValueNode* inputs);

/* Procedures. */
KXV_API void LibrKXVpart_g(char* text, int* mode, ValueNode* inputs, ValueNode* outputs);
KXV_API void LibrKXVpart_h(char* text, int* mode, ValueNode* inputs, ValueNode* outputs);
KXV_API void LibrKXVpart_s(char* text, int* mode, ValueNode* inputs, ValueNode* outputs);
KXV_API void LibrKXVpart_v(char* text, int* mode, ValueNode* inputs, ValueNode* outputs);
KXV_API void LiBrKXVflash(char* text, int* mode, ValueNode* inputs, ValueNode* outputs);

#ifdef __cplusplus
}
#endif

#endif /* KXVLIBR_H */
