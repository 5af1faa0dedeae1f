# Installation of the programs, their desktop entry, icon, examples and help, and the Debian
# package built from them with cpack -G DEB.
include(GNUInstallDirs)

set(ZUVAR_SHARE_DIR "${CMAKE_INSTALL_DATADIR}/zuvar")

foreach(program zuvar zuvar-run)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()

install(FILES ${CMAKE_CURRENT_LIST_DIR}/zuvar.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/zuvar.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

file(GLOB ZUVAR_EXAMPLE_FILES ${PROJECT_SOURCE_DIR}/examples/*.bin)
if(ZUVAR_EXAMPLE_FILES)
  install(FILES ${ZUVAR_EXAMPLE_FILES} DESTINATION ${ZUVAR_SHARE_DIR}/examples)
endif()

file(GLOB ZUVAR_HELP_FILES ${PROJECT_SOURCE_DIR}/resources/help/*.html)
if(ZUVAR_HELP_FILES)
  install(FILES ${ZUVAR_HELP_FILES} DESTINATION ${ZUVAR_SHARE_DIR}/help)
endif()

# Where the installed help lies as seen from the installed program's folder, so the program
# finds it under any prefix: <folder of zuvar>/<ZUVAR_HELP_RELATIVE_PATH>.
file(RELATIVE_PATH ZUVAR_HELP_RELATIVE_PATH "/prefix/${CMAKE_INSTALL_BINDIR}"
     "/prefix/${ZUVAR_SHARE_DIR}/help/pomoc.html")
if(TARGET zuvar_app)
  target_compile_definitions(zuvar_app PRIVATE
    ZUVAR_HELP_RELATIVE_PATH="${ZUVAR_HELP_RELATIVE_PATH}"
    ZUVAR_SOURCE_HELP_FILE="${PROJECT_SOURCE_DIR}/resources/help/pomoc.html")
endif()

set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "zuvar")
set(CPACK_PACKAGE_VENDOR "ZUVAR 32 Pro")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Graphical editor and simulator of algorithm flowcharts (Polish user interface)")
set(CPACK_PACKAGE_DESCRIPTION
    "ZUVAR 32 Pro lets a student draw an algorithm as a flowchart of typed blocks, write\nstatements of a small C-like language into them and run the algorithm step by step,\nwatching its variables. zuvar-run runs the same diagrams in a terminal.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "zuvar")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_NAME "zuvar")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "ZUVAR 32 Pro maintainers <zuvar32pro@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION "education")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own Polish texts for the common dialogs and standard buttons; the libraries found by
# shlibdeps are added to this list.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n")
include(CPack)
