# Engine hot paths: target listing, move + undo, best spot, shuffling.
murvane_add_bench(engine_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/engine_bench.cpp LIBS engine)
