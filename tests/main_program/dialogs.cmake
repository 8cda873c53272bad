kavrel_add_test(test_message_boxes SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestMessageBoxes.cpp LIBS common test_support GUI
    DEPENDS kavrel_data)
kavrel_add_test(test_data_file_config SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestDataFileConfig.cpp LIBS main_program test_support)
kavrel_add_test(test_basic_data SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestBasicData.cpp LIBS main_program)
kavrel_add_test(test_basic_data_dialog SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestBasicDataDialog.cpp LIBS main_window_fixture GUI)
kavrel_add_test(test_small_dialogs SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestSmallDialogs.cpp LIBS main_window_fixture GUI)
kavrel_add_test(test_print_job SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestPrintJob.cpp LIBS main_program)
