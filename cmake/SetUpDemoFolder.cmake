# cmake -DPROGRAM_DIR=... -DDEMO_DIR=... -DFILES=name,name,... -P SetUpDemoFolder.cmake
#
# Makes DEMO_DIR a program folder of its own: the named files of the program
# folder (programs and installation data) copied into it, and the sample
# price books that are missing. The programs find their data files beside
# their own real path, so they are copied, not linked; whatever else is in the
# folder (books, settings, window positions) is the user's and stays.
foreach(var PROGRAM_DIR DEMO_DIR FILES)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "SetUpDemoFolder.cmake needs -D${var}=...")
  endif()
endforeach()

file(MAKE_DIRECTORY "${DEMO_DIR}")
string(REPLACE "," ";" names "${FILES}")
foreach(name IN LISTS names)
  set(from "${PROGRAM_DIR}/${name}")
  if(NOT EXISTS "${from}")
    message(FATAL_ERROR "${from}: missing from the program folder")
  endif()
  # Not cp: a program running from the demo folder cannot be written into,
  # and this copy replaces such a file instead of failing.
  get_filename_component(folder "${DEMO_DIR}/${name}" DIRECTORY)
  file(MAKE_DIRECTORY "${folder}")
  file(COPY_FILE "${from}" "${DEMO_DIR}/${name}" ONLY_IF_DIFFERENT)
endforeach()

execute_process(COMMAND "${PROGRAM_DIR}/pricebook" sample "${DEMO_DIR}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "pricebook sample ${DEMO_DIR} failed")
endif()
