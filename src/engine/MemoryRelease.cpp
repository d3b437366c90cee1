#include "engine/MemoryRelease.h"

#include "solver/SpareTables.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace murvane {

void releaseSolverMemory()
{
    solver::releaseSpareTables();
    returnFreedMemory();
}

void returnFreedMemory()
{
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

} // namespace murvane
