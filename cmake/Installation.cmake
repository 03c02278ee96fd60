# What `cmake --install` puts in place: the libraries with their public headers in one folder,
# the CMake package and a pkg-config file, the tools with their manual pages, the demo data and
# the Designer plugin. Each file belongs to the component of the Debian package that holds it
# (cmake/Paquet.cmake): bibliotheque, dev or outils.
include(CMakePackageConfigHelpers)

get_property(ardoine_bibliotheques GLOBAL PROPERTY ARDOINE_BIBLIOTHEQUES)
install(TARGETS ${ardoine_bibliotheques} EXPORT ControleArdoineCibles
    RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
    COMPONENT bibliotheque
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
    COMPONENT bibliotheque
    NAMELINK_COMPONENT dev
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
    COMPONENT dev
    FILE_SET HEADERS DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/ControleArdoine
    COMPONENT dev)

set(ardoine_paquet_cmake ${CMAKE_INSTALL_LIBDIR}/cmake/ControleArdoine)
install(EXPORT ControleArdoineCibles NAMESPACE ControleArdoine::
    DESTINATION ${ardoine_paquet_cmake}
    COMPONENT dev)
configure_package_config_file(cmake/ControleArdoineConfig.cmake.in
    ${CMAKE_CURRENT_BINARY_DIR}/ControleArdoineConfig.cmake
    INSTALL_DESTINATION ${ardoine_paquet_cmake})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/ControleArdoineConfigVersion.cmake
    COMPATIBILITY SameMinorVersion)
install(FILES
    ${CMAKE_CURRENT_BINARY_DIR}/ControleArdoineConfig.cmake
    ${CMAKE_CURRENT_BINARY_DIR}/ControleArdoineConfigVersion.cmake
    DESTINATION ${ardoine_paquet_cmake}
    COMPONENT dev)

# The prefix is found from the file's own place, so that an install moved elsewhere still works.
file(RELATIVE_PATH ardoine_pc_vers_prefixe /${CMAKE_INSTALL_LIBDIR}/pkgconfig /)
# Static libraries need, at the program's link, the shared libraries they link themselves
# (pkg-config --static). Named here rather than by Requires.private: those packages' own
# private libraries are for linking them statically, which this build does not do.
if(NOT BUILD_SHARED_LIBS)
    set(ardoine_pc_prives "-lsqlite3 -lxlsxwriter")
    if(ARDOINE_SERVEUR)
        string(APPEND ardoine_pc_prives " -lpq")
    endif()
    set(ardoine_pc_prives "Libs.private: ${ardoine_pc_prives}\n")
endif()
configure_file(cmake/ControleArdoine.pc.in ${CMAKE_CURRENT_BINARY_DIR}/ControleArdoine.pc @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/ControleArdoine.pc
    DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig
    COMPONENT dev)

install(TARGETS ardoine-db ardoine-demo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
    COMPONENT outils)
install(FILES data/communes.tsv data/noms.txt data/prenoms.txt data/README.md
    DESTINATION ${ARDOINE_DATA_INSTALL_DIR}
    COMPONENT outils)
include(cmake/PagesManuel.cmake)
