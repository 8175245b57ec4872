# What ships with the program, in the build tree and when installed.
#
# The program finds its companions in its own folder: the plug-in module "uzekopnp.mod",
# the help pages "help/index.htm", the default alias file "alias.txt" and its icon. So they
# all live in one folder, bin/ of the build tree and lib/dialwright of an installation, where
# bin/ holds links to the two programs. The desktop file, the MIME type of gauge files and
# the icons go where freedesktop desktops look for them.

# The build tree: help pages, default alias file and icon beside the programs.
file(GLOB_RECURSE DW_HELP_FILES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/help/*)
set(DW_BESIDE_PROGRAM ${PROJECT_SOURCE_DIR}/examples/alias.txt
    ${PROJECT_SOURCE_DIR}/desktop/icons/dialwright.svg)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/program-files.stamp
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${CMAKE_BINARY_DIR}/bin/help
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${PROJECT_SOURCE_DIR}/help
            ${CMAKE_BINARY_DIR}/bin/help
    COMMAND ${CMAKE_COMMAND} -E copy ${DW_BESIDE_PROGRAM} ${CMAKE_BINARY_DIR}/bin/
    COMMAND ${CMAKE_COMMAND} -E touch ${CMAKE_BINARY_DIR}/program-files.stamp
    DEPENDS ${DW_HELP_FILES} ${DW_BESIDE_PROGRAM}
    COMMENT "Copying the help pages and the default alias file beside the programs")
add_custom_target(dw_program_files ALL DEPENDS ${CMAKE_BINARY_DIR}/program-files.stamp)

# An installation.
set(DW_PROGRAM_DIR lib/dialwright)

# A relative link bin/NAME -> ../lib/dialwright/NAME, so that the installed tree can move.
function(dw_install_program_link name)
    install(CODE "
        set(dw_bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
        file(MAKE_DIRECTORY \"\${dw_bin}\")
        message(STATUS \"Installing: \${dw_bin}/${name} -> ../${DW_PROGRAM_DIR}/${name}\")
        file(CREATE_LINK ../${DW_PROGRAM_DIR}/${name} \"\${dw_bin}/${name}\" SYMBOLIC)
    ")
endfunction()

foreach(program dialwright dwtool)
    install(TARGETS ${program} RUNTIME DESTINATION ${DW_PROGRAM_DIR})
    dw_install_program_link(${program})
endforeach()
install(TARGETS uzekopnp LIBRARY DESTINATION ${DW_PROGRAM_DIR})
install(FILES ${DW_BESIDE_PROGRAM} DESTINATION ${DW_PROGRAM_DIR})
install(DIRECTORY help/ DESTINATION ${DW_PROGRAM_DIR}/help)

install(FILES desktop/dialwright.desktop DESTINATION share/applications)
install(FILES desktop/dialwright-mime.xml DESTINATION share/mime/packages RENAME dialwright.xml)
foreach(size 16 22 24 32 48 64 128 256)
    install(FILES desktop/icons/${size}x${size}.png
            DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME dialwright.png)
endforeach()
install(FILES desktop/icons/dialwright.svg DESTINATION share/icons/hicolor/scalable/apps)
install(DIRECTORY examples/ DESTINATION share/dialwright/examples
        PATTERN source EXCLUDE PATTERN .gitattributes EXCLUDE)

# The Debian package: cpack -G DEB in a Release build folder. dpkg-shlibdeps finds the
# libraries the programs link; the list below adds what they load at run time. The desktop
# databases are brought up to date by the triggers of the packages that own them.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME dialwright)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Dialwright developers <dialwright@dialwright.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor and player for cockpit instrument gauges")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Dialwright composes gauges for home flight-simulator cockpits from images, texts, "
    "basic graphs and sounds, links them by small scripts to the variables that a ZEKO "
    "cockpit I/O server publishes, and plays them over the cockpit's screen. dwtool, its "
    "command-line companion, checks, renders and plays gauges and simulates a server.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, qt6-image-formats-plugins, libqt6svg6, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, fonts-dseg, fonts-dejavu-core, hicolor-icon-theme, shared-mime-info, desktop-file-utils")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "gstreamer1.0-plugins-ugly, gstreamer1.0-libav, xdg-utils")
include(CPack)
