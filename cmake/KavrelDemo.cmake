# The target `demo` lays out build/demo/, a program folder to try the programs
# in: the programs and their installation data, and sample price books where
# none are yet. A rebuild refreshes the programs and keeps every book there.
set(KAVREL_DEMO_DIR ${CMAKE_BINARY_DIR}/demo)
# Every program installed into the program folder, whichever folder added it.
get_property(demo_programs GLOBAL PROPERTY KAVREL_PROGRAMS)
set(demo_files ${demo_programs})
foreach(file IN LISTS KAVREL_DATA_FILES)
  get_filename_component(name ${file} NAME)
  list(APPEND demo_files ${name})
endforeach()
list(APPEND demo_files ${KAVREL_MANUAL_FILES})
list(JOIN demo_files "," KAVREL_DEMO_FILES)

add_custom_target(demo
    COMMAND ${CMAKE_COMMAND} -DPROGRAM_DIR=${KAVREL_PROGRAM_DIR} -DDEMO_DIR=${KAVREL_DEMO_DIR}
            -DFILES=${KAVREL_DEMO_FILES} -P ${PROJECT_SOURCE_DIR}/cmake/SetUpDemoFolder.cmake
    COMMENT "Setting up the demo program folder ${KAVREL_DEMO_DIR}"
    VERBATIM)
add_dependencies(demo ${demo_programs} kavrel_data)
