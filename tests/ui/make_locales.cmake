# Makes the C library's locales that the language tests run under (de_DE.UTF-8, tr_TR.UTF-8,
# fr_FR.UTF-8) in OUT, for LOCPATH, so that no locale need be installed on the machine: only
# localedef (libc-bin) and the locales' sources (package locales).
cmake_policy(VERSION 3.25)
find_program(LOCALEDEF localedef)
if(NOT LOCALEDEF)
  message(FATAL_ERROR "localedef is missing (package libc-bin)")
endif()
file(MAKE_DIRECTORY "${OUT}")
foreach(locale de_DE tr_TR fr_FR)
  if(EXISTS "${OUT}/${locale}.UTF-8/LC_NUMERIC")
    continue()
  endif()
  execute_process(COMMAND ${LOCALEDEF} -i ${locale} -f UTF-8 "${OUT}/${locale}.UTF-8"
                  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "localedef ${locale}.UTF-8 failed (${rc}; package locales?):\n${out}${err}")
  endif()
endforeach()
