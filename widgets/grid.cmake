# The column grid with cell parameters, on a string grid of its own.
target_sources(widgets PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/TSCGTypes.h
    ${CMAKE_CURRENT_LIST_DIR}/TSCGEvents.h
    ${CMAKE_CURRENT_LIST_DIR}/TSCGCanvas.h
    ${CMAKE_CURRENT_LIST_DIR}/TSCGError.h
    ${CMAKE_CURRENT_LIST_DIR}/TSCGRangeError.h
    ${CMAKE_CURRENT_LIST_DIR}/TSCGCellParam.h
    ${CMAKE_CURRENT_LIST_DIR}/TSCGCellParam.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TSCGCellParams.h
    ${CMAKE_CURRENT_LIST_DIR}/TSCGCellParams.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TSCGCellFont.h
    ${CMAKE_CURRENT_LIST_DIR}/TSCGCellFont.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TSCGCellFonts.h
    ${CMAKE_CURRENT_LIST_DIR}/TSCGCellFonts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TBaseStrGrid.h
    ${CMAKE_CURRENT_LIST_DIR}/TBaseStrGrid.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TBaseStrGridInput.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TStrColGrid.h
    ${CMAKE_CURRENT_LIST_DIR}/TStrColGrid.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TStrColGridPaint.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GridTextCache.h
    ${CMAKE_CURRENT_LIST_DIR}/GridTextCache.cpp
)
# The text cache's hash.
target_include_directories(widgets PRIVATE ${XXHASH_INCLUDE_DIR})
