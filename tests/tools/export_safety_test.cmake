# joukowsky-export never loses the file it writes over: a write cut short by the file-size limit
# (prlimit) exits with status 1 and one line on standard error, and leaves the old file byte for
# byte and no temporary beside it; a symbolic link as output, and a folder it may not write in,
# are refused with status 1.
cmake_policy(VERSION 3.25)
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")

function(fail)
  string(JOIN " " text ${ARGN})
  message(FATAL_ERROR "${text}")
endfunction()

# The only entries of the work folder, sorted.
function(expect_entries)
  file(GLOB found LIST_DIRECTORIES true RELATIVE "${WORK}" "${WORK}/*" "${WORK}/.*")
  list(SORT found)
  set(expected ${ARGN})
  list(SORT expected)
  if(NOT found STREQUAL expected)
    fail("the folder holds '${found}', expected '${expected}'")
  endif()
endfunction()

# The CSV of the start-up texts is about 100 kB; the limit lets 4 kB of it through.
set(old "${WORK}/flow.csv")
file(WRITE "${old}" "row,x\n1,0.5\n")
file(SHA256 "${old}" before)
execute_process(COMMAND ${PRLIMIT} --fsize=4096 ${EXE} --format csv --output ${old}
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 1 OR NOT out STREQUAL "" OR
   NOT err MATCHES "^joukowsky-export: cannot write [^\n]*flow\\.csv: File too large\\.\n$")
  fail("write beyond the file-size limit: status ${rc}, stderr '${err}'")
endif()
file(SHA256 "${old}" after)
if(NOT after STREQUAL before)
  fail("the old file changed after a failed write")
endif()
expect_entries(flow.csv)

# The same limit is no obstacle to a small result: the section table is 14 kB, so a limit of
# 64 kB lets it replace the old file.
execute_process(COMMAND ${PRLIMIT} --fsize=65536 ${EXE} --table --output ${old}
                ERROR_VARIABLE err RESULT_VARIABLE rc)
file(READ "${old}" table)
if(NOT rc EQUAL 0 OR NOT table MATCHES "^row,delta,gamma,eps,mu\n1,0,0,0,0\n")
  fail("table under a 64 kB limit: status ${rc}, stderr '${err}'")
endif()
expect_entries(flow.csv)

# A symbolic link, to a file and to nothing: refused, link and file untouched.
file(WRITE "${WORK}/real.csv" "real")
file(CREATE_LINK real.csv "${WORK}/link.csv" SYMBOLIC)
file(CREATE_LINK missing.csv "${WORK}/dangling.csv" SYMBOLIC)
foreach(link link.csv dangling.csv)
  execute_process(COMMAND ${EXE} --format csv --output ${WORK}/${link}
                  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
  if(NOT rc EQUAL 1 OR NOT out STREQUAL "" OR
     NOT err MATCHES "^joukowsky-export: cannot write [^\n]*symbolic link[^\n]*\n$")
    fail("output to the symbolic link ${link}: status ${rc}, stderr '${err}'")
  endif()
endforeach()
file(READ_SYMLINK "${WORK}/link.csv" pointed)
file(READ "${WORK}/real.csv" real)
if(NOT IS_SYMLINK "${WORK}/link.csv" OR NOT pointed STREQUAL "real.csv" OR
   NOT IS_SYMLINK "${WORK}/dangling.csv" OR NOT real STREQUAL "real")
  fail("a refused symbolic link or its file changed")
endif()
expect_entries(dangling.csv flow.csv link.csv real.csv)

# A folder the exporter may not write in: status 1 and the system's reason, the file there kept.
# Root may write anywhere, so as root the exporter runs as the unprivileged user nobody (setpriv);
# without setpriv that case is skipped with a note.
set(locked "${WORK}/locked")
file(MAKE_DIRECTORY "${locked}")
file(WRITE "${locked}/flow.csv" "kept")
file(CHMOD "${WORK}" "${locked}" DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
     GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
file(CHMOD "${locked}" DIRECTORY_PERMISSIONS OWNER_READ OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
     WORLD_READ WORLD_EXECUTE)
set(runner "")
execute_process(COMMAND id -u OUTPUT_VARIABLE uid OUTPUT_STRIP_TRAILING_WHITESPACE)
if(uid STREQUAL "0")
  find_program(SETPRIV setpriv)
  if(SETPRIV)
    set(runner ${SETPRIV} --reuid=65534 --regid=65534 --clear-groups)
  endif()
endif()
if(uid STREQUAL "0" AND NOT runner)
  message(STATUS "setpriv not found: the read-only folder case is skipped")
else()
  foreach(target flow.csv new.csv)
    execute_process(COMMAND ${runner} ${EXE} --format csv --output ${locked}/${target}
                    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
    if(NOT rc EQUAL 1 OR NOT out STREQUAL "" OR
       NOT err MATCHES "^joukowsky-export: cannot write [^\n]*${target}[^\n]*Permission denied\\.\n$")
      fail("output into a read-only folder (${target}): status ${rc}, stderr '${err}'")
    endif()
  endforeach()
  file(READ "${locked}/flow.csv" kept)
  if(NOT kept STREQUAL "kept" OR EXISTS "${locked}/new.csv")
    fail("a refused write into a read-only folder changed it")
  endif()
endif()
file(CHMOD "${locked}" DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
