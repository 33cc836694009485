# The teachers' sentence editor (analisi-grammaticale-frasi), included by
# packaging.cmake before CPack.
# Its own program on the PATH, desktop entry and icon (its manual page is in
# AG_MAN_PAGES). It needs nothing
# beside it (no sounds); the Italian analysis is recommended, not required:
# without it the editor works and says which packages bring the proposals.
set(AG_EDITOR_PROGRAM analisi-grammaticale-frasi)
set(AG_EDITOR_ID it.scuola.AnalisiGrammaticale.Frasi)
install(TARGETS analisi-grammaticale-frasi RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
configure_file(${CMAKE_CURRENT_LIST_DIR}/editor.desktop.in
               ${CMAKE_BINARY_DIR}/packaging/${AG_EDITOR_ID}.desktop @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${AG_EDITOR_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/editor-icon.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${AG_EDITOR_ID}.svg)
# The analysis (lt-proc, cg-proc, apertium-tagger and the Italian data), and
# Qt's own dialogs (open, save) in Italian.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "apertium, apertium-spa-ita, cg3, qt6-translations-l10n")
# The teachers' guide to the collections, beside the copyright file; the
# editor also carries it, for its "Aiuto" menu.
install(FILES ${CMAKE_SOURCE_DIR}/docs/raccolte.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${AG_PROGRAM})
# The full-form lexicon behind the proposals, found through the data folders.
install(FILES ${LEXICON_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/analisi-grammaticale/lessico)
