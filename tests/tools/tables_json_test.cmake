# tables_json as the web build runs it: the JSON goes into the file named, whole and parseable,
# and a file that cannot be written fails with status 1. Variables: EXE (the tool), WORK (a
# scratch folder).
cmake_policy(VERSION 3.25)
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")

execute_process(COMMAND "${EXE}" "${WORK}/tables.json" RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "tables_json failed (${rc}): ${err}")
endif()
file(READ "${WORK}/tables.json" json)
string(JSON name ERROR_VARIABLE problem GET "${json}" mainWindow name)
if(problem OR NOT name STREQUAL "Form1")
  message(FATAL_ERROR "the JSON does not parse or names no Form1: ${problem}")
endif()
string(JSON rows LENGTH "${json}" mainWindow parameters)
string(JSON last GET "${json}" mainWindow parameters 7 textBox name)
if(NOT rows EQUAL 8 OR NOT last STREQUAL "Text_dR")
  message(FATAL_ERROR "the JSON holds ${rows} parameter rows, the last '${last}'")
endif()

# Standard output gives the same bytes as the file.
execute_process(COMMAND "${EXE}" OUTPUT_VARIABLE out RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT out STREQUAL json)
  message(FATAL_ERROR "standard output (status ${rc}) differs from the file")
endif()

execute_process(COMMAND "${EXE}" "${WORK}/missing/tables.json" RESULT_VARIABLE rc
                ERROR_VARIABLE err)
if(NOT rc EQUAL 1 OR NOT err MATCHES "could not be written")
  message(FATAL_ERROR "an unwritable file gave status ${rc}: ${err}")
endif()
