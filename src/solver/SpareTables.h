#pragma once
// The search tables each thread keeps between solves (see SolverSets.cpp).
// A thread about to wait a long while hands them back.

#include <cstddef>

namespace murvane::solver {

// Frees the calling thread's spare tables.
void releaseSpareTables();
// Bytes held in spare tables by all threads together.
std::size_t spareTableBytes();

} // namespace murvane::solver
