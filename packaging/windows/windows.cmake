# The Windows build (make windows, scripts/windows/build-program.sh): the
# program, its sound module and cues, the sentence editor, and what they
# need beside them to run on a PC without Qt: the Qt libraries and plugins,
# the compiler's runtime, Qt's Italian texts. `cmake --install` lays the
# folder out as the zip and the installer ship it.

include(${CMAKE_SOURCE_DIR}/lexicon/lexicon.cmake)
include(${CMAKE_SOURCE_DIR}/editor/editor.cmake)

# Windows programs, not console ones: no black window behind them.
set_target_properties(analisi-grammaticale analisi-grammaticale-frasi PROPERTIES WIN32_EXECUTABLE ON)

install(TARGETS analisi-grammaticale analisi-grammaticale-frasi RUNTIME DESTINATION .)
install(TARGETS analisi-grammaticale-sound LIBRARY DESTINATION . RUNTIME DESTINATION .)
install(FILES ${CUE_FILES} DESTINATION suoni)
# The editor's lexicon, where it looks first: lessico\ beside it.
install(FILES ${LEXICON_FILE} DESTINATION lessico)
install(FILES ${CMAKE_SOURCE_DIR}/COPYING DESTINATION . RENAME COPYING.txt)

# The cross-built Qt: Qt6_DIR is <prefix>/lib/cmake/Qt6.
get_filename_component(AG_QT_PREFIX "${Qt6_DIR}/../../.." ABSOLUTE)
foreach(_ag_module Core Gui Widgets Network Multimedia Sql Charts TextToSpeech)
    install(FILES ${AG_QT_PREFIX}/bin/Qt6${_ag_module}.dll DESTINATION .)
endforeach()
# The Windows platform plugin, the native widget style, the Windows audio
# backend, the SQLite driver of the pupil's history: beside the program,
# where Qt looks first. No voices: Qt's Windows voices do not build with
# mingw-w64, and the drill disables reading aloud when it finds none.
foreach(_ag_plugins platforms styles multimedia sqldrivers)
    install(DIRECTORY ${AG_QT_PREFIX}/plugins/${_ag_plugins} DESTINATION . FILES_MATCHING PATTERN "*.dll")
endforeach()
# Tells Qt that its plugins sit beside the program and its texts in translations\.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/qt.conf DESTINATION .)
# Qt's own dialog texts in Italian (the editor's "Apri…"), from the host's
# Qt translations: .qm files are the same on every system.
install(FILES /usr/share/qt6/translations/qtbase_it.qm DESTINATION translations)

# The compiler's runtime libraries (posix threads).
foreach(_ag_dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${_ag_dll}
                    OUTPUT_VARIABLE _ag_path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${_ag_path}" OR NOT EXISTS "${_ag_path}")
        message(FATAL_ERROR "${_ag_dll} not found by ${CMAKE_CXX_COMPILER}")
    endif()
    install(FILES ${_ag_path} DESTINATION .)
endforeach()
