# Writes the single-file page: the template with the module's script (its wasm inside, base64)
# and the page's script put in, so that the page needs no other file, no server and no network.
# cmake -DTEMPLATE=page.html -DMODULE=module.js -DPAGE=page.js -DOUT=page.html -P assemble_page.cmake
cmake_policy(VERSION 3.25)
file(READ "${TEMPLATE}" html)
file(READ "${MODULE}" module)
file(READ "${PAGE}" page)
foreach(part module page)
  # A script element ends at the first "</script" in it.
  string(REPLACE "</script" "<\\/script" ${part} "${${part}}")
endforeach()
string(REPLACE "@JOUK_MODULE_JS@" "${module}" html "${html}")
string(REPLACE "@JOUK_PAGE_JS@" "${page}" html "${html}")
file(WRITE "${OUT}.tmp" "${html}")
file(RENAME "${OUT}.tmp" "${OUT}")
