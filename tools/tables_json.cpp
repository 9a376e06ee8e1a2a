// tables_json: prints the parameter table and the windows' layout as JSON (tools/TablesJson.hpp),
// to standard output or into the file named by its one argument. The web build makes its
// controls from it.
#include <cstdio>
#include <fstream>
#include <string>

#include "tools/TablesJson.hpp"

int main(int argc, char** argv) {
  if (argc > 2) {
    std::fputs("usage: tables_json [FILE]\n", stderr);
    return 2;
  }
  const std::string json = jouk::TablesJson();
  if (argc == 1) return std::fputs(json.c_str(), stdout) < 0 || std::fflush(stdout) != 0 ? 1 : 0;
  std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
  out << json;
  out.close();
  if (!out) {
    std::fprintf(stderr, "tables_json: %s could not be written.\n", argv[1]);
    return 1;
  }
  return 0;
}
