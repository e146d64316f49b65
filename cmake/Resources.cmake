# The build's own tools run on the machine that builds, whatever the target.
# A native build builds them; a cross build (WebAssembly) is given the folder
# where a native build left them, in STELLARION_HOST_TOOLS.
set(STELLARION_HOST_TOOLS "" CACHE PATH "Folder of natively built host tools, for cross builds")
if(NOT STELLARION_HOST_TOOLS)
  # Builds every host tool, for a cross build to use.
  add_custom_target(stellarion-host-tools)
endif()

# Sets ${name}_COMMAND to what runs the host tool `name` built from `source`.
function(StellarionHostTool name source)
  if(STELLARION_HOST_TOOLS)
    set(${name}_COMMAND ${STELLARION_HOST_TOOLS}/${name} PARENT_SCOPE)
  else()
    add_executable(${name} ${source})
    add_dependencies(stellarion-host-tools ${name})
    set(${name}_COMMAND ${name} PARENT_SCOPE)
  endif()
endfunction()

# Compiles the rendered pictures (resources/pictures/<id>.png) into a C++
# source of byte strings with a table that the platform layer looks pictures
# up in by id.
function(StellarionPictures folder output)
  StellarionHostTool(embed-pictures ${CMAKE_SOURCE_DIR}/tools/embed-pictures/EmbedPictures.cpp)
  file(GLOB pngs CONFIGURE_DEPENDS ${folder}/*.png)
  add_custom_command(OUTPUT ${output}
    COMMAND ${embed-pictures_COMMAND} ${output} ${pngs}
    DEPENDS ${embed-pictures_COMMAND} ${pngs}
    COMMENT "Compiling the pictures")
endfunction()

# Compiles the reading texts (resources/texts/<catalogue>/*.txt) into a C++
# source of UTF-8 string literals with the line endings each catalogue needs.
function(StellarionTexts folder output)
  StellarionHostTool(embed-texts ${CMAKE_SOURCE_DIR}/tools/embed-texts/EmbedTexts.cpp)
  if(TARGET embed-texts)
    target_include_directories(embed-texts PRIVATE ${CMAKE_SOURCE_DIR})
  endif()
  file(GLOB_RECURSE texts CONFIGURE_DEPENDS RELATIVE ${folder} ${folder}/*/*.txt)
  list(FILTER texts EXCLUDE REGEX "^words/")
  list(TRANSFORM texts PREPEND ${folder}/ OUTPUT_VARIABLE paths)
  add_custom_command(OUTPUT ${output}
    COMMAND ${embed-texts_COMMAND} ${output} ${folder} compatibility,profile,forecast,numerology
            ${folder}/aliases.txt ${texts}
    DEPENDS ${embed-texts_COMMAND} ${paths} ${folder}/aliases.txt
    COMMENT "Compiling the reading texts")
endfunction()

# Bakes the Tahoma face at the program's cell heights (1x; the double-size
# screens use 2 x height - 1) and weights into a C++ source of glyph coverage
# and advances, for every character the reading texts and the program's own
# labels contain.
function(StellarionFonts face heights weights output)
  StellarionHostTool(bake-fonts ${CMAKE_SOURCE_DIR}/tools/fonts/BakeFonts.cpp)
  if(TARGET bake-fonts)
    find_package(Freetype REQUIRED)
    target_include_directories(bake-fonts PRIVATE ${CMAKE_SOURCE_DIR})
    target_link_libraries(bake-fonts PRIVATE Freetype::Freetype)
  endif()
  file(GLOB_RECURSE texts CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/texts/*.txt)
  list(FILTER texts EXCLUDE REGEX "/resources/texts/words/")
  # The controls' names are spoken by assistive technology, never drawn.
  list(FILTER texts EXCLUDE REGEX "/resources/texts/names/")
  file(GLOB labels CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/shell/*.cpp ${CMAKE_SOURCE_DIR}/draw/*.cpp
       ${CMAKE_SOURCE_DIR}/screens/*.cpp ${CMAKE_SOURCE_DIR}/readings/*.cpp)
  add_custom_command(OUTPUT ${output}
    COMMAND ${bake-fonts_COMMAND} ${output} ${face} ${heights} ${weights} ${texts} ${labels}
    DEPENDS ${bake-fonts_COMMAND} ${face} ${texts} ${labels}
    COMMENT "Baking the text face")
endfunction()
