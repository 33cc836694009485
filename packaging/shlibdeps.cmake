# Read by cpack before it builds the .deb (CPACK_PROJECT_CONFIG_FILE, written
# by packaging.cmake with AG_ELF_FILES, the programs and modules the package
# installs, and AG_WORK_DIR, a folder for scratch files): the libraries they need, as dpkg-shlibdeps finds them, go into
# Depends. CPack could find them itself, but would then also call ldconfig
# from postinst and postrm, since the sound module is a shared object below
# /usr/lib; the program loads it by its path, never through the linker's
# cache, so the package needs no maintainer scripts at all.
if(CPACK_GENERATOR STREQUAL "DEB")
    string(RANDOM LENGTH 8 _ag_tag)  # two cpack runs at once each have their own
    set(_ag_dir "${AG_WORK_DIR}/shlibdeps-${_ag_tag}")
    file(REMOVE_RECURSE "${_ag_dir}")
    file(WRITE "${_ag_dir}/debian/control" "")  # dpkg-shlibdeps wants one
    execute_process(
        COMMAND dpkg-shlibdeps --ignore-missing-info -O ${AG_ELF_FILES}
        WORKING_DIRECTORY "${_ag_dir}"
        OUTPUT_VARIABLE _ag_out ERROR_VARIABLE _ag_err RESULT_VARIABLE _ag_status)
    file(REMOVE_RECURSE "${_ag_dir}")
    if(NOT _ag_status EQUAL 0 OR NOT _ag_out MATCHES "shlibs:Depends=([^\n]+)")
        message(FATAL_ERROR "dpkg-shlibdeps failed (${_ag_status}): ${_ag_err}")
    endif()
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "${CMAKE_MATCH_1}, ${CPACK_DEBIAN_PACKAGE_DEPENDS}")
endif()
