# A standalone installation into any prefix, and the Debian package built from it.
#
#   <prefix>/lib/tarvo_ems/QTR5190MX/   the program folder: inside a folder named tarvo_ems, so the
#                                       program runs standalone; errMSg/, the help page, the simulated
#                                       switch with its data file and the command-line companion
#   <prefix>/bin/                       launchers (relative links into the program folder)
#   <prefix>/share/...                  desktop entry, icons, AppStream metadata, manual pages
include(GNUInstallDirs)

set(QTR_INSTALL_PROGRAM_DIR "lib/tarvo_ems/QTR5190MX" CACHE STRING
    "Program folder below the prefix; its parent must be named tarvo_ems for standalone mode")
set(QTR_APP_ID "com.tarvo.qtr5190mx")
set(QTR_PROGRAMS qtr5190mx)
foreach(tool IN ITEMS qtr5190mx-sim qtr5190mx-cli)
  if(TARGET ${tool})
    list(APPEND QTR_PROGRAMS ${tool})
  endif()
endforeach()

install(TARGETS ${QTR_PROGRAMS} RUNTIME DESTINATION ${QTR_INSTALL_PROGRAM_DIR})
install(DIRECTORY assets/errMSg DESTINATION ${QTR_INSTALL_PROGRAM_DIR})
if(TARGET qtr5190mx-sim)
  install(FILES tools/sim/qtr5190mx-sim.data DESTINATION ${QTR_INSTALL_PROGRAM_DIR})
endif()
if(TARGET qtr_help)
  install(FILES "${CMAKE_BINARY_DIR}/bin/QTR-5190 r4-5 JUN 08 Rnimbro-v9.html" DESTINATION ${QTR_INSTALL_PROGRAM_DIR})
endif()

# Launchers: links relative to bin/, so the tree works wherever the prefix is moved or unpacked. The
# programs find their folder through /proc/self/exe, which is the link's target.
file(RELATIVE_PATH QTR_BIN_TO_PROGRAM_DIR /p/${CMAKE_INSTALL_BINDIR} /p/${QTR_INSTALL_PROGRAM_DIR})
foreach(program IN LISTS QTR_PROGRAMS)
  install(CODE "
    set(link \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${program}\")
    file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    file(REMOVE \"\${link}\")
    file(CREATE_LINK \"${QTR_BIN_TO_PROGRAM_DIR}/${program}\" \"\${link}\" SYMBOLIC)
    message(STATUS \"Installing: \${link} -> ${QTR_BIN_TO_PROGRAM_DIR}/${program}\")
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${link}\")")
endforeach()

# Desktop integration.
configure_file(assets/desktop/${QTR_APP_ID}.metainfo.xml.in ${CMAKE_BINARY_DIR}/${QTR_APP_ID}.metainfo.xml @ONLY)
install(FILES assets/desktop/${QTR_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/${QTR_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES assets/desktop/qtr5190mx.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${QTR_APP_ID}.svg)
foreach(size IN ITEMS 16 24 32 48 64 128 256)
  install(FILES assets/desktop/icons/${size}x${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${QTR_APP_ID}.png)
endforeach()

# Manual pages, compressed as Debian keeps them.
find_program(QTR_GZIP gzip REQUIRED)
set(QTR_MAN_OUT)
foreach(program IN LISTS QTR_PROGRAMS)
  configure_file(docs/man/${program}.1 ${CMAKE_BINARY_DIR}/man/${program}.1 @ONLY)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/man/${program}.1.gz
    COMMAND ${QTR_GZIP} -9 -n -f -k ${CMAKE_BINARY_DIR}/man/${program}.1
    DEPENDS ${CMAKE_BINARY_DIR}/man/${program}.1 VERBATIM)
  list(APPEND QTR_MAN_OUT ${CMAKE_BINARY_DIR}/man/${program}.1.gz)
endforeach()
add_custom_target(qtr_man ALL DEPENDS ${QTR_MAN_OUT})
install(FILES ${QTR_MAN_OUT} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The Debian package: scripts/package. Runtime dependencies come from dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME qtr5190mx)
set(CPACK_PACKAGE_VENDOR "Tarvo")
set(CPACK_PACKAGE_CONTACT "Tarvo <support@tarvo.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Device manager of the QTR-5190MX layer-3 Ethernet switch")
set(CPACK_PACKAGE_DESCRIPTION
    "Manages one QTR-5190MX switch per running copy over SNMP v1, v2c and v3: a live front panel, \
configuration windows for the switch's functions, counter monitors and device profiles. With a \
command-line companion and a simulated switch for trying it out.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://tarvo.invalid/qtr5190mx")
include(CPack)
