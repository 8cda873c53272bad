# The QtTest classes of one tests/ folder are built into one executable,
# which saves a link and a moc step per class.
# Each class registers itself (tests/support/TestRegistry.h) and ctest runs
# the executable once per class, naming the class as its first argument.
#
# kavrel_test_programs(FOLDER...)
# Makes the executable FOLDER_tests of each folder, which the folder's
# kavrel_add_test calls add to. They are all made in tests/ rather than in
# their folders: QtTest's definitions name the folder a target is made in,
# and only targets compiled with the same definitions can share the header
# precompiled for the first of them.
function(kavrel_test_programs)
  set(owner "")
  foreach(folder ${ARGN})
    set(program ${folder}_tests)
    add_executable(${program})
    target_link_libraries(${program} PRIVATE test_main)
    set_target_properties(${program} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    if(NOT owner)
      set(owner ${program})
      target_precompile_headers(${program} PRIVATE ${KAVREL_TEST_HEADERS})
    else()
      target_precompile_headers(${program} REUSE_FROM ${owner})
    endif()
  endforeach()
endfunction()

# The Qt headers most tests include, precompiled once for all of them.
set(KAVREL_TEST_HEADERS <QAction> <QApplication> <QByteArray> <QCheckBox> <QComboBox> <QDialog> <QDir> <QFile>
    <QFileInfo> <QLabel> <QLineEdit> <QList> <QProcess> <QPushButton> <QSignalSpy> <QString> <QStringList>
    <QTemporaryDir> <QTest> <QTimer> <QTreeWidget> <QWidget>)

# kavrel_add_test(NAME SOURCES file... [LIBS lib...] [CLASS class] [DEPENDS target...]
#                 [DEFINITIONS name=value...] [ENVIRONMENT name=value...] [GUI] [SCREEN WIDTHxHEIGHT])
# Adds a test class to its folder's executable and registers it with ctest as
# NAME. The class is named as its first source file unless CLASS names it;
# DEPENDS are built before the executable, DEFINITIONS hold for the class's
# own sources only. GUI tests run on Qt's offscreen platform so they never
# need a display; its screen is 800 × 600 unless SCREEN gives a desktop's size.
function(kavrel_add_test name)
  cmake_parse_arguments(T "GUI" "SCREEN;CLASS" "SOURCES;LIBS;DEPENDS;DEFINITIONS;ENVIRONMENT" ${ARGN})
  get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  set(program ${folder}_tests)
  if(NOT TARGET ${program})
    message(FATAL_ERROR "kavrel_add_test(${name}): no ${program}, see kavrel_test_programs() in tests/CMakeLists.txt")
  endif()
  list(TRANSFORM T_SOURCES PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/ REGEX "^[^/]")
  if(T_SOURCES)
    target_sources(${program} PRIVATE ${T_SOURCES})
  endif()
  target_link_libraries(${program} PRIVATE ${T_LIBS})
  if(T_DEPENDS)
    add_dependencies(${program} ${T_DEPENDS})
  endif()
  if(T_DEFINITIONS)
    set_property(SOURCE ${T_SOURCES} TARGET_DIRECTORY ${program} APPEND PROPERTY COMPILE_DEFINITIONS ${T_DEFINITIONS})
  endif()
  if(NOT T_CLASS)
    list(GET T_SOURCES 0 first)
    get_filename_component(T_CLASS ${first} NAME_WE)
  endif()
  add_test(NAME ${name} COMMAND ${program} ${T_CLASS})
  set(env "QT_QPA_PLATFORM=offscreen")
  if(T_SCREEN)
    string(REPLACE "x" ";" size ${T_SCREEN})
    list(GET size 0 width)
    list(GET size 1 height)
    set(screen_file ${CMAKE_BINARY_DIR}/tests/screen-${T_SCREEN}.json)
    file(WRITE ${screen_file} "{ \"screens\": [ { \"name\": \"OffscreenScreen\", \"x\": 0, \"y\": 0, \"width\": ${width}, \"height\": ${height}, \"logicalDpi\": 96, \"logicalBaseDpi\": 96, \"dpr\": 1 } ] }\n")
    set(env "QT_QPA_PLATFORM=offscreen:configfile=${screen_file}")
  endif()
  if(NOT T_GUI)
    set(env "QT_QPA_PLATFORM=minimal")
  endif()
  list(APPEND env "KAVREL_PROGRAM_DIR=${KAVREL_PROGRAM_DIR}" ${T_ENVIRONMENT})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}" TIMEOUT 300)
endfunction()
