// The built-in catalogue for native builds: the file's bytes, assembled into
// the executable's read-only data.
#include "catalogue/catalogue.h"

#ifndef PQ_CATALOGUE_PATH
#error "PQ_CATALOGUE_PATH must name the catalogue text file"
#endif

__asm__(
    ".section .rodata\n"
    ".balign 16\n"
    ".global pq_catalogue_begin\n"
    "pq_catalogue_begin:\n"
    ".incbin \"" PQ_CATALOGUE_PATH
    "\"\n"
    ".global pq_catalogue_end\n"
    "pq_catalogue_end:\n"
    ".byte 0\n"
    ".previous\n");

extern "C" const char pq_catalogue_begin[];
extern "C" const char pq_catalogue_end[];

namespace pq {

std::string_view builtinCatalogueText() {
    return {pq_catalogue_begin, static_cast<std::size_t>(pq_catalogue_end - pq_catalogue_begin)};
}

}  // namespace pq
