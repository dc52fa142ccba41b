#include "catalogue.hpp"

#include <cstring>

namespace kxv::catalogue {

const Entry* find(const char* name) {
    for (const Entry& e : all)
        if (std::strcmp(e.name, name) == 0) return &e;
    return nullptr;
}

}  // namespace kxv::catalogue
