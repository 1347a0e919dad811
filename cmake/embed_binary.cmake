# Writes the bytes of INPUT as a C++ array named SYMBOL (with SYMBOL Size) into OUTPUT.
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" digits)
math(EXPR size "${digits} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
file(WRITE "${OUTPUT}"
  "// Generated from ${INPUT}; do not edit.\n"
  "#include <cstddef>\n"
  "extern const unsigned char ${SYMBOL}[] = {${bytes}};\n"
  "extern const std::size_t ${SYMBOL}Size = ${size};\n")
