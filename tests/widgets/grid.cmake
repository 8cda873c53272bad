# Tests of the column grid.
kavrel_add_test(TestStrColGrid SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestStrColGrid.cpp LIBS widgets test_support GUI)
kavrel_add_test(TestStrColGridInput SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestStrColGridInput.cpp LIBS widgets test_support GUI)
kavrel_add_test(TestStrColGridPaint SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestStrColGridPaint.cpp LIBS widgets test_support GUI)
kavrel_add_test(TestGridRepaint SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestGridRepaint.cpp LIBS main_program test_support GUI)
