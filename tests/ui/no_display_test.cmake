# Without a display the window program says so in one line and ends with status 1, instead of the
# toolkit's abort: with no display at all, and with one that cannot be opened.
# Variables: WINDOW (the program).
cmake_policy(VERSION 3.25)
set(failures "")
foreach(case "none" ":77")
  if(case STREQUAL "none")
    set(env --unset=DISPLAY)
    set(expected "there is no display to open the window on")
  else()
    set(env DISPLAY=${case})
    set(expected "the display :77 cannot be opened")
  endif()
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM ${env} ${WINDOW}
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
  set(line "joukowsky-streamlines: ${expected}; run it in a desktop session, or give -platform offscreen to run it without one.\n")
  if(NOT rc EQUAL 1 OR NOT err STREQUAL line)
    string(APPEND failures "display ${case}: status ${rc}, '${err}'\n")
  endif()
endforeach()
if(NOT failures STREQUAL "")
  message(FATAL_ERROR "${failures}")
endif()
