# moc reads every header a file includes, for the macros it may need. The C++
# library's and the compiler's own headers hold none of them, and reading them
# took two thirds of moc's time; the compiler still searches them as it always
# does, since no target names them.
list(FILTER CMAKE_CXX_IMPLICIT_INCLUDE_DIRECTORIES EXCLUDE REGEX "/c\\+\\+/|/gcc/")

# kavrel_skip_moc_of_units(DIRECTORY)
# In a unity build each unit only includes files of its target, which moc
# reads one by one; moc read each unit again, found nothing and took a third
# longer. The units are named as CMake names them; were that to change, moc
# would read them again, as before, and no more.
function(kavrel_skip_moc_of_units dir)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target ${targets})
    get_target_property(type ${target} TYPE)
    if(NOT type MATCHES "^(EXECUTABLE|STATIC_LIBRARY|SHARED_LIBRARY|MODULE_LIBRARY|OBJECT_LIBRARY)$")
      continue()
    endif()
    get_target_property(sources ${target} SOURCES)
    get_target_property(binary ${target} BINARY_DIR)
    list(LENGTH sources count)
    set(units "")
    foreach(i RANGE ${count})
      list(APPEND units ${binary}/CMakeFiles/${target}.dir/Unity/unity_${i}_cxx.cxx)
    endforeach()
    set_source_files_properties(${units} TARGET_DIRECTORY ${target} PROPERTIES SKIP_AUTOMOC ON)
  endforeach()
  get_property(folders DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(folder ${folders})
    kavrel_skip_moc_of_units(${folder})
  endforeach()
endfunction()
