#pragma once

#include <string>

// How a bootleg names its cover pictures. A picture inside the covers folder
// is stored relative to it, with backslashes between folders as lists made
// on other systems store it, so lists stay exchangeable; any other picture
// by its full path.

// The file a stored name stands for. A name beginning with "/", with a drive
// letter and colon, or with two backslashes is used as it is; any other is
// looked for in `coversDir` (with its trailing separator). A backslash in a
// name separates folders.
std::string ResolveCoverName(const std::string& name, const std::string& coversDir);

// The name to store for the picture file `path`.
std::string CoverNameFor(const std::string& path, const std::string& coversDir);

// True when `path` names a picture the cover window reads: ".jpg", ".jpeg" or
// ".bmp" in any case.
bool IsJpegName(const std::string& path);
bool IsPictureName(const std::string& path);
