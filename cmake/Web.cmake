# The browser build: the program compiled to WebAssembly with the web
# backend, and the page around it gathered in site/ with its manifest, icons
# and service worker. tools/web/build.sh runs it.
target_sources(stellarion_core PRIVATE platform/web/HexRecord.cpp platform/web/WebSettingsStore.cpp)
# Every current browser runs 128-bit vector code; the pixel loops use it
# (the shared code was set up before this file, the backend comes after).
add_compile_options(-msimd128)
target_compile_options(stellarion_core PRIVATE -msimd128)

set(StellarionWebLinkOptions
  # The message loop blocks, as on every other platform; waits and message
  # boxes suspend the program and let the browser run.
  -sASYNCIFY -sASYNCIFY_STACK_SIZE=65536
  # Drawing pictures never waits; marked suspendable, every drawing call
  # would be slow. Nor does the C library's formatting, which writes through
  # a function pointer: made suspendable, it was the largest code the first
  # page's names ran, compiled and run within the first paint.
  "-sASYNCIFY_REMOVE=['*Picture*','*printf*','fmt_fp','pop_arg','out','pad','__fwritex','*fputwc*']"
  # Room from the start for the compiled-in data and the pictures the first
  # pages decode, so the start-up does not stop to grow the memory.
  -sALLOW_MEMORY_GROWTH -sINITIAL_MEMORY=33554432 -sENVIRONMENT=web -sEXIT_RUNTIME=0)

add_executable(stellarion platform/web/WebBackend.cpp $<TARGET_OBJECTS:stellarion_core>)
target_link_libraries(stellarion PRIVATE stellarion_core)
target_link_options(stellarion PRIVATE ${StellarionWebLinkOptions})

set(StellarionSitePages index.html Page.js Accessible.js ReadingView.js manifest.webmanifest ServiceWorker.js)
list(TRANSFORM StellarionSitePages PREPEND ${CMAKE_SOURCE_DIR}/platform/web/ OUTPUT_VARIABLE pages)
find_program(RSVG_CONVERT rsvg-convert PATHS /usr/bin NO_CMAKE_FIND_ROOT_PATH REQUIRED)
find_program(CWEBP cwebp PATHS /usr/bin NO_CMAKE_FIND_ROOT_PATH REQUIRED)
find_program(ZOPFLIPNG zopflipng PATHS /usr/bin NO_CMAKE_FIND_ROOT_PATH REQUIRED)
find_program(ESBUILD esbuild PATHS /usr/bin NO_CMAKE_FIND_ROOT_PATH REQUIRED)
set(icon ${CMAKE_SOURCE_DIR}/resources/icons/stellarion.svg)
set(maskable ${CMAKE_SOURCE_DIR}/resources/icons/stellarion-maskable.svg)
# The native simulator shoots the first frames (the host tools' build has it).
set(simulator ${STELLARION_HOST_TOOLS}/stellarion-sim)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/site.stamp
  COMMAND ${CMAKE_COMMAND} -DPAGES=${CMAKE_SOURCE_DIR}/platform/web -DSITE=${CMAKE_BINARY_DIR}/site
          -DPROGRAM=$<TARGET_FILE_DIR:stellarion>/stellarion -DICON=${icon} -DMASKABLE_ICON=${maskable}
          -DRSVG=${RSVG_CONVERT} -DCWEBP=${CWEBP} -DZOPFLIPNG=${ZOPFLIPNG} -DESBUILD=${ESBUILD} -DSIMULATOR=${simulator} -P ${CMAKE_SOURCE_DIR}/cmake/WebSite.cmake
  COMMAND ${CMAKE_COMMAND} -E touch ${CMAKE_BINARY_DIR}/site.stamp
  DEPENDS stellarion ${pages} ${icon} ${maskable} ${simulator} ${CMAKE_SOURCE_DIR}/cmake/WebSite.cmake
  COMMENT "Gathering the web page")
add_custom_target(stellarion-site ALL DEPENDS ${CMAKE_BINARY_DIR}/site.stamp)
