# Whole-process figures of the shell: launch to tray icon, panel open to
# painted, memory, idle wake-ups; each against a bare tray application
# measured in the same run. bench/app_bench.sh drives them in a real X session.
add_executable(app_baseline_tray ${CMAKE_CURRENT_LIST_DIR}/app_baseline_tray.cpp)
target_link_libraries(app_baseline_tray PRIVATE Qt6::Widgets)

add_executable(app_panel_bench ${CMAKE_CURRENT_LIST_DIR}/app_panel_bench.cpp)
target_link_libraries(app_panel_bench PRIVATE murvaneapp)

# The welcome window rendered to PNG (a developer tool).
add_executable(welcomeshot ${CMAKE_CURRENT_LIST_DIR}/welcomeshot.cpp)
target_link_libraries(welcomeshot PRIVATE murvaneapp)

# The panel opened and closed in a loop, for profiling the open path.
add_executable(panel_opens ${CMAKE_CURRENT_LIST_DIR}/panel_opens.cpp)
target_link_libraries(panel_opens PRIVATE murvaneapp)
