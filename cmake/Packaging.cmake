# Installation layout and the Debian package.
#
#   <prefix>/bin/marlo-veen, marlo-veen-cli                      the programs
#   <prefix>/share/applications/marlo-veen.desktop               launcher entry
#   <prefix>/share/icons/hicolor/{16x16..256x256,scalable}/apps    program icon
#   <prefix>/share/metainfo/org.marloveen.MarloVeen.metainfo.xml  AppStream description
#   <prefix>/share/mime/packages/marlo-veen.xml                   job file type (*.opt, *.mvjob)
#   <prefix>/share/marlo-veen/files/documentation-<lang>.pdf      user manual of one language, opened
#                                                                  by the program in that language
#   <prefix>/share/marlo-veen/files/documentation.pdf             user manual in every language
#   <prefix>/share/marlo-veen/samples/*.opt                        sample jobs
#   <prefix>/share/doc/marlo-veen/                                 README and a link to the manual
include(GNUInstallDirs)

set(MARLO_DATA_DIR ${CMAKE_INSTALL_DATADIR}/marlo-veen)

install(DIRECTORY ${PROJECT_SOURCE_DIR}/samples/
        DESTINATION ${MARLO_DATA_DIR}/samples
        FILES_MATCHING PATTERN "*.opt")
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})

if(MARLO_BUILD_UI)
  add_subdirectory(${PROJECT_SOURCE_DIR}/resources ${PROJECT_BINARY_DIR}/resources)
  add_subdirectory(${PROJECT_SOURCE_DIR}/docs ${PROJECT_BINARY_DIR}/docs)

  # The documentation folder points at the one copy of the manual in the data folder.
  set(manual_link ${PROJECT_BINARY_DIR}/doc-link/documentation.pdf)
  file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/doc-link)
  file(CREATE_LINK ../../marlo-veen/files/documentation.pdf ${manual_link} SYMBOLIC)
  install(FILES ${manual_link} DESTINATION ${CMAKE_INSTALL_DOCDIR})

  if(BUILD_TESTING)
    # Installs the build into a temporary prefix and checks every file the desktop looks for.
    add_test(NAME install_layout
             COMMAND ${PROJECT_SOURCE_DIR}/scripts/check-install.sh ${PROJECT_BINARY_DIR})
    set_tests_properties(install_layout PROPERTIES TIMEOUT 300)
  endif()
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME marlo-veen)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR marlo-veen)
set(CPACK_PACKAGE_CONTACT "marlo-veen maintainers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "cutting optimiser for stock rods")
set(CPACK_PACKAGE_DESCRIPTION
    "marlo-veen plans how to cut stock rods of one length (pipes, profiles, bars) into the\n\
pieces of a cutting list with as little waste as possible. It has a desktop program in\n\
five languages (Slovak, German, English, Czech, Dutch) with text, printed and spreadsheet\n\
reports, a command line program for scripts, and a user manual.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The shared libraries (Qt, libxlsxwriter, COIN-OR's CBC and CLP, zint) come from dpkg-shlibdeps; what
# is loaded at run time without being linked is named here: the fonts of the printed report, Qt's
# own translations of its dialogs and buttons, xdg-open for the manual, links and the
# spreadsheet, and the database drivers of the stock store (SQLite for the user's own store,
# PostgreSQL for a shared one). nlohmann's JSON is a library of headers only: nothing of it is
# needed at run time. The parts lists' libraries (libzip, pugixml, freexl) are named too, so that
# the package declares them whichever program links them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-liberation, qt6-translations-l10n, xdg-utils, libqt6sql6-sqlite, libzip4, libpugixml1v5, libfreexl1")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "hicolor-icon-theme, shared-mime-info, desktop-file-utils, libqt6sql6-psql")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "libreoffice-calc | gnumeric, evince | okular")
include(CPack)
