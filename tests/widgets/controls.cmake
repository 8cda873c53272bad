kavrel_add_test(test_nvaledit SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestNValEdit.cpp LIBS widgets test_support GUI)
kavrel_add_test(test_decorative_widgets SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestDecorativeWidgets.cpp LIBS widgets test_support GUI)
