# Install rules and the Debian package.
#
# Layout under the prefix:
#   lib/analisi-grammaticale/analisi-grammaticale   the program
#   lib/analisi-grammaticale/analisi-grammaticale-sound.so
#                                                    its sound module, beside it
#   lib/analisi-grammaticale/suoni/*.wav             its cues, beside it
#   bin/analisi-grammaticale                         relative symlink to the program
#   share/applications/<id>.desktop, share/metainfo/<id>.metainfo.xml,
#   share/icons/hicolor/scalable/apps/<id>.svg
#
# The program finds its sound module and its cues through the folder of its
# own executable, and the symlink resolves to the real file, so they must
# stay together.

include(GNUInstallDirs)

set(AG_APP_ID it.scuola.AnalisiGrammaticale)
set(AG_PROGRAM analisi-grammaticale)
# Date of the release named by PROJECT_VERSION, for the metainfo.
set(AG_RELEASE_DATE 2026-12-08)

# A private program folder. Deliberately plain "lib", not CMAKE_INSTALL_LIBDIR:
# with the prefix /usr on Debian that would be the multiarch library folder,
# which is no place for a program and its sounds.
set(AG_PROGRAM_DIR lib/${AG_PROGRAM})

install(TARGETS analisi-grammaticale RUNTIME DESTINATION ${AG_PROGRAM_DIR})
# Loaded by the program on its first cue (platform/sound_module.h); without it
# the program runs silent.
install(TARGETS analisi-grammaticale-sound LIBRARY DESTINATION ${AG_PROGRAM_DIR})
install(FILES ${CUE_FILES} DESTINATION ${AG_PROGRAM_DIR}/suoni)

# The launcher on the PATH: a relative symlink made in the build folder and
# installed as it is (install(FILES) copies a symlink as a symlink).
cmake_path(RELATIVE_PATH AG_PROGRAM_DIR BASE_DIRECTORY ${CMAKE_INSTALL_BINDIR}
           OUTPUT_VARIABLE _ag_link_dir)
set(_ag_link ${CMAKE_BINARY_DIR}/packaging/bin/${AG_PROGRAM})
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/packaging/bin)
file(REMOVE ${_ag_link})
file(CREATE_LINK ${_ag_link_dir}/${AG_PROGRAM} ${_ag_link} SYMBOLIC)
install(FILES ${_ag_link} DESTINATION ${CMAKE_INSTALL_BINDIR})

configure_file(${CMAKE_CURRENT_LIST_DIR}/app.desktop.in
               ${CMAKE_BINARY_DIR}/packaging/${AG_APP_ID}.desktop @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/app.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/packaging/${AG_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${AG_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${AG_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/icon.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${AG_APP_ID}.svg)

# The Debian package (make package).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${AG_PROGRAM})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Analisi grammaticale")
set(CPACK_PACKAGE_CONTACT "Analisi grammaticale <analisi-grammaticale@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Italian grammar drill: the parts of speech")
set(CPACK_PACKAGE_DESCRIPTION
    "A self-study drill in Italian grammatical analysis. One sentence at a\n\
time, the pupil classifies the part written in red: first as variable or\n\
invariable, then by its part of speech. Each answer is checked at once,\n\
with a sound cue, and a summary shows the results and the mistakes.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries (libqt6widgets6, libstdc++6..., and libqt6multimedia6 for the
# sound module) come with their versions from dpkg-shlibdeps; named here is
# what is only loaded at run time or named by the layouts: the window system
# plugins and the fonts that fontconfig substitutes for Arial and Bookman Old
# Style.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation, fonts-urw-base35")
# The sentence editor's program, desktop entry, icon and recommended packages.
include(${CMAKE_CURRENT_LIST_DIR}/editor_packaging.cmake)
include(CPack)

# Tests of the installed layout and of the installed program finding its cues.
set(_ag_install_test ${PROJECT_SOURCE_DIR}/tests/test_install.sh)
foreach(_ag_check layout launch)
    add_test(NAME test_install_${_ag_check}
             COMMAND bash ${_ag_install_test} ${_ag_check} ${CMAKE_BINARY_DIR}
                     ${AG_APP_ID} ${CUE_NAMES})
    set_tests_properties(test_install_${_ag_check} PROPERTIES
        SKIP_RETURN_CODE 77 TIMEOUT 60
        # both install into the build folder's install_manifest.txt
        RESOURCE_LOCK install_manifest)
endforeach()

