#pragma once
// Giving memory back to the system once work that needed it is over: the
// solver's tables kept by the calling thread, and what the allocator keeps
// of freed memory (glibc holds it in the thread's arena otherwise, so an idle
// game would stay as large as its busiest moment).

namespace murvane {

// Frees the calling thread's spare solver tables, then returns free memory.
void releaseSolverMemory();

// Returns memory already freed (by any thread) to the system.
void returnFreedMemory();

} // namespace murvane
