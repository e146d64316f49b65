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
