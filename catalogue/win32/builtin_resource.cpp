// The built-in catalogue on Windows: an RCDATA resource of the executable.
#include <windows.h>

#include "catalogue/catalogue.h"
#include "catalogue/win32/catalogue_resource.h"

namespace pq {

std::string_view builtinCatalogueText() {
    HMODULE self = GetModuleHandleA(nullptr);
    HRSRC res = FindResourceA(self, MAKEINTRESOURCEA(PQ_CATALOGUE_RESOURCE), MAKEINTRESOURCEA(10));
    if (!res)
        throw CatalogueError("built-in catalogue: the resource is missing");
    HGLOBAL handle = LoadResource(self, res);
    const void* data = handle ? LockResource(handle) : nullptr;
    if (!data)
        throw CatalogueError("built-in catalogue: the resource cannot be loaded");
    return {static_cast<const char*>(data), static_cast<std::size_t>(SizeofResource(self, res))};
}

}  // namespace pq
