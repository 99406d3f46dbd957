#pragma once

// The ISA trainer's windows on their own, for tests and benchmarks that run the
// trainer without the rest of the package: created in the window set's order and
// reachable through isa/isawindows.h.
namespace IsaWindowSet {

void create();
// Deletes the windows and clears the pointers.
void destroy();

} // namespace IsaWindowSet
