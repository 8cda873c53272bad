# Every fuzz target with the libraries it exercises. The libFuzzer build
# (fuzz/CMakeLists.txt) and the corpus replay tests (tests/fuzz/) both build
# from this list, so a target cannot be fuzzed without its corpus being
# replayed, nor the other way round. Each target's seed corpus, with every
# input a run once found, is fuzz/corpus/<target>/.
set(KAVREL_FUZZ_DIR ${CMAKE_CURRENT_LIST_DIR})
set(KAVREL_FUZZ_TARGETS
    price_book_file_fuzz
    price_record_fuzz
    number_text_fuzz
    display_settings_fuzz
    data_file_config_fuzz
    window_position_fuzz
    removal_settings_fuzz
    remark_history_fuzz
    system_names_fuzz
    command_line_fuzz
    numeric_edit_fuzz
    copy_data_frame_fuzz
    price_list_fuzz
)
set(KAVREL_FUZZ_LIBS_price_book_file_fuzz price_book)
set(KAVREL_FUZZ_LIBS_price_record_fuzz price_book)
set(KAVREL_FUZZ_LIBS_number_text_fuzz common)
set(KAVREL_FUZZ_LIBS_display_settings_fuzz main_program)
set(KAVREL_FUZZ_LIBS_data_file_config_fuzz common)
set(KAVREL_FUZZ_LIBS_window_position_fuzz common)
set(KAVREL_FUZZ_LIBS_removal_settings_fuzz input_dialog)
set(KAVREL_FUZZ_LIBS_remark_history_fuzz input_dialog)
set(KAVREL_FUZZ_LIBS_system_names_fuzz input_dialog)
set(KAVREL_FUZZ_LIBS_command_line_fuzz main_program input_dialog)
set(KAVREL_FUZZ_LIBS_numeric_edit_fuzz widgets)
set(KAVREL_FUZZ_LIBS_copy_data_frame_fuzz input_dialog)
set(KAVREL_FUZZ_LIBS_price_list_fuzz exchange)

# The pricebook tool's dump line is no library of its own.
set(KAVREL_FUZZ_SOURCES_price_record_fuzz ${PROJECT_SOURCE_DIR}/tools/pricebook/BookDump.cpp)
set(KAVREL_FUZZ_INCLUDES_price_record_fuzz ${PROJECT_SOURCE_DIR}/tools/pricebook)

# Adds the target's own sources, libraries and include folders to `target`.
function(kavrel_fuzz_target_inputs target name)
  target_sources(${target} PRIVATE ${KAVREL_FUZZ_DIR}/${name}.cpp ${KAVREL_FUZZ_SOURCES_${name}})
  target_include_directories(${target} PRIVATE ${KAVREL_FUZZ_DIR} ${KAVREL_FUZZ_INCLUDES_${name}})
  target_link_libraries(${target} PRIVATE ${KAVREL_FUZZ_LIBS_${name}})
endfunction()
