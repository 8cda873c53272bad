kavrel_add_test(test_settings_files SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestSettingsFiles.cpp LIBS main_program)
kavrel_add_test(test_price_book_session SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestPriceBookSession.cpp LIBS main_program test_support)
kavrel_add_test(test_main_window SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestMainWindow.cpp ${CMAKE_CURRENT_LIST_DIR}/MainWindowFixture.h LIBS main_program test_support GUI
    SCREEN 1280x1024)
kavrel_add_test(test_main_window_commands SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestMainWindowCommands.cpp LIBS main_program test_support GUI)
kavrel_add_test(test_output_commands SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestOutputCommands.cpp LIBS main_program test_support GUI)
add_dependencies(test_output_commands pricebook)
kavrel_add_test(test_main_window_files SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestMainWindowFiles.cpp ${CMAKE_CURRENT_LIST_DIR}/MainWindowFixture.h
    LIBS main_program test_support GUI SCREEN 1280x1024)
