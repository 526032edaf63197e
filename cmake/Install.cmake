# Installation and the Debian package.
#
# The programs and what belongs to them live in one folder of their own,
# <prefix>/lib/yorozu: the program finds its manual and the site-wide default
# settings next to its executable, and the marker file tells it that this
# folder is the package's, so each user's settings go to their data folder.
# <prefix>/bin holds links to the two programs; the desktop entry, the icon
# and the MIME type of ".qte" files go where the desktop looks for them.
include(GNUInstallDirs)

set(YOROZU_APP_DIR lib/yorozu)
set(_pkg ${PROJECT_SOURCE_DIR}/packaging)
set(_manual ${PROJECT_SOURCE_DIR}/manual)

install(TARGETS yorozu-cli RUNTIME DESTINATION ${YOROZU_APP_DIR})
install(FILES ${_pkg}/SITE-DEFAULTS.txt DESTINATION ${YOROZU_APP_DIR})

# Links in bin, relative so that they hold under any prefix and DESTDIR.
set(_links ${CMAKE_CURRENT_BINARY_DIR}/install-links)
file(MAKE_DIRECTORY ${_links})
set(_programs yorozu-cli)

if(YOROZU_GUI)
  install(TARGETS yorozu RUNTIME DESTINATION ${YOROZU_APP_DIR})
  list(APPEND _programs yorozu)
  install(FILES ${_manual}/Rakumi_MAN.htm DESTINATION ${YOROZU_APP_DIR})
  install(DIRECTORY ${_manual}/Rakumi_MAN DESTINATION ${YOROZU_APP_DIR})
  install(FILES ${_pkg}/yorozu.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${_pkg}/yorozu.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES ${_pkg}/yorozu-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME yorozu.xml)

  # A copy run from the build folder finds the manual beside its executable too.
  add_custom_target(yorozu_manual ALL
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${_manual}/Rakumi_MAN.htm $<TARGET_FILE_DIR:yorozu>/Rakumi_MAN.htm
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${_manual}/Rakumi_MAN $<TARGET_FILE_DIR:yorozu>/Rakumi_MAN
    COMMENT "Copying the manual next to the program")
endif()

foreach(_p ${_programs})
  file(CREATE_LINK ../${YOROZU_APP_DIR}/${_p} ${_links}/${_p} SYMBOLIC)
  install(FILES ${_links}/${_p} DESTINATION ${CMAKE_INSTALL_BINDIR})
endforeach()

if(YOROZU_GUI)
  # An install straight into a prefix (no DESTDIR, no package) refreshes the
  # desktop's MIME database itself; a package leaves that to its triggers.
  install(CODE [[
    if("$ENV{DESTDIR}" STREQUAL "")
      find_program(_update_mime update-mime-database)
      if(_update_mime)
        execute_process(COMMAND ${_update_mime} "${CMAKE_INSTALL_PREFIX}/share/mime")
      endif()
      find_program(_update_desktop update-desktop-database)
      if(_update_desktop)
        execute_process(COMMAND ${_update_desktop} -q "${CMAKE_INSTALL_PREFIX}/share/applications")
      endif()
    endif()
  ]])
endif()

# cpack -G DEB in the build folder makes yorozu_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME yorozu)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Yorozu maintainers <yorozu@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Quotations, invoices and delivery notes for small businesses")
set(CPACK_PACKAGE_DESCRIPTION "A desktop program for small Japanese businesses: line items typed into a sheet,
amounts, taxes and totals computed as you type, estimates saved one per file,
printed as quotations (見積書), invoices (請求書) or delivery notes (納品書).")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beyond the linked libraries: the display plugins, the fonts the window and
# the printed sheets use, Qt's Japanese texts, the JPEG export and the MIME database.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "qt6-qpa-plugins, qt6-translations-l10n, fonts-ipafont-gothic, fonts-ipafont-mincho, libjpeg62-turbo, shared-mime-info")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_STRIP_FILES ON)
include(CPack)
