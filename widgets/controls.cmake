target_sources(widgets PRIVATE ${CMAKE_CURRENT_LIST_DIR}/WidgetsPlaceholder.cpp)
