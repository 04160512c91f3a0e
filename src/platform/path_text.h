// Small rules for paths as text.
#pragma once
#include <string>

namespace scrubwell {

// `path` ending in a backslash, so that names can be appended to it: one is added unless it
// already ends in one. An empty path stays empty: it names no folder, and "\" would name the
// root of the current drive. Where an empty path is meant as that root, the caller says so.
std::string withTrailingBackslash(std::string path);

// The part of `path` after its last backslash (all of it when it has none).
std::string fileNameOf(const std::string& path);
// The part of `path` up to and including its last backslash (empty when it has none).
std::string folderOf(const std::string& path);

}  // namespace scrubwell
