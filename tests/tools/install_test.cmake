# Installs the build into a scratch prefix and checks the tree: both programs, the desktop entry,
# the icons (SVG and PNG in every hicolor size), the AppStream metainfo and the manual pages in
# their usual places, nothing else, and that the installed programs run.
cmake_policy(VERSION 3.25)
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD}" --prefix "${PREFIX}"
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${rc}): ${err}")
endif()

set(expected
  "${BINDIR}/joukowsky-export"
  "${BINDIR}/joukowsky-streamlines"
  "${DATADIR}/applications/joukowsky-streamlines.desktop"
  "${DATADIR}/icons/hicolor/scalable/apps/joukowsky-streamlines.svg"
  "${DATADIR}/metainfo/org.example.joukowsky_streamlines.metainfo.xml")
set(icon_sizes 16 22 24 32 48 64 128 256)
foreach(size IN LISTS icon_sizes)
  list(APPEND expected "${DATADIR}/icons/hicolor/${size}x${size}/apps/joukowsky-streamlines.png")
endforeach()
if(MAN_PAGES)
  list(APPEND expected "${MANDIR}/man1/joukowsky-streamlines.1.gz" "${MANDIR}/man1/joukowsky-export.1.gz")
endif()
file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE "${PREFIX}" "${PREFIX}/*")
list(SORT installed)
list(SORT expected)
if(NOT installed STREQUAL expected)
  message(FATAL_ERROR "installed ${installed}, expected ${expected}")
endif()

set(desktop "${PREFIX}/${DATADIR}/applications/joukowsky-streamlines.desktop")
file(STRINGS "${desktop}" entry)
foreach(line "[Desktop Entry]" "Type=Application" "Name=Joukowsky Streamlines"
             "Exec=joukowsky-streamlines" "Icon=joukowsky-streamlines" "Terminal=false")
  if(NOT line IN_LIST entry)
    message(FATAL_ERROR "the desktop entry lacks ${line}")
  endif()
endforeach()
file(READ "${desktop}" text)  # whole, as its lists hold semicolons
if(NOT text MATCHES "\nCategories=Education;Science;")
  message(FATAL_ERROR "the desktop entry is not in Education and Science")
endif()
find_program(VALIDATE desktop-file-validate)
if(VALIDATE)
  execute_process(COMMAND ${VALIDATE} "${desktop}" RESULT_VARIABLE rc OUTPUT_VARIABLE out)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "desktop-file-validate: ${out}")
  endif()
endif()

file(READ "${PREFIX}/${DATADIR}/icons/hicolor/scalable/apps/joukowsky-streamlines.svg" icon)
if(NOT icon MATCHES "^<\\?xml" OR NOT icon MATCHES "<svg [^>]*viewBox=\"0 0 64 64\"" OR
   NOT icon MATCHES "</svg>")
  message(FATAL_ERROR "the icon is not an SVG picture")
endif()

# Each PNG is what its folder says: the signature, then the IHDR chunk with width and height N
# and 8-bit RGBA, so that the rounded corners stay transparent.
foreach(size IN LISTS icon_sizes)
  set(png "${PREFIX}/${DATADIR}/icons/hicolor/${size}x${size}/apps/joukowsky-streamlines.png")
  file(READ "${png}" head LIMIT 26 HEX)
  string(SUBSTRING "${head}" 32 8 width)
  string(SUBSTRING "${head}" 40 8 height)
  math(EXPR width "0x${width}")
  math(EXPR height "0x${height}")
  string(SUBSTRING "${head}" 0 32 signature)
  string(SUBSTRING "${head}" 48 4 depth_and_type)
  if(NOT signature STREQUAL "89504e470d0a1a0a0000000d49484452" OR NOT width EQUAL size OR
     NOT height EQUAL size OR NOT depth_and_type STREQUAL "0806")
    message(FATAL_ERROR "${png} is not an 8-bit RGBA PNG of ${size}x${size}: ${head}")
  endif()
endforeach()

# The metainfo with the desktop entry beside it: the launchable must be found in the tree.
find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
  execute_process(COMMAND ${APPSTREAMCLI} validate-tree --no-net "${PREFIX}" RESULT_VARIABLE rc
                  OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "appstreamcli validate-tree: ${out}${err}")
  endif()
endif()

unset(ENV{QT_QPA_PLATFORM})
execute_process(COMMAND "${PREFIX}/${BINDIR}/joukowsky-export" --format png --output
                        "${PREFIX}/flow.png" RESULT_VARIABLE rc ERROR_VARIABLE err)
execute_process(COMMAND "${PREFIX}/${BINDIR}/joukowsky-streamlines" --version
                OUTPUT_VARIABLE version RESULT_VARIABLE rc2)
if(NOT rc EQUAL 0 OR NOT EXISTS "${PREFIX}/flow.png" OR NOT rc2 EQUAL 0 OR
   NOT version MATCHES "^joukowsky-streamlines ")
  message(FATAL_ERROR "the installed programs do not run: ${rc} ${err} ${rc2} ${version}")
endif()
file(REMOVE_RECURSE "${PREFIX}")
