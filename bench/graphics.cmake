# Card graphics: the gallery tool (renders every face, back, slot and symbol
# to PNG sheets) and the painting benchmarks.
add_executable(gallery ${CMAKE_CURRENT_LIST_DIR}/gallery.cpp)
target_link_libraries(gallery PRIVATE graphics Qt6::Gui)

murvane_add_bench(graphics_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/graphics_bench.cpp LIBS graphics Qt6::Gui)
