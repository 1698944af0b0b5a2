#pragma once
// The bytes of the program's text files. Texts live in the program as UTF-8; a
// file is written in Windows-1252, as the old program's files are, whenever every
// character fits, and in UTF-8 (no byte-order mark) only when one does not. A file
// is read as UTF-8 when it is valid UTF-8 and as Windows-1252 otherwise.
#include <string>
#include <string_view>

namespace kelo {

bool isValidUtf8(std::string_view bytes);

// UTF-8 text to the bytes of a file; textFromFile gives back the same text (a
// leading U+FEFF aside, which reads as a byte-order mark).
std::string textToFile(std::string_view utf8);
// A file's bytes to UTF-8 text; a leading byte-order mark is dropped.
std::string textFromFile(std::string_view bytes);

}  // namespace kelo
