# cmake -DINPUT=<file> -DOUTPUT=<file.cpp> -DFUNCTION=<name> -P embed_bytes.cmake
# Writes a .cpp defining resources::<FUNCTION>() that returns the file's bytes.
file(READ "${INPUT}" hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
# Break the list into lines of 16 bytes so the generated file stays readable.
string(REGEX REPLACE "((0x..,){16})" "\\1\n    " bytes "${bytes}")
get_filename_component(name "${INPUT}" NAME)
file(WRITE "${OUTPUT}.tmp"
  "// Generated from ${name}; do not edit.\n"
  "#include <cstdint>\n#include <vector>\n\n"
  "namespace resources {\n\n"
  "const std::vector<uint8_t>& ${FUNCTION}() {\n"
  "  static const std::vector<uint8_t> bytes = {\n    ${bytes}};\n"
  "  return bytes;\n}\n\n"
  "}  // namespace resources\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
