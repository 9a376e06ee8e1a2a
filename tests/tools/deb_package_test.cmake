# Makes the Debian package from the build (cpack -G DEB), checks its name, its dependencies and
# its contents, that lintian reports no error or warning, and that both programs run from the
# unpacked tree.
# Variables: BUILD (the build folder), WORK (a scratch folder), VERSION, LINTIAN.
cmake_policy(VERSION 3.25)
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")

function(run what)
  execute_process(COMMAND ${ARGN} OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${what} failed (${rc}): ${out}${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
endfunction()

run("cpack" cpack -G DEB --config "${BUILD}/CPackConfig.cmake" -B "${WORK}")
run("dpkg --print-architecture" dpkg --print-architecture)
string(STRIP "${out}" arch)
set(deb "${WORK}/joukowsky-streamlines_${VERSION}_${arch}.deb")
if(NOT EXISTS "${deb}")
  file(GLOB made "${WORK}/*.deb")
  message(FATAL_ERROR "expected ${deb}, cpack made: ${made}")
endif()

# Found by dpkg-shlibdeps: the toolkit and giflib among them.
run("dpkg-deb -f" dpkg-deb -f "${deb}" Package Version Depends Section)
foreach(field "Package: joukowsky-streamlines" "Version: ${VERSION}" "libqt6widgets6" "libgif7"
              "Section: science")
  string(FIND "${out}" "${field}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the package's control lacks ${field}: ${out}")
  endif()
endforeach()

run("lintian" ${LINTIAN} --tag-display-limit 0 "${deb}")
if(out MATCHES "(^|\n)[EW]: ")
  message(FATAL_ERROR "lintian reports:\n${out}")
endif()

set(root "${WORK}/root")
run("dpkg-deb -x" dpkg-deb -x "${deb}" "${root}")
foreach(file usr/bin/joukowsky-streamlines usr/bin/joukowsky-export
             usr/share/applications/joukowsky-streamlines.desktop
             usr/share/icons/hicolor/scalable/apps/joukowsky-streamlines.svg
             usr/share/icons/hicolor/48x48/apps/joukowsky-streamlines.png
             usr/share/metainfo/org.example.joukowsky_streamlines.metainfo.xml
             usr/share/man/man1/joukowsky-streamlines.1.gz usr/share/man/man1/joukowsky-export.1.gz
             usr/share/doc/joukowsky-streamlines/copyright
             usr/share/doc/joukowsky-streamlines/changelog.gz)
  if(NOT EXISTS "${root}/${file}")
    message(FATAL_ERROR "the package lacks ${file}")
  endif()
endforeach()

# The programs from the unpacked tree.
run("joukowsky-streamlines --version" "${root}/usr/bin/joukowsky-streamlines" --version)
if(NOT out STREQUAL "joukowsky-streamlines ${VERSION}\n")
  message(FATAL_ERROR "joukowsky-streamlines --version printed '${out}'")
endif()
run("joukowsky-export --version" "${root}/usr/bin/joukowsky-export" --version)
if(NOT out STREQUAL "joukowsky-export ${VERSION}\n")
  message(FATAL_ERROR "joukowsky-export --version printed '${out}'")
endif()
run("joukowsky-export --format png" "${root}/usr/bin/joukowsky-export" --format png
    --output "${WORK}/flow.png")
file(READ "${WORK}/flow.png" signature LIMIT 8 HEX)
if(NOT signature STREQUAL "89504e470d0a1a0a")
  message(FATAL_ERROR "the unpacked exporter wrote no PNG (${signature})")
endif()
run("joukowsky-export --format summary" "${root}/usr/bin/joukowsky-export" --format summary)
if(NOT out MATCHES "^quantity,value\ncirculation,")
  message(FATAL_ERROR "the unpacked exporter's summary: ${out}")
endif()
