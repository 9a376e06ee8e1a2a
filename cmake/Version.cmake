# The version of Joukowsky Streamlines, for the desktop build and the browser edition alike, and
# the interface library jouk_version whose header JoukVersion.hpp gives it to the code.
set(JOUK_VERSION 1.1.0)

function(jouk_version_library)
  set(PROJECT_VERSION ${JOUK_VERSION})
  configure_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/JoukVersion.hpp.in
                 ${CMAKE_BINARY_DIR}/generated/JoukVersion.hpp @ONLY)
  add_library(jouk_version INTERFACE)
  target_include_directories(jouk_version INTERFACE ${CMAKE_BINARY_DIR}/generated)
endfunction()
