# Configures the project without the window and with help2man missing (a path to nothing), and
# checks that configuring succeeds, says that the manual pages are left out, and still builds
# joukowsky-export.
cmake_policy(VERSION 3.25)
file(REMOVE_RECURSE "${WORK}")
execute_process(
  COMMAND ${CMAKE_COMMAND} -S "${SOURCE}" -B "${WORK}" -G "${GENERATOR}" -DJOUK_BUILD_UI=OFF
          -DJOUK_BUILD_TESTS=OFF -DJOUK_MAN_PAGES=ON -DHELP2MAN=${WORK}/no-such-help2man
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "configuring without the window failed (${rc}): ${err}")
endif()
if(NOT out MATCHES "help2man or gzip was not found.*building without the manual pages")
  message(FATAL_ERROR "configuring did not say that help2man is missing: ${out}")
endif()
# The build rules the generator wrote (build.ninja, or the Makefile of tools/).
file(GLOB_RECURSE rules "${WORK}/build.ninja" "${WORK}/tools/Makefile")
set(targets "")
foreach(file IN LISTS rules)
  file(READ "${file}" text)
  string(APPEND targets "${text}")
endforeach()
if(NOT targets MATCHES "joukowsky-export" OR targets MATCHES "joukowsky-streamlines")
  message(FATAL_ERROR "without the window the build should hold joukowsky-export alone")
endif()
