# Installs node_modules exactly as package-lock.json gives them, unless they are installed
# already from this very lock file (npm keeps its copy in node_modules/.package-lock.json).
cmake_policy(VERSION 3.25)
if(EXISTS "${DIR}/node_modules/puppeteer-core/package.json" AND
   "${DIR}/node_modules/.package-lock.json" IS_NEWER_THAN "${DIR}/package-lock.json")
  return()
endif()
if(NOT NPM)
  message(FATAL_ERROR "npm is missing (./web.sh installs it)")
endif()
execute_process(COMMAND "${NPM}" ci --no-audit --no-fund WORKING_DIRECTORY "${DIR}"
                RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "npm ci failed (${rc})")
endif()
