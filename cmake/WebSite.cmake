# Gathers the web page in SITE: the page's files from PAGES (index.html with
# its script, Page.js, written into it), the compiled
# program (PROGRAM.js and PROGRAM.wasm), the manifest's icons rendered from
# ICON and MASKABLE_ICON with RSVG and packed by ZOPFLIPNG, the main menu of every screen the page
# chooses from shot by the native SIMULATOR and kept as lossless WebP by CWEBP
# (first-WxH.webp, about 40% of the PNG's bytes), and the service
# worker with the list of every file and a version that changes with any of
# them.
#   cmake -DPAGES=... -DSITE=... -DPROGRAM=... -DICON=... -DMASKABLE_ICON=... -DRSVG=...
#         -DCWEBP=... -DZOPFLIPNG=... -DSIMULATOR=... -P WebSite.cmake
file(MAKE_DIRECTORY ${SITE})
foreach(page Accessible.js ReadingView.js manifest.webmanifest)
  file(COPY_FILE ${PAGES}/${page} ${SITE}/${page} ONLY_IF_DIFFERENT)
endforeach()
file(READ ${PAGES}/index.html page)
file(READ ${PAGES}/Page.js script)
set(tag "<script src=\"Page.js\"></script>")
string(FIND "${page}" "${tag}" at)
if(at LESS 0)
  message(FATAL_ERROR "${PAGES}/index.html does not load Page.js as ${tag}")
endif()
string(REPLACE "${tag}" "<script>\n${script}</script>" page "${page}")
file(WRITE ${SITE}/index.html.new "${page}")
file(COPY_FILE ${SITE}/index.html.new ${SITE}/index.html ONLY_IF_DIFFERENT)
file(REMOVE ${SITE}/index.html.new ${SITE}/Page.js)
foreach(part js wasm)
  file(COPY_FILE ${PROGRAM}.${part} ${SITE}/stellarion.${part} ONLY_IF_DIFFERENT)
endforeach()
function(RenderIcon svg size png)
  execute_process(COMMAND ${RSVG} -w ${size} -h ${size} ${svg} -o ${SITE}/${png} RESULT_VARIABLE failed)
  if(NOT failed)
    execute_process(COMMAND ${ZOPFLIPNG} -y ${SITE}/${png} ${SITE}/${png} RESULT_VARIABLE failed OUTPUT_QUIET)
  endif()
  if(failed)
    message(FATAL_ERROR "cannot render the ${size} pixel icon from ${svg}")
  endif()
endfunction()
RenderIcon(${ICON} 192 icon-192.png)
RenderIcon(${ICON} 512 icon-512.png)
RenderIcon(${MASKABLE_ICON} 512 icon-maskable-512.png)

# The screens are the ones Page.js lists in its DoubleScreens and
# SingleScreens; the program's first frame is the main menu. A screen that
# Page.js lists in CroppedFrames shows the centre of a longer screen's frame
# instead of one of its own: the build checks that the centre is its main
# menu pixel for pixel (the same pixels make the same WebP file).
file(STRINGS ${PAGES}/Page.js lists REGEX "const (Double|Single)Screens = ")
string(REGEX MATCHALL "[0-9]+, [0-9]+" screens "${lists}")
file(STRINGS ${PAGES}/Page.js cropped REGEX "const CroppedFrames = ")
string(REGEX MATCHALL "\"[0-9]+x[0-9]+\": \\[[0-9]+, [0-9]+\\]" crops "${cropped}")
set(frames "")
# Earlier builds kept the first frames as PNG.
file(GLOB stale ${SITE}/first-*.png ${SITE}/first-*.webp)
if(stale)
  file(REMOVE ${stale})
endif()
function(ShootFirstFrame screen png)
  file(WRITE ${SITE}/first-frame.sim "shot ${png}\n")
  execute_process(COMMAND ${SIMULATOR} --screen ${screen} ${SITE}/first-frame.sim
                  RESULT_VARIABLE failed OUTPUT_QUIET)
  if(failed)
    message(FATAL_ERROR "cannot shoot the first frame of ${screen}")
  endif()
endfunction()
# -exact keeps every pixel as shot.
set(webp ${CWEBP} -quiet -lossless -exact -z 9)
foreach(screen IN LISTS screens)
  string(REPLACE ", " "x" screen "${screen}")
  ShootFirstFrame(${screen} ${SITE}/first-frame.png)
  execute_process(COMMAND ${webp} ${SITE}/first-frame.png -o ${SITE}/first-${screen}.webp RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "cannot pack the first frame of ${screen}")
  endif()
  list(APPEND frames first-${screen}.webp)
endforeach()
foreach(crop IN LISTS crops)
  string(REGEX MATCH "^\"([0-9]+)x([0-9]+)\": \\[([0-9]+), ([0-9]+)\\]" crop "${crop}")
  set(screen ${CMAKE_MATCH_1}x${CMAKE_MATCH_2})
  set(source ${CMAKE_MATCH_3}x${CMAKE_MATCH_4})
  math(EXPR left "(${CMAKE_MATCH_3} - ${CMAKE_MATCH_1}) / 2")
  math(EXPR top "(${CMAKE_MATCH_4} - ${CMAKE_MATCH_2}) / 2")
  ShootFirstFrame(${source} ${SITE}/first-frame.png)
  execute_process(COMMAND ${webp} -crop ${left} ${top} ${CMAKE_MATCH_1} ${CMAKE_MATCH_2} ${SITE}/first-frame.png
                          -o ${SITE}/first-frame.webp RESULT_VARIABLE failed)
  file(SHA256 ${SITE}/first-${screen}.webp own)
  file(SHA256 ${SITE}/first-frame.webp centre)
  if(failed OR NOT own STREQUAL centre)
    message(FATAL_ERROR "the main menu of ${screen} is not the centre of that of ${source}")
  endif()
  file(REMOVE ${SITE}/first-${screen}.webp ${SITE}/first-frame.webp)
  list(REMOVE_ITEM frames first-${screen}.webp)
endforeach()
file(REMOVE ${SITE}/first-frame.sim ${SITE}/first-frame.png)
list(LENGTH frames count)
list(LENGTH crops cropCount)
math(EXPR count "${count} + ${cropCount}")
if(count LESS 10)
  message(FATAL_ERROR "found only ${count} screens in ${PAGES}/Page.js")
endif()

# The service worker stores every file but the first frames: a visit
# fetches only its own screen's, which the page then asks the worker to
# keep for an offline start. The version covers them all.
set(files index.html Accessible.js ReadingView.js manifest.webmanifest stellarion.js stellarion.wasm icon-192.png icon-512.png
    icon-maskable-512.png)
set(hashes "")
set(STELLARION_SITE_FILES "\"./\"")
foreach(name IN LISTS files frames)
  file(SHA256 ${SITE}/${name} hash)
  string(APPEND hashes "${hash}")
endforeach()
foreach(name IN LISTS files)
  string(APPEND STELLARION_SITE_FILES ", \"${name}\"")
endforeach()
string(SHA256 STELLARION_SITE_VERSION "${hashes}")
string(SUBSTRING ${STELLARION_SITE_VERSION} 0 16 STELLARION_SITE_VERSION)
configure_file(${PAGES}/ServiceWorker.js ${SITE}/ServiceWorker.js @ONLY)
