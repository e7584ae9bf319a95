// The Windows executables carry the catalogue as a resource.
#include <gtest/gtest.h>

#include "catalogue/catalogue.h"
#include "catalogue/indexes.h"

namespace pq {
namespace {

TEST(BuiltinCatalogueResource, LoadsAndIndexes) {
    const Catalogue c = loadBuiltinCatalogue();
    ASSERT_GT(c.lineCount(), 100u);
    NameIndexes ix;
    LoadAll(c, ix);
    EXPECT_GT(ix.Constants.count(), 0);
    EXPECT_GT(ix.Functions.count(), 0);
    EXPECT_GT(ix.Types.count(), 0);
}

}  // namespace
}  // namespace pq
