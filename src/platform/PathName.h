#pragma once

#include <string>

// File names as the program keeps them: absolute, with no ".", ".." or
// doubled separators and no trailing separator, so that one file has one
// name in the history wherever the program was started from. The cleaning
// is by the text alone; symbolic links are left as they are.

// `path` taken from `base` (an absolute folder) when it is relative, then cleaned.
std::string AbsolutePath(const std::string& path, const std::string& base);
// `path` taken from the current folder when it is relative, then cleaned.
std::string AbsolutePath(const std::string& path);

// The name after the last separator: "b.kvu" of "/a/b.kvu"; a bare name whole.
std::string FileNamePart(const std::string& path);
// The folder with its separator: "/a/" of "/a/b.kvu"; "" for a bare name.
std::string FolderPart(const std::string& path);
