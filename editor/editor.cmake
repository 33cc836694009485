# The teachers' sentence editor (analisi-grammaticale-frasi): the analyser
# bridge and the tag-to-unit rules need no screen (editor_core); the window
# is Qt Widgets.
set(EDITOR_DIR ${CMAKE_CURRENT_LIST_DIR})

add_library(editor_core STATIC
    ${EDITOR_DIR}/analyser_stream.cpp
    ${EDITOR_DIR}/analyser.cpp
    ${EDITOR_DIR}/word_lexicon.cpp
    ${EDITOR_DIR}/lexicon_readings.cpp
    ${EDITOR_DIR}/feature_table.cpp
    ${EDITOR_DIR}/feature_proposal.cpp
    ${EDITOR_DIR}/verb_proposal.cpp
    ${EDITOR_DIR}/kind_proposal.cpp
    ${EDITOR_DIR}/value_proposal.cpp
    ${EDITOR_DIR}/unit_rules.cpp
    ${EDITOR_DIR}/sentence_proposer.cpp
    ${EDITOR_DIR}/proposal_service.cpp
    ${EDITOR_DIR}/check_marks.cpp
    ${EDITOR_DIR}/propose_command.cpp
    ${EDITOR_DIR}/unit_editing.cpp
    ${EDITOR_DIR}/collection_document.cpp
)
target_include_directories(editor_core PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(editor_core PUBLIC drill_rules lexicon Qt6::Core)

# The window, its widgets and the preview built from the drill's layouts.
add_library(editor_gui STATIC
    ${EDITOR_DIR}/part_of_speech_style.cpp
    ${EDITOR_DIR}/unit_row.cpp
    ${EDITOR_DIR}/feature_panel.cpp
    ${EDITOR_DIR}/word_column_preview.cpp
    ${EDITOR_DIR}/editor_window.cpp
    ${EDITOR_DIR}/guide_window.cpp
)
target_link_libraries(editor_gui PUBLIC editor_core drill_windows Qt6::Widgets)
# The teachers' guide, for the "Aiuto" menu.
qt_add_resources(editor_gui editor_guide PREFIX /guida BASE ${CMAKE_SOURCE_DIR}/docs
                 FILES ${CMAKE_SOURCE_DIR}/docs/raccolte.md)

add_executable(analisi-grammaticale-frasi
    ${EDITOR_DIR}/main.cpp
    ${EDITOR_DIR}/editor_window_main.cpp
)
target_link_libraries(analisi-grammaticale-frasi PRIVATE editor_gui)

if(NOT WIN32)  # the Windows build runs no tests
    include(${CMAKE_SOURCE_DIR}/tests/editor_tests.cmake)
endif()

# The README's pictures of the editor (scripts/editor-screenshots.sh).
add_executable(editor_screenshots EXCLUDE_FROM_ALL ${CMAKE_SOURCE_DIR}/tools/editor_screenshots.cpp)
target_link_libraries(editor_screenshots PRIVATE editor_gui)

# The editor finds the lexicon beside itself in the build folder.
add_dependencies(analisi-grammaticale-frasi lexicon_data)
