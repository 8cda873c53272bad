kavrel_add_test(test_settings_files SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestSettingsFiles.cpp LIBS main_program)
kavrel_add_test(test_price_book_session SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestPriceBookSession.cpp LIBS main_program)
kavrel_add_test(test_main_window SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestMainWindow.cpp LIBS main_program test_support GUI)
kavrel_add_test(test_main_window_commands SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestMainWindowCommands.cpp LIBS main_program test_support GUI)
