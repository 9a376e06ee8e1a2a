# Writes the single-file page: the template with the module's script (its wasm inside, base64),
# the translation table and the page's scripts (PAGE, their paths joined by "|", in order) put in, so that the page
# needs no other file, no server and no network.
# cmake -DTEMPLATE=page.html -DMODULE=module.js -DTRANSLATIONS=tr.json -DPAGE="a.js|b.js"
#       -DOUT=page.html -P assemble_page.cmake
cmake_policy(VERSION 3.25)
file(READ "${TEMPLATE}" html)
file(READ "${MODULE}" module)
file(READ "${TRANSLATIONS}" translations)
set(page "")
string(REPLACE "|" ";" scripts "${PAGE}")
foreach(part IN LISTS scripts)
  file(READ "${part}" text)
  string(APPEND page "${text}\n")
endforeach()
foreach(part module page translations)
  # A script element ends at the first "</script" in it.
  string(REPLACE "</script" "<\\/script" ${part} "${${part}}")
endforeach()
string(REPLACE "@JOUK_MODULE_JS@" "${module}" html "${html}")
string(REPLACE "@JOUK_TRANSLATIONS_JSON@" "${translations}" html "${html}")
string(REPLACE "@JOUK_PAGE_JS@" "${page}" html "${html}")
file(WRITE "${OUT}.tmp" "${html}")
file(RENAME "${OUT}.tmp" "${OUT}")
