target_sources(main_program PRIVATE ${CMAKE_CURRENT_LIST_DIR}/MainProgramPlaceholder.cpp)
