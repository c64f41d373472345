# What `cmake --install` puts where, and the .deb that CPack makes of it.
install(FILES ${PROJECT_SOURCE_DIR}/resources/startbild.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lumivo)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/server
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lumivo/examples)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/lumivo.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/lumivo.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/64x64/apps)
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lumivo)
set(CPACK_PACKAGE_VENDOR "Lumivo")
set(CPACK_PACKAGE_CONTACT "Lumivo <lumivo@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Quiz and distance-test program for schools")
set(CPACK_PACKAGE_DESCRIPTION
    "Pupils sign in, pick a test that a web server publishes, answer its questions and get\n"
    "their answers files; teachers edit questions, attach pictures and save tests.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt finds its platform plugins and Swedish texts through these; shlibdeps does not see plugins.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-image-formats-plugins, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
