#pragma once
// (temporary on this branch: replaced by the data-tree branch's version)
namespace kelo {
extern const char* const kMarkerFile;
extern const char* const kPersonaLines[13];
}
