# The files that only the Debian packages carry, beside what `cmake --install` puts in place:
# in each package its copyright file, its changelog and its lintian overrides; in the tools
# package the systemd units of the monthly list, the list ahead and the backlog (installed, never enabled), their guide and the
# examples that the guide copies. Needs ardoine_paquets, the list of pairs
# <component> <package> of cmake/Paquet.cmake.
set(ardoine_emballage ${CMAKE_CURRENT_LIST_DIR})
set(ardoine_journal ${CMAKE_CURRENT_BINARY_DIR}/paquet/changelog)
configure_file(${ardoine_emballage}/debian/changelog.in ${ardoine_journal} @ONLY)
# Native packages keep their changelog as changelog.gz, at maximum compression, without the
# name and time of the file (reproducible).
execute_process(COMMAND gzip -9nc ${ardoine_journal}
    OUTPUT_FILE ${ardoine_journal}.gz COMMAND_ERROR_IS_FATAL ANY)

while(ardoine_paquets)
    list(POP_FRONT ardoine_paquets composant paquet)
    install(FILES ${ardoine_emballage}/debian/copyright ${ardoine_journal}.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${paquet} COMPONENT ${composant})
    if(EXISTS ${ardoine_emballage}/lintian/${composant})
        install(FILES ${ardoine_emballage}/lintian/${composant}
            DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME ${paquet}
            COMPONENT ${composant})
    endif()
endwhile()

# Under /usr/lib whatever the libdir: the folder systemd reads.
install(FILES ${ardoine_emballage}/systemd/ardoine-liste.service
    ${ardoine_emballage}/systemd/ardoine-liste.timer
    ${ardoine_emballage}/systemd/ardoine-echeances.service
    ${ardoine_emballage}/systemd/ardoine-echeances.timer
    ${ardoine_emballage}/systemd/ardoine-arrieres.service
    ${ardoine_emballage}/systemd/ardoine-arrieres.timer
    DESTINATION lib/systemd/system COMPONENT outils)
install(FILES ${PROJECT_SOURCE_DIR}/docs/impression-mensuelle.md
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/controle-ardoine COMPONENT outils)
install(FILES ${ardoine_emballage}/exemples/liste.conf ${ardoine_emballage}/exemples/droits-planif.jsonl
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/controle-ardoine/examples COMPONENT outils)
