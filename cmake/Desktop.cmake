# The desktop program's icon, rendered from its SVG source at the usual
# hicolor sizes, and the one linked into the binary as the window's icon.
set(StellarionIconSizes 16 22 24 32 48 64 128 256)
set(StellarionWindowIconSize 64)

function(StellarionIcons source folder assembly)
  find_program(RSVG_CONVERT rsvg-convert REQUIRED)
  set(pngs "")
  foreach(size IN LISTS StellarionIconSizes)
    set(png ${folder}/${size}x${size}/apps/stellarion.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}/${size}x${size}/apps
      COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${source}
      DEPENDS ${source}
      COMMENT "Rendering the ${size} pixel icon")
    list(APPEND pngs ${png})
  endforeach()
  add_custom_target(stellarion_icons DEPENDS ${pngs})
  set(window ${folder}/${StellarionWindowIconSize}x${StellarionWindowIconSize}/apps/stellarion.png)
  file(WRITE ${assembly}.new
    ".section .rodata\n.globl StellarionWindowIcon\n.globl StellarionWindowIconEnd\n"
    "StellarionWindowIcon:\n  .incbin \"${window}\"\nStellarionWindowIconEnd:\n"
    ".section .note.GNU-stack,\"\",@progbits\n")
  file(COPY_FILE ${assembly}.new ${assembly} ONLY_IF_DIFFERENT)
  set_source_files_properties(${assembly} PROPERTIES OBJECT_DEPENDS ${window})
endfunction()

# The manual page, compressed as Debian keeps them (no time stamp, so the
# package is the same from build to build).
function(StellarionManual source output)
  add_custom_command(OUTPUT ${output}
    COMMAND gzip -9nc ${source} > ${output}
    DEPENDS ${source}
    COMMENT "Compressing the manual page")
  add_custom_target(stellarion_manual ALL DEPENDS ${output})
endfunction()

# Where `cmake --install` puts the program and its desktop integration.
function(StellarionInstall icons manual)
  set(desktop ${CMAKE_SOURCE_DIR}/resources/desktop)
  install(TARGETS stellarion RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${desktop}/com.example.Stellarion.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${desktop}/com.example.Stellarion.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  foreach(size IN LISTS StellarionIconSizes)
    install(FILES ${icons}/${size}x${size}/apps/stellarion.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
  install(FILES ${CMAKE_SOURCE_DIR}/resources/icons/stellarion.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES ${manual} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
endfunction()

# The Debian package (tools/package.sh). Library dependencies are read from
# the binary by dpkg-shlibdeps.
function(StellarionPackage)
  set(CPACK_GENERATOR DEB PARENT_SCOPE)
  set(CPACK_PACKAGE_NAME stellarion PARENT_SCOPE)
  set(CPACK_PACKAGE_VERSION 1.9 PARENT_SCOPE)
  set(CPACK_PACKAGE_VENDOR Tessaline PARENT_SCOPE)
  set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "astrology and numerology reference for small screens" PARENT_SCOPE)
  set(CPACK_PACKAGE_DESCRIPTION
      "Love compatibility reports for two signs, the 2010 forecast of each sign, ten-topic sign\nprofiles, numerology from a birth date and extras, on an emulated touch screen\nthat scales to any window." PARENT_SCOPE)
  set(CPACK_PACKAGE_CONTACT "Stellarion <help@example.com>" PARENT_SCOPE)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT PARENT_SCOPE)
  set(CPACK_DEBIAN_PACKAGE_SECTION misc PARENT_SCOPE)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON PARENT_SCOPE)
  set(CPACK_STRIP_FILES ON PARENT_SCOPE)
endfunction()
