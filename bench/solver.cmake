# Solver benchmarks and the deal tool (developer tools, not part of the game).

# dealtool: verdicts and node counts for deal lines on standard input.
add_executable(dealtool dealtool.cpp)
target_link_libraries(dealtool PRIVATE solver)

# Throughput on a fixed deal set, per rule set (Google Benchmark).
murvane_add_bench(solver_bench SOURCES solver_bench.cpp solver_bench_support.h LIBS solver)
target_include_directories(solver_bench PRIVATE ${CMAKE_SOURCE_DIR}/tests) # the reference search

# Time to find a verified deal on the synchronous path, one thread against the
# game's own workers (plain executable).
add_executable(solver_dealtime solver_dealtime.cpp solver_bench_support.h)
target_link_libraries(solver_dealtime PRIVATE solver engine)

set_target_properties(dealtool solver_bench solver_dealtime PROPERTIES AUTOMOC OFF)

# Hint time to answer, p50/p99 per rule set (plain executable).
add_executable(hint_time hint_time.cpp hint_old.cpp hint_old.h solver_bench_support.h)
target_link_libraries(hint_time PRIVATE solver)
set_target_properties(hint_time PROPERTIES AUTOMOC OFF)
