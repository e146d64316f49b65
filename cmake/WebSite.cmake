# Gathers the web page in SITE: the page's files from PAGES, the compiled
# program (PROGRAM.js and PROGRAM.wasm), the manifest's icons rendered from
# ICON with RSVG, and the service worker with the list of every file and a
# version that changes with any of them.
#   cmake -DPAGES=... -DSITE=... -DPROGRAM=... -DICON=... -DRSVG=... -P WebSite.cmake
file(MAKE_DIRECTORY ${SITE})
foreach(page index.html Page.js Accessible.js manifest.webmanifest)
  file(COPY_FILE ${PAGES}/${page} ${SITE}/${page} ONLY_IF_DIFFERENT)
endforeach()
foreach(part js wasm)
  file(COPY_FILE ${PROGRAM}.${part} ${SITE}/stellarion.${part} ONLY_IF_DIFFERENT)
endforeach()
foreach(size 192 512)
  execute_process(COMMAND ${RSVG} -w ${size} -h ${size} ${ICON} -o ${SITE}/icon-${size}.png
                  RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "cannot render the ${size} pixel icon from ${ICON}")
  endif()
endforeach()

set(files index.html Page.js Accessible.js manifest.webmanifest stellarion.js stellarion.wasm icon-192.png icon-512.png)
set(hashes "")
set(STELLARION_SITE_FILES "\"./\"")
foreach(name IN LISTS files)
  file(SHA256 ${SITE}/${name} hash)
  string(APPEND hashes "${hash}")
  string(APPEND STELLARION_SITE_FILES ", \"${name}\"")
endforeach()
string(SHA256 STELLARION_SITE_VERSION "${hashes}")
string(SUBSTRING ${STELLARION_SITE_VERSION} 0 16 STELLARION_SITE_VERSION)
configure_file(${PAGES}/ServiceWorker.js ${SITE}/ServiceWorker.js @ONLY)
