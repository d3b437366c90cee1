# Persistence: the cost of one coalesced save and of a restore, against
# encoding alone.
murvane_add_bench(persistence_bench
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/persistence_bench.cpp
  LIBS persistence)
