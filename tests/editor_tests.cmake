# Tests of the teachers' sentence editor (included from editor/editor.cmake).
function(editor_test name)
    add_executable(${name} ${CMAKE_SOURCE_DIR}/tests/${name}.cpp)
    target_link_libraries(${name} PRIVATE ${ARGN} Qt6::Test)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

editor_test(test_editor_analysis editor_core)
editor_test(test_editor_document editor_core)
editor_test(test_editor_window editor_gui)
editor_test(test_editor_service editor_core)

# The lexicon: conversion, damaged files, and the build's own lexicon file.
editor_test(test_lexicon lexicon)
target_compile_definitions(test_lexicon PRIVATE LEXICON_FILE="${CMAKE_BINARY_DIR}/lessico/morph-it.lex")
add_dependencies(test_lexicon lexicon_data)

# The proposals' context repairs, each on its example; the lexicon's features.
editor_test(test_repair_rules editor_core)
target_compile_definitions(test_repair_rules PRIVATE LEXICON_FILE="${CMAKE_BINARY_DIR}/lessico/morph-it.lex")
add_dependencies(test_repair_rules lexicon_data)

# Features in the editor: keys, buttons, the lexicon's proposals.
editor_test(test_editor_features editor_gui)

# A verb's values and each word's kind proposed from the tags; the panel's
# keyboard path for a verb.
editor_test(test_editor_values editor_gui)
