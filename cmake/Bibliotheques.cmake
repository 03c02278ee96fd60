# ardoine_bibliotheque(<target> <export name> <file name> OBJETS <internal libraries...>
#                      [PUBLIC <libraries...>] [PRIVE <libraries...>]
#                      [BASES <folders...> ENTETES <headers...>])
#
# An installed library, made of the object files of internal libraries (which the tests and
# the tools link directly, internals included). A host sees only what the export macros
# declare, and includes the listed headers, by their path below one of the BASES, from one
# folder.
function(ardoine_bibliotheque cible nom fichier)
    cmake_parse_arguments(PARSE_ARGV 3 B "" "" "OBJETS;PUBLIC;PRIVE;BASES;ENTETES")
    add_library(${cible})
    add_library(ControleArdoine::${nom} ALIAS ${cible})
    foreach(objets ${B_OBJETS})
        target_sources(${cible} PRIVATE $<TARGET_OBJECTS:${objets}>)
    endforeach()
    set_target_properties(${cible} PROPERTIES
        EXPORT_NAME ${nom}
        OUTPUT_NAME ${fichier}
        VERSION ${PROJECT_VERSION}
        SOVERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR})
    target_link_libraries(${cible} PUBLIC ${B_PUBLIC} PRIVATE ${B_PRIVE})
    # The control's library needs the other two: the loader looks for them beside it.
    ardoine_trouve_bibliotheques(${cible} ${CMAKE_INSTALL_LIBDIR})
    # What the library uses of another must be exported there: a missing export fails here,
    # not in the host. (The sanitizers' runtime is linked into the programs only.)
    if(NOT ARDOINE_SANITIZE)
        target_link_options(${cible} PRIVATE LINKER:--no-undefined)
    endif()
    target_include_directories(${cible} INTERFACE
        $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/ControleArdoine>)
    if(B_ENTETES)
        target_sources(${cible} PUBLIC FILE_SET HEADERS BASE_DIRS ${B_BASES} FILES ${B_ENTETES})
    endif()
    set_property(GLOBAL APPEND PROPERTY ARDOINE_BIBLIOTHEQUES ${cible})
endfunction()

# ardoine_entete_export(<macro> <generated header>): the header that defines the export macro
# of one installed library.
function(ardoine_entete_export macro entete)
    set(ARDOINE_MACRO_EXPORT ${macro})
    configure_file(${PROJECT_SOURCE_DIR}/cmake/Export.h.in ${entete} @ONLY)
endfunction()

# ardoine_trouve_bibliotheques(<target> <install folder>): once installed in that folder (relative
# to the prefix), the target finds the installed libraries by a run path relative to its own
# place ($ORIGIN), so that an install works from any prefix, moved or not. The build tree's run
# path is replaced at install. Lintian accepts $ORIGIN run paths in a package.
function(ardoine_trouve_bibliotheques cible dossier)
    file(RELATIVE_PATH vers_bibliotheques /${dossier} /${CMAKE_INSTALL_LIBDIR})
    if(vers_bibliotheques STREQUAL "")
        set(run_path "$ORIGIN")
    else()
        set(run_path "$ORIGIN/${vers_bibliotheques}")
    endif()
    set_target_properties(${cible} PROPERTIES INSTALL_RPATH "${run_path}")
endfunction()
