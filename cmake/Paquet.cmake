# The Debian packages: `cpack -G DEB` in the build folder makes three, one per install
# component, split as Debian splits a library:
#   libcontroleardoine0.1   (bibliotheque) the shared libraries, named after the control's soname;
#   libcontroleardoine-dev  (dev)          headers, .so links, CMake package, pkg-config file and
#                                          the Designer plugin, for the developers of host programs;
#   controle-ardoine        (outils)       ardoine-db, ardoine-demo and their manual pages, the
#                                          demo data, the monthly list's systemd units (not enabled)
#                                          and the system user that runs them.
# packaging/debian/<component>/ holds each package's maintainer scripts and triggers; lintian
# passes the packages with the overrides of packaging/lintian/, each line with its reason.
set(ARDOINE_MAINTENEUR "ControleArdoine <controle-ardoine@ardoine.example>"
    CACHE STRING "Maintainer of the Debian packages: name <address>")
set(ardoine_paquet_bibliotheque libcontroleardoine${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR})
set(ardoine_paquets bibliotheque ${ardoine_paquet_bibliotheque} dev libcontroleardoine-dev
    outils controle-ardoine)

set(CPACK_GENERATOR DEB)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL bibliotheque dev outils)
set(CPACK_PACKAGE_NAME controle-ardoine)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "ControleArdoine")
set(CPACK_PACKAGE_CONTACT "${ARDOINE_MAINTENEUR}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SOURCE controle-ardoine)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# dpkg-shlibdeps runs in each component's staging folder; the plugin of the -dev package finds
# the libraries in the sibling folder of the library package.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ../bibliotheque/usr/${CMAKE_INSTALL_LIBDIR})

set(CPACK_DEBIAN_BIBLIOTHEQUE_PACKAGE_NAME ${ardoine_paquet_bibliotheque})
set(CPACK_DEBIAN_BIBLIOTHEQUE_PACKAGE_SECTION libs)
# Only this package holds libraries with a soname: the shlibs file is its own (CPack warns that
# the Designer plugin of the -dev package has none: it is a module, which nothing links). A host built
# against 0.1.x runs with any later 0.1 package (the soname changes with the minor version).
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
set(ardoine_scripts ${PROJECT_SOURCE_DIR}/packaging/debian)
set(CPACK_DEBIAN_BIBLIOTHEQUE_PACKAGE_CONTROL_EXTRA ${ardoine_scripts}/bibliotheque/triggers
    ${ardoine_scripts}/bibliotheque/postinst ${ardoine_scripts}/bibliotheque/postrm)
set(CPACK_COMPONENT_BIBLIOTHEQUE_DESCRIPTION "Liste des accords non renouvelés : bibliothèques partagées
Bibliothèques du contrôle Qt Ctr_Ardoine, qui imprime la LISTE DES
ACCORDS NON RENOUVELES depuis le formulaire d'une application hôte :
le contrôle, les droits d'accès lus dans le fichier DROITS et le moteur
de la base de données MultiValue (fichier SQLite ou serveur PostgreSQL).")

set(CPACK_DEBIAN_DEV_PACKAGE_NAME libcontroleardoine-dev)
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
# The headers include Qt's, and the CMake package finds Qt Widgets and PrintSupport.
set(CPACK_DEBIAN_DEV_PACKAGE_DEPENDS
    "${ardoine_paquet_bibliotheque} (= ${PROJECT_VERSION}), qt6-base-dev")
set(CPACK_COMPONENT_DEV_DESCRIPTION "Liste des accords non renouvelés : fichiers de développement
En-têtes, liens de développement, paquet CMake
(find_package(ControleArdoine)) et fichier pkg-config du contrôle Qt
Ctr_Ardoine, ainsi que son greffon Qt Designer, pour les développeurs
d'applications hôtes.")

set(CPACK_DEBIAN_OUTILS_PACKAGE_NAME controle-ardoine)
set(CPACK_DEBIAN_OUTILS_PACKAGE_SECTION utils)
# The postinst creates the system user of the monthly list.
set(CPACK_DEBIAN_OUTILS_PACKAGE_DEPENDS adduser)
set(CPACK_DEBIAN_OUTILS_PACKAGE_CONTROL_EXTRA ${ardoine_scripts}/outils/postinst)
set(CPACK_COMPONENT_OUTILS_DESCRIPTION "Liste des accords non renouvelés : outils et impression mensuelle
L'outil ardoine-db crée, remplit, copie et interroge la base de données
MultiValue (fichier SQLite ou serveur PostgreSQL) ; l'hôte de
démonstration ardoine-demo présente le formulaire de la LISTE DES
ACCORDS NON RENOUVELES et l'imprime en ligne de commande, dans un
fichier PDF, XLSX ou CSV ou sur une imprimante CUPS. Le paquet contient
aussi les données de démonstration (communes, noms, prénoms) et le
service et le minuteur systemd de l'impression mensuelle, non activés,
lancés par l'utilisateur système ardoine.")

include(${PROJECT_SOURCE_DIR}/packaging/FichiersPaquets.cmake)
include(CPack)
