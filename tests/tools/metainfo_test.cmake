# The AppStream metainfo: appstreamcli passes it without errors or warnings, and it agrees with
# the rest of the tree: its file name is its id, it launches the desktop entry that is installed,
# it names both programs, and the project's version has a release entry.
cmake_policy(VERSION 3.25)
find_program(APPSTREAMCLI appstreamcli)
if(NOT APPSTREAMCLI)
  message(FATAL_ERROR "appstreamcli is missing (package appstream)")
endif()
execute_process(COMMAND ${APPSTREAMCLI} validate --no-net "${METAINFO}"
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "appstreamcli validate failed (${rc}):\n${out}${err}")
endif()

file(READ "${METAINFO}" text)
get_filename_component(name "${METAINFO}" NAME)
# (${CMAKE_MATCH_1} is expanded before if() matches, so each match is taken out first.)
string(REGEX MATCH "<id>([^<]+)</id>" found "${text}")
if(NOT name STREQUAL "${CMAKE_MATCH_1}.metainfo.xml")
  message(FATAL_ERROR "the file name ${name} is not the component id ${CMAKE_MATCH_1}")
endif()
string(REGEX MATCH "<launchable type=\"desktop-id\">([^<]+)</launchable>" found "${text}")
if(CMAKE_MATCH_1 STREQUAL "" OR NOT EXISTS "${DATA}/${CMAKE_MATCH_1}")
  message(FATAL_ERROR "the launchable '${CMAKE_MATCH_1}' is not a desktop entry in ${DATA}")
endif()
foreach(needle "<binary>joukowsky-streamlines</binary>" "<binary>joukowsky-export</binary>"
               "<release version=\"${VERSION}\" " "<category>Education</category>"
               "<category>Science</category>" "<project_license>MIT</project_license>")
  string(FIND "${text}" "${needle}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the metainfo lacks ${needle}")
  endif()
endforeach()
