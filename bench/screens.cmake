# The screens' render tool: PNGs of the four screens and their dialogs, light
# and dark, for a visual check without a desktop.
add_executable(screens_render ${CMAKE_CURRENT_LIST_DIR}/screens_render.cpp)
target_link_libraries(screens_render PRIVATE screens persistence Qt6::Widgets)
