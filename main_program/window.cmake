target_sources(main_program PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/DisplaySettings.cpp ${CMAKE_CURRENT_LIST_DIR}/DisplaySettings.h
    ${CMAKE_CURRENT_LIST_DIR}/PriceBookSession.cpp ${CMAKE_CURRENT_LIST_DIR}/PriceBookSession.h
    ${CMAKE_CURRENT_LIST_DIR}/ProgramFiles.cpp ${CMAKE_CURRENT_LIST_DIR}/ProgramFiles.h
    ${CMAKE_CURRENT_LIST_DIR}/StartupArguments.cpp ${CMAKE_CURRENT_LIST_DIR}/StartupArguments.h
    ${CMAKE_CURRENT_LIST_DIR}/TableRows.cpp ${CMAKE_CURRENT_LIST_DIR}/TableRows.h
)
target_sources(main_program PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/PriceTableStyle.cpp ${CMAKE_CURRENT_LIST_DIR}/PriceTableStyle.h
    ${CMAKE_CURRENT_LIST_DIR}/TFTANKAREGIST.h
    ${CMAKE_CURRENT_LIST_DIR}/TFTANKAREGISTBasicData.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TFTANKAREGISTBuild.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TFTANKAREGISTLifecycle.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TFTANKAREGISTMenus.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TFTANKAREGISTNavigation.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TFTANKAREGISTTables.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TooltipStyle.h
)
