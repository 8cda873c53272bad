# The data file settings dialog, the basic data dialog and the small dialogs
# and utility commands.
target_sources(main_program PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/BasicData.cpp
    ${CMAKE_CURRENT_LIST_DIR}/BasicData.h
    ${CMAKE_CURRENT_LIST_DIR}/BookCompareDialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/BookCompareDialog.h
    ${CMAKE_CURRENT_LIST_DIR}/DialogControls.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DialogControls.h
    ${CMAKE_CURRENT_LIST_DIR}/DialogTitleStrip.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DialogTitleStrip.h
    ${CMAKE_CURRENT_LIST_DIR}/InformationCommands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/InformationCommands.h
    ${CMAKE_CURRENT_LIST_DIR}/ManualWindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ManualWindow.h
    ${CMAKE_CURRENT_LIST_DIR}/RevisionDialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RevisionDialog.h
    ${CMAKE_CURRENT_LIST_DIR}/Tfsheetset.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Tfsheetset.h
    ${CMAKE_CURRENT_LIST_DIR}/TfsheetsetItems.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TfsheetsetItems.h
    ${CMAKE_CURRENT_LIST_DIR}/Tflevel_select.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Tflevel_select.h
    ${CMAKE_CURRENT_LIST_DIR}/Tftankacalc.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Tftankacalc.h
    ${CMAKE_CURRENT_LIST_DIR}/Tkvconfig.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Tkvconfig.h
)
