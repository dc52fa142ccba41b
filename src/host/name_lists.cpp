// The name-list exports: the host reads them first to learn which functions
// and procedures the module offers.
#include "catalogue.hpp"

extern "C" {

KXV_API void DLFNames(char* text) { kxv::copy_text(text, kxv::catalogue::function_names); }
KXV_API void DLPNames(char* text) { kxv::copy_text(text, kxv::catalogue::procedure_names); }
KXV_API void FDLNames(char* text) { kxv::copy_text(text, kxv::catalogue::fdl_names); }
}
