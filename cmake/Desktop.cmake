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

# The manual page and the package's changelog, compressed as Debian keeps
# them (no name or time stamp in the header, so that the package is the same
# from build to build).
function(StellarionCompressedDocs manual changelog folder)
  set(outputs "")
  foreach(source IN ITEMS ${manual} ${changelog})
    get_filename_component(name ${source} NAME)
    add_custom_command(OUTPUT ${folder}/${name}.gz
      COMMAND gzip -9nc ${source} > ${folder}/${name}.gz
      DEPENDS ${source}
      COMMENT "Compressing ${name}")
    list(APPEND outputs ${folder}/${name}.gz)
  endforeach()
  add_custom_target(stellarion_docs ALL DEPENDS ${outputs})
endfunction()

# Where `cmake --install` puts the program, its desktop integration and its
# documents.
function(StellarionInstall icons docs)
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
  install(FILES ${docs}/stellarion.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${CMAKE_SOURCE_DIR}/resources/package/copyright ${docs}/changelog.gz
          DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/stellarion)
endfunction()
