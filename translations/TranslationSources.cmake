# The sources whose user texts the window's translations hold: every C++ file of the window, of
# the model and of the windows' layout (whose texts are marked with QT_TRANSLATE_NOOP) and of the
# export library (the reading notes). The build's lupdate target and the completeness test both take this list.
function(jouk_translation_sources out root)
  # A build re-globs before it builds (a new source is found); a script cannot ask for that.
  set(configure_depends CONFIGURE_DEPENDS)
  if(CMAKE_SCRIPT_MODE_FILE)
    set(configure_depends "")
  endif()
  file(GLOB sources LIST_DIRECTORIES false ${configure_depends}
    "${root}/ui/*.cpp" "${root}/ui/*.hpp"
    "${root}/model/*.cpp" "${root}/model/*.hpp"
    "${root}/layout/*.cpp" "${root}/layout/*.hpp"
    "${root}/export/*.cpp" "${root}/export/*.hpp")
  list(SORT sources)
  set(${out} "${sources}" PARENT_SCOPE)
endfunction()

# The translations, one .ts file per language.
set(JOUK_TRANSLATION_LANGUAGES de tr)
