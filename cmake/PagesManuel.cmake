# The manual pages of the tools, made from their --help at build time (cmake/page-manuel.sh)
# and installed gzip'd in man1 with the tools. An instrumented build is never installed, and
# its programs may stop on the sanitizers' reports of Qt's leaks at exit: it makes none.
if(ARDOINE_SANITIZE)
    return()
endif()
set(ardoine_script_page ${CMAKE_CURRENT_LIST_DIR}/page-manuel.sh)
# The build tree's programs name the source tree's demo data; the installed ones, the prefix's.
set(ardoine_donnees_installees ${CMAKE_INSTALL_FULL_DATADIR}/ControleArdoine)

# ardoine_page_manuel(<program target> <summary>)
function(ardoine_page_manuel programme resume)
    set(page ${CMAKE_CURRENT_BINARY_DIR}/man/${programme}.1.gz)
    add_custom_command(OUTPUT ${page}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/man
        COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen
            sh ${ardoine_script_page} $<TARGET_FILE:${programme}> ${programme} ${resume} ${page}
            ${ARDOINE_DATA_DIR} ${ardoine_donnees_installees}
        DEPENDS ${programme} ${ardoine_script_page}
        COMMENT "Page de manuel ${programme}(1)"
        VERBATIM)
    add_custom_target(page_manuel_${programme} ALL DEPENDS ${page})
    install(FILES ${page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT outils)
endfunction()

ardoine_page_manuel(ardoine-db
    "crée, remplit, copie et interroge la base de données MultiValue")
ardoine_page_manuel(ardoine-demo
    "formulaire et impression de la liste des accords non renouvelés")
