target_sources(main_program PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/DisplaySettings.cpp ${CMAKE_CURRENT_LIST_DIR}/DisplaySettings.h
    ${CMAKE_CURRENT_LIST_DIR}/PriceBookSession.cpp ${CMAKE_CURRENT_LIST_DIR}/PriceBookSession.h
    ${CMAKE_CURRENT_LIST_DIR}/ProgramFiles.cpp ${CMAKE_CURRENT_LIST_DIR}/ProgramFiles.h
    ${CMAKE_CURRENT_LIST_DIR}/StartupArguments.cpp ${CMAKE_CURRENT_LIST_DIR}/StartupArguments.h
    ${CMAKE_CURRENT_LIST_DIR}/TableRows.cpp ${CMAKE_CURRENT_LIST_DIR}/TableRows.h
)
