# Links the rendered pictures (resources/pictures/<id>.png) into the binary:
# an assembler file includes each PNG as it is and lists them in a table
# that the platform layer looks pictures up in by id.
function(StellarionPictures folder output)
  file(GLOB pngs CONFIGURE_DEPENDS ${folder}/*.png)
  set(body ".section .rodata\n")
  set(table "")
  foreach(png IN LISTS pngs)
    get_filename_component(id ${png} NAME_WE)
    if(NOT id MATCHES "^[0-9]+$")
      continue()
    endif()
    string(APPEND body "Picture${id}:\n  .incbin \"${png}\"\nPicture${id}End:\n")
    string(APPEND table "  .quad ${id}, Picture${id}, Picture${id}End - Picture${id}\n")
  endforeach()
  file(WRITE ${output}.new
    "${body}"
    ".section .data.rel.ro\n.balign 8\n.globl StellarionPictures\nStellarionPictures:\n"
    "${table}  .quad 0, 0, 0\n"
    ".section .note.GNU-stack,\"\",@progbits\n")
  file(COPY_FILE ${output}.new ${output} ONLY_IF_DIFFERENT)
  set_source_files_properties(${output} PROPERTIES OBJECT_DEPENDS "${pngs}")
endfunction()

# Compiles the reading texts (resources/texts/<catalogue>/*.txt) into a C++
# source of wide-string literals with the line endings each catalogue needs.
function(StellarionTexts folder output)
  add_executable(embed-texts ${CMAKE_SOURCE_DIR}/tools/embed-texts/EmbedTexts.cpp)
  file(GLOB_RECURSE texts CONFIGURE_DEPENDS RELATIVE ${folder} ${folder}/*/*.txt)
  list(FILTER texts EXCLUDE REGEX "^words/")
  list(TRANSFORM texts PREPEND ${folder}/ OUTPUT_VARIABLE paths)
  add_custom_command(OUTPUT ${output}
    COMMAND embed-texts ${output} ${folder} compatibility,profile,forecast,numerology
            ${folder}/aliases.txt ${texts}
    DEPENDS embed-texts ${paths} ${folder}/aliases.txt
    COMMENT "Compiling the reading texts")
endfunction()

# Bakes the Tahoma face at the program's cell heights (1x; the double-size
# screens use 2 x height - 1) and weights into a C++ source of glyph coverage
# and advances, for every character the reading texts and the program's own
# labels contain.
function(StellarionFonts face heights weights output)
  find_package(Freetype REQUIRED)
  add_executable(bake-fonts ${CMAKE_SOURCE_DIR}/tools/fonts/BakeFonts.cpp)
  target_include_directories(bake-fonts PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(bake-fonts PRIVATE Freetype::Freetype)
  file(GLOB_RECURSE texts CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/texts/*.txt)
  list(FILTER texts EXCLUDE REGEX "/resources/texts/words/")
  file(GLOB labels CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/shell/*.cpp ${CMAKE_SOURCE_DIR}/draw/*.cpp
       ${CMAKE_SOURCE_DIR}/screens/*.cpp ${CMAKE_SOURCE_DIR}/readings/*.cpp)
  add_custom_command(OUTPUT ${output}
    COMMAND bake-fonts ${output} ${face} ${heights} ${weights} ${texts} ${labels}
    DEPENDS bake-fonts ${face} ${texts} ${labels}
    COMMENT "Baking the text face")
endfunction()
