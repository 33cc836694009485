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
#   share/doc/analisi-grammaticale/copyright, changelog.Debian.gz
#   share/man/man1/analisi-grammaticale.1.gz        the manual page
#   share/lintian/overrides/analisi-grammaticale    what Debian's checker need not say
#
# The program finds its sound module and its cues through the folder of its
# own executable, and the symlink resolves to the real file, so they must
# stay together.

include(GNUInstallDirs)

set(AG_APP_ID it.scuola.AnalisiGrammaticale)
set(AG_PROGRAM analisi-grammaticale)
# Date of the release named by PROJECT_VERSION, for the metainfo and the
# package's changelog.
set(AG_RELEASE_DATE 2026-12-08)
set(AG_DEBIAN_RELEASE 1)
# A placeholder until the project has a real address.
set(AG_MAINTAINER "Analisi grammaticale <analisi-grammaticale@localhost>")
# What the package installs that is linked: programs and modules.
set(AG_PACKAGED_BINARIES analisi-grammaticale analisi-grammaticale-sound analisi-grammaticale-frasi)
# Manual pages, Italian like the programs, one per program on the PATH.
set(AG_MAN_PAGES ${CMAKE_CURRENT_LIST_DIR}/man/analisi-grammaticale.1
                 ${CMAKE_CURRENT_LIST_DIR}/man/analisi-grammaticale-frasi.1)

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

# The documents Debian asks of a package: the licence in its machine-readable
# copyright file, the changelog and the manual pages, these two compressed
# as Debian expects (gzip -9, no name or time stamp inside).
find_program(AG_GZIP gzip REQUIRED)
set(_ag_doc_dir ${CMAKE_BINARY_DIR}/packaging/doc)
set(_ag_docs)
function(ag_gzipped source output)
    get_filename_component(_name ${output} NAME_WLE)
    get_filename_component(_dir ${output} DIRECTORY)
    add_custom_command(
        OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -E copy ${source} ${_dir}/${_name}
        COMMAND ${AG_GZIP} -9nf ${_dir}/${_name}
        DEPENDS ${source}
        VERBATIM)
    set(_ag_docs ${_ag_docs} ${output} PARENT_SCOPE)
endfunction()

set(AG_PACKAGE_VERSION ${PROJECT_VERSION}-${AG_DEBIAN_RELEASE})
set(AG_PACKAGE ${AG_PROGRAM})
execute_process(COMMAND env LC_ALL=C date -u -R -d ${AG_RELEASE_DATE}
                OUTPUT_VARIABLE AG_RELEASE_DATE_RFC OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.Debian.in
               ${CMAKE_BINARY_DIR}/packaging/changelog.Debian @ONLY)
ag_gzipped(${CMAKE_BINARY_DIR}/packaging/changelog.Debian ${_ag_doc_dir}/changelog.Debian.gz)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${_ag_doc_dir}/changelog.Debian.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${AG_PROGRAM})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME ${AG_PACKAGE})

foreach(_ag_page IN LISTS AG_MAN_PAGES)
    get_filename_component(_ag_name ${_ag_page} NAME)
    string(REGEX MATCH "[0-9]$" _ag_section ${_ag_name})
    configure_file(${_ag_page} ${CMAKE_BINARY_DIR}/packaging/man/${_ag_name} @ONLY)
    ag_gzipped(${CMAKE_BINARY_DIR}/packaging/man/${_ag_name} ${_ag_doc_dir}/man${_ag_section}/${_ag_name}.gz)
    install(FILES ${_ag_doc_dir}/man${_ag_section}/${_ag_name}.gz
            DESTINATION ${CMAKE_INSTALL_MANDIR}/man${_ag_section})
endforeach()
add_custom_target(package_docs ALL DEPENDS ${_ag_docs})

# The Debian package (make package).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${AG_PROGRAM})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Analisi grammaticale")
set(CPACK_PACKAGE_CONTACT "${AG_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Italian grammar drill: the parts of speech")
set(CPACK_PACKAGE_DESCRIPTION
    "A self-study drill in Italian grammatical analysis. One sentence at a\n\
time, the pupil classifies the part written in red: first as variable or\n\
invariable, then by its part of speech. Each answer is checked at once,\n\
with a sound cue, and a summary shows the results and the mistakes.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${AG_DEBIAN_RELEASE})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries (libqt6widgets6, libstdc++6..., and libqt6multimedia6 for the
# sound module) come with their versions from dpkg-shlibdeps, run by
# shlibdeps.cmake when cpack runs; named here is what is only loaded at run
# time or named by the layouts: the window system plugins and the fonts that
# fontconfig substitutes for Arial and Bookman Old Style.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation, fonts-urw-base35")
# The pupil's history is written through Qt SQL's SQLite driver, a plugin.
string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", libqt6sql6-sqlite")
# The sentence editor's program, desktop entry, icon and recommended packages.
include(${CMAKE_CURRENT_LIST_DIR}/editor_packaging.cmake)
# The high-legibility face, and the voice that reads the drill aloud:
# speech-dispatcher with a real Italian voice, reached through Qt's plugin.
string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", fonts-open-sans")
string(APPEND CPACK_DEBIAN_PACKAGE_RECOMMENDS ", qt6-speech-speechd-plugin, speech-dispatcher-espeak-ng")
list(TRANSFORM AG_PACKAGED_BINARIES PREPEND "$<TARGET_FILE:" OUTPUT_VARIABLE _ag_elf_files)
list(TRANSFORM _ag_elf_files APPEND ">")
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_BINARY_DIR}/packaging/cpack_project.cmake)
file(GENERATE OUTPUT ${CPACK_PROJECT_CONFIG_FILE} CONTENT
     "set(AG_ELF_FILES \"${_ag_elf_files}\")
set(AG_WORK_DIR \"${CMAKE_BINARY_DIR}/packaging\")
include(\"${CMAKE_CURRENT_LIST_DIR}/shlibdeps.cmake\")
")
include(CPack)

# Tests of the installed layout, of the installed program finding its cues,
# and of the .deb as Debian's checker sees it.
set(_ag_install_test ${PROJECT_SOURCE_DIR}/tests/test_install.sh)
foreach(_ag_check layout launch package)
    add_test(NAME test_install_${_ag_check}
             COMMAND bash ${_ag_install_test} ${_ag_check} ${CMAKE_BINARY_DIR}
                     ${AG_APP_ID} ${CUE_NAMES})
    set_tests_properties(test_install_${_ag_check} PROPERTIES
        SKIP_RETURN_CODE 77 TIMEOUT 60
        # all install into the build folder's install_manifest.txt
        RESOURCE_LOCK install_manifest)
endforeach()
set_tests_properties(test_install_package PROPERTIES TIMEOUT 300)
