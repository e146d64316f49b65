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

# Packs the chunks an embedding tool wrote (CHUNKS) into a C++ source of the
# array NAME, with LZMA's literal context, literal position and position bits.
find_program(STELLARION_PYTHON python3 PATHS /usr/bin NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
find_program(STELLARION_PYTHON python3 NO_CMAKE_FIND_ROOT_PATH REQUIRED)
set(StellarionPack ${STELLARION_PYTHON} ${CMAKE_SOURCE_DIR}/tools/pack/pack.py)

# Compiles the rendered pictures (resources/pictures/<id>.png) into a C++
# table that the platform layer looks pictures up in by id (OUTPUT) and
# their packed colour indices (PictureChunks in PACKED).
function(StellarionPictures folder output packed)
  StellarionHostTool(embed-pictures ${CMAKE_SOURCE_DIR}/tools/embed-pictures/EmbedPictures.cpp)
  if(TARGET embed-pictures)
    target_include_directories(embed-pictures PRIVATE ${CMAKE_SOURCE_DIR})
    target_include_directories(embed-pictures SYSTEM PRIVATE ${STB_INCLUDE_DIR})
  endif()
  file(GLOB pngs CONFIGURE_DEPENDS ${folder}/*.png)
  add_custom_command(OUTPUT ${output} ${packed}
    COMMAND ${embed-pictures_COMMAND} ${output} ${packed}.chunks ${pngs}
    COMMAND ${StellarionPack} ${packed}.chunks ${packed} PictureChunks 0 0 0
    DEPENDS ${embed-pictures_COMMAND} ${pngs} ${CMAKE_SOURCE_DIR}/tools/pack/pack.py
    COMMENT "Compiling the pictures")
endfunction()

# Compiles the reading texts (resources/texts/<catalogue>/*.txt) into the
# catalogue's table (OUTPUT) and the texts packed in chunks (TextChunks in
# PACKED), UTF-8 with the line endings each catalogue needs.
function(StellarionTexts folder output packed)
  StellarionHostTool(embed-texts ${CMAKE_SOURCE_DIR}/tools/embed-texts/EmbedTexts.cpp)
  if(TARGET embed-texts)
    target_include_directories(embed-texts PRIVATE ${CMAKE_SOURCE_DIR})
  endif()
  file(GLOB_RECURSE texts CONFIGURE_DEPENDS RELATIVE ${folder} ${folder}/*/*.txt)
  list(FILTER texts EXCLUDE REGEX "^words/")
  list(TRANSFORM texts PREPEND ${folder}/ OUTPUT_VARIABLE paths)
  add_custom_command(OUTPUT ${output} ${packed}
    COMMAND ${embed-texts_COMMAND} ${output} ${packed}.chunks ${folder} compatibility,profile,forecast,numerology
            ${folder}/aliases.txt ${texts}
    COMMAND ${StellarionPack} ${packed}.chunks ${packed} TextChunks 3 0 0
    DEPENDS ${embed-texts_COMMAND} ${paths} ${folder}/aliases.txt ${CMAKE_SOURCE_DIR}/tools/pack/pack.py
    COMMENT "Compiling the reading texts")
endfunction()

# Bakes the Tahoma face at the program's cell heights (1x; the double-size
# screens use 2 x height - 1) and weights into a C++ source of glyph coverage
# and advances (OUTPUT, with the coverage packed in FontChunks in PACKED),
# for every character the reading texts and the program's own
# labels contain.
function(StellarionFonts face heights weights output packed)
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
  file(GLOB_RECURSE labels CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/shell/*.cpp ${CMAKE_SOURCE_DIR}/draw/*.cpp
       ${CMAKE_SOURCE_DIR}/screens/*.cpp ${CMAKE_SOURCE_DIR}/readings/*.cpp ${CMAKE_SOURCE_DIR}/resources/*.cpp)
  add_custom_command(OUTPUT ${output} ${packed}
    COMMAND ${bake-fonts_COMMAND} ${output} ${packed}.chunks ${face} ${heights} ${weights} ${texts} ${labels}
    COMMAND ${StellarionPack} ${packed}.chunks ${packed} FontChunks 2 0 0
    DEPENDS ${bake-fonts_COMMAND} ${face} ${texts} ${labels} ${CMAKE_SOURCE_DIR}/tools/pack/pack.py
    COMMENT "Baking the text face")
endfunction()

# Names every picture of the manifests (resources/pictures/manifest/*.tsv) in
# a generated header: a picture drawn at one resolution is an `int`, one drawn
# at both a `PicturePair` of its quarter-size and double-size ids. The name is
# the picture's source drawing, its folder first and a "-1x" ending dropped,
# so a pair drawn from two files still gets one name.
function(StellarionPictureNames manifests output)
  file(GLOB tsvs CONFIGURE_DEPENDS ${manifests}/*.tsv)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${tsvs})
  set(body "")
  set(done "")
  foreach(tsv IN LISTS tsvs)
    # Semicolons and brackets in the descriptions would split or join the
    # lines of a CMake list.
    file(READ ${tsv} text)
    string(REGEX REPLACE "[][;]" "," text "${text}")
    string(REPLACE "\n" ";" lines "${text}")
    foreach(line IN LISTS lines)
      if(NOT line MATCHES "^([0-9]+)\t([0-9]+)\t[0-9]+\t[^\t]+\t([-0-9]+)\t([a-z]+)/([-a-z0-9]+)\\.svg\t")
        continue()
      endif()
      set(id ${CMAKE_MATCH_1})
      set(width ${CMAKE_MATCH_2})
      set(partner ${CMAKE_MATCH_3})
      set(folder ${CMAKE_MATCH_4})
      string(REGEX REPLACE "-1x$" "" stem ${CMAKE_MATCH_5})
      if(folder STREQUAL "frame")
        set(name "Frame")
      elseif(folder STREQUAL "mainmenu")
        set(name "Menu")
      else()
        set(name "")
      endif()
      string(REPLACE "-" ";" words ${stem})
      foreach(word IN LISTS words)
        string(SUBSTRING ${word} 0 1 first)
        string(SUBSTRING ${word} 1 -1 rest)
        string(TOUPPER ${first} first)
        string(APPEND name ${first}${rest})
      endforeach()
      set(width_${id} ${width})
      set(partner_${id} ${partner})
      set(name_${id} ${name})
      list(APPEND ids ${id})
    endforeach()
  endforeach()
  list(SORT ids COMPARE NATURAL)
  foreach(id IN LISTS ids)
    set(partner ${partner_${id}})
    if(partner STREQUAL "-")
      string(APPEND body "constexpr int Picture${name_${id}} = ${id};\n")
    elseif(NOT partner IN_LIST done)
      # The smaller of the two is the quarter-size picture.
      if(width_${id} LESS width_${partner})
        string(APPEND body "constexpr PicturePair Picture${name_${id}} = {${id}, ${partner}};\n")
      else()
        string(APPEND body "constexpr PicturePair Picture${name_${id}} = {${partner}, ${id}};\n")
      endif()
      list(APPEND done ${id})
    endif()
  endforeach()
  set(text "// Generated from resources/pictures/manifest/*.tsv; edit those, not this.\n#pragma once\n\n")
  string(APPEND text "// The ids of one picture drawn at quarter size and at double size.\nstruct PicturePair {\n    int Small, Large;\n};\n\n${body}")
  file(CONFIGURE OUTPUT ${output} CONTENT "${text}" @ONLY)
endfunction()
