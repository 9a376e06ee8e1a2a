# The sources whose user texts the window's translations hold: every C++ file of the window, of
# the model (whose texts are marked with QT_TRANSLATE_NOOP) and of the export library (the
# reading notes). The build's lupdate target and the completeness test both take this list.
function(jouk_translation_sources out root)
  file(GLOB sources LIST_DIRECTORIES false
    "${root}/ui/*.cpp" "${root}/ui/*.hpp"
    "${root}/model/*.cpp" "${root}/model/*.hpp"
    "${root}/export/*.cpp" "${root}/export/*.hpp")
  list(SORT sources)
  set(${out} "${sources}" PARENT_SCOPE)
endfunction()

# The translations, one .ts file per language.
set(JOUK_TRANSLATION_LANGUAGES de tr)
