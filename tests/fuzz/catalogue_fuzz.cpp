// The catalogue loader and the index loaders never crash: any text either
// loads or fails with a CatalogueError.
#include <cstdint>
#include <string_view>

#include "catalogue/catalogue.h"
#include "catalogue/indexes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        const pq::Catalogue c = pq::Catalogue::fromText(text, "fuzz");
        pq::NameIndexes ix;
        pq::LoadAll(c, ix);
    } catch (const pq::CatalogueError&) {
    }
    return 0;
}
