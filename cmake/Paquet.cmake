# The Debian package: `cpack -G DEB` in the build folder. One package brings the tools, the
# libraries with their headers and CMake package, the Designer plugin and the demo data.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME controle-ardoine)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "ControleArdoine")
set(CPACK_PACKAGE_CONTACT "ControleArdoine <controle-ardoine@localhost>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Our own libraries are in the package (dpkg-shlibdeps runs in the staging folder).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS usr/${CMAKE_INSTALL_LIBDIR})
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
# First line: the summary; CPack indents the rest and marks the empty line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Liste des accords non renouvelés : contrôle Qt et outils
Formulaire de critères de la LISTE DES ACCORDS NON RENOUVELES, à placer sur le
formulaire d'une application hôte (bibliothèque, en-têtes, paquet CMake,
greffon Qt Designer), avec sa base de données MultiValue embarquée, l'outil en
ligne de commande ardoine-db, l'hôte de démonstration ardoine-demo et les
données de démonstration (communes, noms, prénoms).

Criteria form of the list of agreements not renewed, to be placed on a form of a
host application (library, headers, CMake package, Qt Designer plugin), with its
embedded MultiValue database, the ardoine-db command-line tool, the ardoine-demo
demo host and the demo data (communes, names, first names).")
include(CPack)
