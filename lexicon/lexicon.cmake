# The full-form lexicon (lexicon/): its reader, linked by the editor; the
# converter run at build time; and the data file itself, built from
# Morph-it!'s npm packages (pinned, hash-checked) into
# build/lessico/morph-it.lex, beside the editor, where it finds it.
set(LEXICON_DIR ${CMAKE_CURRENT_LIST_DIR})

add_library(lexicon STATIC
    ${LEXICON_DIR}/lexicon.cpp
    ${LEXICON_DIR}/lexicon_builder.cpp
)
target_include_directories(lexicon PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(lexicon PUBLIC Qt6::Core)

add_executable(lexicon_convert ${LEXICON_DIR}/convert_main.cpp)
target_link_libraries(lexicon_convert PRIVATE lexicon)

# Cross-building, the converter must run on the build machine: the Windows
# build passes a host copy of it in AG_HOST_LEXICON_CONVERT (the file's
# layout has fixed-width fields, the same on both systems).
set(LEXICON_CONVERT lexicon_convert)
if(AG_HOST_LEXICON_CONVERT)
    set(LEXICON_CONVERT ${AG_HOST_LEXICON_CONVERT})
endif()

set(LEXICON_SOURCE_DIR ${CMAKE_BINARY_DIR}/morph-it)
set(LEXICON_FILE ${CMAKE_BINARY_DIR}/lessico/morph-it.lex)
add_custom_command(
    OUTPUT ${LEXICON_FILE}
    COMMAND bash ${LEXICON_DIR}/fetch-morph-it.sh ${LEXICON_SOURCE_DIR}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/lessico
    COMMAND ${LEXICON_CONVERT} ${LEXICON_FILE}
            ${LEXICON_SOURCE_DIR}/italian-words-dict/words.json
            ${LEXICON_SOURCE_DIR}/italian-adjectives-dict/adjectives.json
            ${LEXICON_SOURCE_DIR}/italian-verbs-dict/verbs.json
    DEPENDS ${LEXICON_CONVERT} ${LEXICON_DIR}/fetch-morph-it.sh
    COMMENT "Lessico: Morph-it! dai pacchetti npm a lessico/morph-it.lex"
    VERBATIM)
add_custom_target(lexicon_data ALL DEPENDS ${LEXICON_FILE})
