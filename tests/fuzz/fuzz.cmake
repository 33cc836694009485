# The fuzz targets (make fuzz): libFuzzer under AddressSanitizer and
# UndefinedBehaviorSanitizer, built with clang in a build folder of its own.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "The fuzz targets need clang: configure with -DCMAKE_CXX_COMPILER=clang++-14")
endif()

# One target: its entry point and the sources it reads with.
function(add_fuzz_target name)
    add_executable(${name} ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/${name}.cpp ${ARGN})
    target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
    target_compile_options(${name} PRIVATE
        -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer -g)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    set_target_properties(${name} PROPERTIES AUTOMOC OFF)
endfunction()

# The collection reader, without Qt.
add_fuzz_target(fuzz_collection_format
    ${CMAKE_SOURCE_DIR}/engine/collection_format.cpp
    ${CMAKE_SOURCE_DIR}/engine/kind_words.cpp
    ${CMAKE_SOURCE_DIR}/engine/features.cpp
    ${CMAKE_SOURCE_DIR}/engine/further_questions.cpp
    ${CMAKE_SOURCE_DIR}/engine/utf8_text.cpp
    ${CMAKE_SOURCE_DIR}/engine/text_decoding.cpp
    ${CMAKE_SOURCE_DIR}/engine/word_room.cpp
    ${CMAKE_SOURCE_DIR}/layouts/exercise_layout.cpp)

# The lexicon reader (lexicon/) and the class list reader, with Qt Core
# (Qt itself is not instrumented). The lexicon's seeds are small lexicons
# written by the converter's tests.
find_package(Qt6 REQUIRED COMPONENTS Core)
add_fuzz_target(fuzz_lexicon ${CMAKE_SOURCE_DIR}/lexicon/lexicon.cpp)
target_link_libraries(fuzz_lexicon PRIVATE Qt6::Core)
add_fuzz_target(fuzz_class_list ${CMAKE_SOURCE_DIR}/history/class_list.cpp)
target_link_libraries(fuzz_class_list PRIVATE Qt6::Core)

# The rows the school's server sends back to the class view.
add_fuzz_target(fuzz_server_rows ${CMAKE_SOURCE_DIR}/history/server_rows.cpp ${CMAKE_SOURCE_DIR}/history/events.cpp)
target_link_libraries(fuzz_server_rows PRIVATE Qt6::Core)
# The results files pupils bring to the class view, with Qt Core's JSON.
add_fuzz_target(fuzz_results_file ${CMAKE_SOURCE_DIR}/results/results_file.cpp ${CMAKE_SOURCE_DIR}/history/events.cpp)
target_link_libraries(fuzz_results_file PRIVATE Qt6::Core)
# The analyser's output as the editor reads it, cut into units and given
# a verb's values and each word's kind (the lexicon left out: its own
# target reads it). Seeds: the analyser's output for a few sentences.
add_fuzz_target(fuzz_analyser_output
    ${CMAKE_SOURCE_DIR}/editor/analyser_stream.cpp
    ${CMAKE_SOURCE_DIR}/editor/unit_rules.cpp
    ${CMAKE_SOURCE_DIR}/editor/word_lexicon.cpp
    ${CMAKE_SOURCE_DIR}/editor/lexicon_readings.cpp
    ${CMAKE_SOURCE_DIR}/editor/verb_proposal.cpp
    ${CMAKE_SOURCE_DIR}/editor/kind_proposal.cpp
    ${CMAKE_SOURCE_DIR}/editor/value_proposal.cpp
    ${CMAKE_SOURCE_DIR}/lexicon/lexicon.cpp
    ${CMAKE_SOURCE_DIR}/engine/collection_format.cpp
    ${CMAKE_SOURCE_DIR}/engine/kind_words.cpp
    ${CMAKE_SOURCE_DIR}/engine/features.cpp
    ${CMAKE_SOURCE_DIR}/engine/further_questions.cpp
    ${CMAKE_SOURCE_DIR}/engine/utf8_text.cpp
    ${CMAKE_SOURCE_DIR}/engine/text_decoding.cpp
    ${CMAKE_SOURCE_DIR}/engine/word_room.cpp
    ${CMAKE_SOURCE_DIR}/layouts/exercise_layout.cpp)
target_link_libraries(fuzz_analyser_output PRIVATE Qt6::Core)
