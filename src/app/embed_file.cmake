# Writes OUTPUT: a C++ source defining the bytes of INPUT as velmora::HintPicturePng().
file(READ "${INPUT}" hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
file(WRITE "${OUTPUT}" "#include \"app/hint_picture.h\"\n\nnamespace velmora {\nnamespace {\nconst std::uint8_t kPng[] = {${bytes}};\n}  // namespace\n\nstd::span<const std::uint8_t> HintPicturePng() { return kPng; }\n\n}  // namespace velmora\n")
