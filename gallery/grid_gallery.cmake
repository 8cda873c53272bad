# The column grid styled as the main window's labour rate table.
add_executable(grid_gallery ${CMAKE_CURRENT_LIST_DIR}/grid_gallery.cpp)
target_link_libraries(grid_gallery PRIVATE main_program)
