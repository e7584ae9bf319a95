#pragma once
// Writing the catalogue, its facts file, its stats and the left-out list.
#include "catgen.h"

namespace catgen {

struct Report {
    std::map<std::string, std::vector<std::string>> constLeftOut, declLeftOut, typeFailures;
    std::map<std::string, int> macroDrops;  // macros that are no constants, by reason
};

void writeOutputs(const Options& opt, const std::vector<Constant*>& consts,
                  const std::vector<Declare>& declares, const std::vector<const VbType*>& types,
                  const Report& rep);

}  // namespace catgen
