kavrel_add_test(test_settings_files SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestSettingsFiles.cpp LIBS main_program)
kavrel_add_test(test_book_lock SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestBookLock.cpp LIBS main_program test_support)
kavrel_add_test(test_price_book_session SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestPriceBookSession.cpp LIBS main_program test_support)
kavrel_add_test(test_main_window SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestMainWindow.cpp ${CMAKE_CURRENT_LIST_DIR}/MainWindowFixture.h
    LIBS main_window_fixture GUI SCREEN 1280x1024)
kavrel_add_test(test_main_window_commands SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestMainWindowCommands.cpp LIBS main_window_fixture GUI)
kavrel_add_test(test_output_commands SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestOutputCommands.cpp LIBS main_window_fixture GUI
    DEPENDS pricebook)
kavrel_add_test(test_clip_commands SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestClipCommands.cpp LIBS main_program)
kavrel_add_test(test_edit_commands SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestEditCommands.cpp LIBS main_window_fixture GUI)
kavrel_add_test(test_file_commands SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestFileCommands.cpp LIBS main_window_fixture GUI
    DEPENDS kavrel_data)
kavrel_add_test(test_first_layout SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestFirstLayout.cpp LIBS main_window_fixture GUI
    DEPENDS kavrel_data)
kavrel_add_test(test_main_window_files SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestMainWindowFiles.cpp ${CMAKE_CURRENT_LIST_DIR}/MainWindowFixture.h
    LIBS main_window_fixture GUI SCREEN 1280x1024 DEPENDS pricebook)
kavrel_add_test(test_revision_dialog SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestRevisionDialog.cpp LIBS main_window_fixture GUI)
kavrel_add_test(test_book_compare SOURCES ${CMAKE_CURRENT_LIST_DIR}/TestBookCompare.cpp LIBS main_window_fixture GUI)
