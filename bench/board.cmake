# Board repaint benchmark and the board screenshot tool (developer tools).
murvane_add_bench(board_bench
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/board_bench.cpp
  LIBS board persistence Qt6::Widgets)

add_executable(boardshot ${CMAKE_CURRENT_SOURCE_DIR}/boardshot.cpp)
target_link_libraries(boardshot PRIVATE board persistence Qt6::Widgets Qt6::Test)

# Play to numbered deal painted, old sequential against the deal threads
# (plain executable).
add_executable(deal_by_number ${CMAKE_CURRENT_SOURCE_DIR}/deal_by_number.cpp)
target_link_libraries(deal_by_number PRIVATE board persistence Qt6::Widgets)
