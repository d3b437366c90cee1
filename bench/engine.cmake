# Engine hot paths: target listing, move + undo, best spot, shuffling.
murvane_add_bench(engine_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/engine_bench.cpp LIBS engine)

# Move to events processed while the lost-game check runs beside two busy
# loops, and quitting mid-check (plain executable; bench/move_latency.sh
# runs two builds of it in turn).
add_executable(move_latency ${CMAKE_CURRENT_LIST_DIR}/move_latency.cpp)
target_link_libraries(move_latency PRIVATE engine)

# CPU time of the lost-game check per move, along the hint and played
# carelessly (plain executable).
add_executable(lost_check_cost ${CMAKE_CURRENT_LIST_DIR}/lost_check_cost.cpp)
target_link_libraries(lost_check_cost PRIVATE engine)
