# Installation of the programs, their desktop entry, icon, examples and help, and the Debian
# package built from them with cpack -G DEB.
include(GNUInstallDirs)

set(ZUVAR_SHARE_DIR "${CMAKE_INSTALL_DATADIR}/zuvar")

# Two components, packaged apart: "cli" holds zuvar-run alone (no Qt, for machines without a
# display), "gui" the desktop program with its data and help.
if(TARGET zuvar-run)
  install(TARGETS zuvar-run RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT cli)
endif()
if(TARGET zuvar)
  install(TARGETS zuvar RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT gui)
endif()

install(FILES ${CMAKE_CURRENT_LIST_DIR}/zuvar.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT gui)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/zuvar.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT gui)
# The icon rendered from zuvar.svg at the sizes desktops ask for.
foreach(size 16 24 32 48 64 128 256)
  install(FILES ${CMAKE_CURRENT_LIST_DIR}/icons/${size}x${size}/zuvar.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps COMPONENT gui)
endforeach()
# The AppStream description for software centres, and the project files' MIME type, which the
# desktop entry names so that a double-click on a project opens it.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/org.example.zuvar32pro.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT gui)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/zuvar-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME zuvar.xml COMPONENT gui)

# Each package's documentation: the copyright file, the Debian changelog and the manual pages,
# compressed as Debian wants them (gzip -9n: no name, no time stamp, so the build is
# reproducible).
set(ZUVAR_GZIP_DIR ${PROJECT_BINARY_DIR}/packaging)
set(ZUVAR_GZIPPED)
# The Polish manual pages keep their folder (pl/) beside the English ones.
foreach(source man/zuvar.1 man/zuvar-run.1 man/pl/zuvar.1 man/pl/zuvar-run.1 changelog.Debian)
  string(REGEX REPLACE "^man/" "" name ${source})
  get_filename_component(folder ${ZUVAR_GZIP_DIR}/${name} DIRECTORY)
  add_custom_command(
    OUTPUT ${ZUVAR_GZIP_DIR}/${name}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND gzip -9n -c ${CMAKE_CURRENT_LIST_DIR}/${source} > ${ZUVAR_GZIP_DIR}/${name}.gz
    DEPENDS ${CMAKE_CURRENT_LIST_DIR}/${source}
    COMMENT "Compressing ${name}"
    VERBATIM)
  list(APPEND ZUVAR_GZIPPED ${ZUVAR_GZIP_DIR}/${name}.gz)
endforeach()
add_custom_target(zuvar_packaging_docs ALL DEPENDS ${ZUVAR_GZIPPED})

install(FILES ${ZUVAR_GZIP_DIR}/zuvar-run.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT cli)
install(FILES ${ZUVAR_GZIP_DIR}/pl/zuvar-run.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/pl/man1
        COMPONENT cli)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${ZUVAR_GZIP_DIR}/changelog.Debian.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zuvar-cli COMPONENT cli)
# Neither package is uploaded to Debian, so their first changelog entry closes no bug of an
# intent to package.
foreach(package zuvar-cli zuvar)
  file(WRITE ${ZUVAR_GZIP_DIR}/overrides/${package}
       "# Shipped by its authors, not uploaded to Debian: there is no bug to close.\n"
       "${package}: initial-upload-closes-no-bugs\n")
endforeach()
install(FILES ${ZUVAR_GZIP_DIR}/overrides/zuvar-cli DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        COMPONENT cli)
if(TARGET zuvar)
  install(FILES ${ZUVAR_GZIP_DIR}/zuvar.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT gui)
  install(FILES ${ZUVAR_GZIP_DIR}/pl/zuvar.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/pl/man1
          COMPONENT gui)
  install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${ZUVAR_GZIP_DIR}/changelog.Debian.gz
          DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zuvar COMPONENT gui)
  install(FILES ${ZUVAR_GZIP_DIR}/overrides/zuvar DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
          COMPONENT gui)
endif()

file(GLOB ZUVAR_EXAMPLE_FILES ${PROJECT_SOURCE_DIR}/examples/*.bin)
if(ZUVAR_EXAMPLE_FILES)
  install(FILES ${ZUVAR_EXAMPLE_FILES} DESTINATION ${ZUVAR_SHARE_DIR}/examples COMPONENT gui)
endif()

file(GLOB ZUVAR_HELP_FILES ${PROJECT_SOURCE_DIR}/resources/help/*.html)
if(ZUVAR_HELP_FILES)
  install(FILES ${ZUVAR_HELP_FILES} DESTINATION ${ZUVAR_SHARE_DIR}/help COMPONENT gui)
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
set(CPACK_PACKAGE_INSTALL_DIRECTORY "zuvar")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL cli)
if(TARGET zuvar)
  list(APPEND CPACK_COMPONENTS_ALL gui)
endif()
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SOURCE "zuvar")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "ZUVAR 32 Pro maintainers <zuvar32pro@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION "education")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

set(CPACK_DEBIAN_CLI_PACKAGE_NAME "zuvar-cli")
set(CPACK_DEBIAN_CLI_DESCRIPTION "run algorithm flowcharts in a terminal
zuvar-run runs the flowcharts drawn in ZUVAR 32 Pro (ZUVAR2.0 project
files) without a display: the algorithm's output goes to standard output,
read takes lines of standard input and the exit status tells how the run
ended. It needs no graphical libraries, so it suits servers that grade
students' work.")

set(CPACK_DEBIAN_GUI_PACKAGE_NAME "zuvar")
set(CPACK_DEBIAN_GUI_DESCRIPTION "editor and simulator of algorithm flowcharts
ZUVAR 32 Pro lets a student draw an algorithm as a flowchart of typed
blocks, write statements of a small C-like language into them and run
the algorithm step by step, watching its variables. The user interface
is Polish. Example flowcharts and a help document come with it.")
# The desktop program runs the same diagrams as zuvar-run and speaks Polish with Qt's own
# Polish translations.
set(CPACK_DEBIAN_GUI_PACKAGE_DEPENDS "zuvar-cli (= ${PROJECT_VERSION}-1)")
string(APPEND CPACK_DEBIAN_GUI_PACKAGE_DEPENDS ", qt6-translations-l10n")
include(CPack)
