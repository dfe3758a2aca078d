# What `cmake --install` puts where, and the Debian package CPack makes of it
# (scripts/package). The desktop file, the metainfo and the icons share the
# application's id (ORVANE_APP_ID) as their base name.
set(ORVANE_RELEASE_DATE "2019-08-01")
# Where the metainfo's pages and screenshots are to be hosted by a packager.
set(ORVANE_PROJECT_URL "https://orvane.invalid/manager")

install(TARGETS orvane-cli orvane-manager RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS orvane_http LIBRARY DESTINATION ${ORVANE_HTTP_MODULE_INSTALL_DIR})

install(FILES res/${ORVANE_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(res/${ORVANE_APP_ID}.metainfo.xml.in ${ORVANE_APP_ID}.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/${ORVANE_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES res/orvane-cli.bash-completion DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
        RENAME orvane-cli)

# The window's own icon, drawn for every size the desktop asks for; rendered
# here rather than committed, so that the PNGs cannot drift from the drawing.
find_program(ORVANE_RSVG_CONVERT rsvg-convert REQUIRED)
set(icon_source ${PROJECT_SOURCE_DIR}/res/pictures/app-icon.svg)
set(icons_dir ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${icon_source} DESTINATION ${icons_dir}/scalable/apps RENAME ${ORVANE_APP_ID}.svg)
set(rendered_icons)
foreach(size 16 24 32 48 64 128 256)
  set(png ${PROJECT_BINARY_DIR}/icons/${size}/${ORVANE_APP_ID}.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/icons/${size}
    COMMAND ${ORVANE_RSVG_CONVERT} --width ${size} --height ${size} --output ${png} ${icon_source}
    DEPENDS ${icon_source} VERBATIM)
  list(APPEND rendered_icons ${png})
  install(FILES ${png} DESTINATION ${icons_dir}/${size}x${size}/apps)
endforeach()

# Debian wants manual pages and the changelog compressed without a time stamp.
find_program(ORVANE_GZIP gzip REQUIRED)
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/orvane-manager)
set(compressed_docs)
foreach(doc orvane-cli.1 orvane-manager.1 changelog)
  set(compressed ${PROJECT_BINARY_DIR}/doc/${doc}.gz)
  add_custom_command(OUTPUT ${compressed}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/doc
    COMMAND ${ORVANE_GZIP} -9 -n -c ${PROJECT_SOURCE_DIR}/doc/${doc} > ${compressed}
    DEPENDS ${PROJECT_SOURCE_DIR}/doc/${doc})
  list(APPEND compressed_docs ${compressed})
  if(doc STREQUAL changelog)
    install(FILES ${compressed} DESTINATION ${doc_dir})
  else()
    install(FILES ${compressed} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  endif()
endforeach()

install(FILES README.md doc/copyright DESTINATION ${doc_dir})

# Everything the package holds, and nothing else: scripts/package builds this
# target alone, with the install step's dependency on `all` switched off.
add_custom_target(orvane_package_files ALL DEPENDS ${rendered_icons} ${compressed_docs})
add_dependencies(orvane_package_files orvane-cli orvane-manager orvane_http)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvane-manager)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Orvane Manager developers")
set(CPACK_PACKAGE_CONTACT "Orvane Manager developers <manager@orvane.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "manager for the Orvane golf GPS rangefinder")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Orvane Manager finds the Orvane handheld golf GPS rangefinder when it is\n\
mounted as a USB storage volume, fetches the course catalogue from the\n\
update server, stores and deletes course maps on the device, copies round\n\
records to the PC and shows a round as a score card with each hole drawn.\n\
It has a Korean and an English interface.\n\
\n\
The package holds the window, orvane-manager, and the command-line tool,\n\
orvane-cli.")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${ORVANE_PROJECT_URL})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
include(CPack)
