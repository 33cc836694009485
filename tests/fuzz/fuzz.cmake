# The collection reader's fuzz target (make fuzz): libFuzzer under
# AddressSanitizer and UndefinedBehaviorSanitizer, built with clang in a
# build folder of its own, without Qt.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "The fuzz targets need clang: configure with -DCMAKE_CXX_COMPILER=clang++-14")
endif()
add_executable(fuzz_collection_format
    ${CMAKE_CURRENT_LIST_DIR}/fuzz_collection_format.cpp
    ${CMAKE_SOURCE_DIR}/engine/collection_format.cpp
    ${CMAKE_SOURCE_DIR}/engine/features.cpp
    ${CMAKE_SOURCE_DIR}/engine/further_questions.cpp
    ${CMAKE_SOURCE_DIR}/engine/utf8_text.cpp
    ${CMAKE_SOURCE_DIR}/engine/text_decoding.cpp
    ${CMAKE_SOURCE_DIR}/engine/word_room.cpp
    ${CMAKE_SOURCE_DIR}/layouts/exercise_layout.cpp)
target_include_directories(fuzz_collection_format PRIVATE ${CMAKE_SOURCE_DIR})
target_compile_options(fuzz_collection_format PRIVATE
    -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer -g)
target_link_options(fuzz_collection_format PRIVATE -fsanitize=fuzzer,address,undefined)
set_target_properties(fuzz_collection_format PROPERTIES AUTOMOC OFF)

# The lexicon reader (lexicon/) on arbitrary bytes; Qt Core itself is not
# instrumented. Seeds: small lexicons written by the converter's tests.
find_package(Qt6 REQUIRED COMPONENTS Core)
add_executable(fuzz_lexicon
    ${CMAKE_CURRENT_LIST_DIR}/fuzz_lexicon.cpp
    ${CMAKE_SOURCE_DIR}/lexicon/lexicon.cpp)
target_include_directories(fuzz_lexicon PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(fuzz_lexicon PRIVATE Qt6::Core)
target_compile_options(fuzz_lexicon PRIVATE
    -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer -g)
target_link_options(fuzz_lexicon PRIVATE -fsanitize=fuzzer,address,undefined)
set_target_properties(fuzz_lexicon PROPERTIES AUTOMOC OFF)
# The class list reader: the same sanitizers, with Qt Core.
find_package(Qt6 REQUIRED COMPONENTS Core)
add_executable(fuzz_class_list
    ${CMAKE_CURRENT_LIST_DIR}/fuzz_class_list.cpp
    ${CMAKE_SOURCE_DIR}/history/class_list.cpp)
target_include_directories(fuzz_class_list PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(fuzz_class_list PRIVATE Qt6::Core)
target_compile_options(fuzz_class_list PRIVATE
    -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer -g)
target_link_options(fuzz_class_list PRIVATE -fsanitize=fuzzer,address,undefined)
set_target_properties(fuzz_class_list PROPERTIES AUTOMOC OFF)
