# Engine hot paths: target listing, move + undo, best spot, shuffling.
murvane_add_bench(engine_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/engine_bench.cpp LIBS engine)

# Move to events processed while the lost-game check runs beside two busy
# loops, and quitting mid-check (plain executable; bench/move_latency.sh
# runs two builds of it in turn).
add_executable(move_latency ${CMAKE_CURRENT_LIST_DIR}/move_latency.cpp)
target_link_libraries(move_latency PRIVATE engine)
