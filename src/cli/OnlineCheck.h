#pragma once

#include "generator/PageCheck.h"

#include <vector>

namespace ulvanta {

// Asks every web address of a page whether it answers: HEAD, then GET where a
// server refuses HEAD; a few at a time, each given the timeout. Returns the
// addresses that answer with an error status or not at all, in the order given.
std::vector<PageProblem> checkWebAddresses(const std::vector<PageAddress>& addresses,
                                           int timeoutMs = 5000);

} // namespace ulvanta
