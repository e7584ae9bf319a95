#pragma once
// Resource id of the built-in catalogue text.
#define PQ_CATALOGUE_RESOURCE 101
