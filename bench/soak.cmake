# soak: random actions of every kind against the game and a real settings
# file, with the table checked after each (plain executable, --help).
add_executable(soak ${CMAKE_CURRENT_LIST_DIR}/soak.cpp)
target_link_libraries(soak PRIVATE engine)
