# The programs' language follows the system's locale as a user sets it: once the toolkit runs,
# joukowsky-streamlines speaks German or Turkish (its refusal of a stray argument shows it), and
# English for a locale without a translation; joukowsky-export stays English in every locale.
# Variables: WINDOW and EXPORT (the two programs).
cmake_policy(VERSION 3.25)
set(failures "")

foreach(case "de_DE.UTF-8|unbekannte Option stray \\(siehe --help\\)"
             "tr_TR.UTF-8|bilinmeyen seçenek stray \\(bkz\\. --help\\)"
             "fr_FR.UTF-8|unknown option stray \\(see --help\\)")
  string(FIND "${case}" "|" bar)
  string(SUBSTRING "${case}" 0 ${bar} lang)
  math(EXPR bar "${bar} + 1")
  string(SUBSTRING "${case}" ${bar} -1 expected)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=LC_ALL --unset=LC_MESSAGES --unset=LANGUAGE
            LANG=${lang} QT_QPA_PLATFORM=offscreen ${WINDOW} stray
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
  if(NOT rc EQUAL 2 OR NOT err MATCHES "(^|\n)joukowsky-streamlines: ${expected}\\.\n$")
    string(APPEND failures "LANG=${lang} joukowsky-streamlines stray: status ${rc}, '${err}'\n")
  endif()

  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=LC_ALL --unset=LC_MESSAGES --unset=LANGUAGE
            LANG=${lang} ${EXPORT} --delta 0,12
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
  set(note "joukowsky-export: note: --delta: Read as 0: use a point as the decimal separator.\n")
  if(NOT rc EQUAL 0 OR NOT err STREQUAL note)
    string(APPEND failures "LANG=${lang} joukowsky-export --delta 0,12: status ${rc}, '${err}'\n")
  endif()
endforeach()

if(NOT failures STREQUAL "")
  message(FATAL_ERROR "${failures}")
endif()
