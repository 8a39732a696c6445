// Splitting a file-system path into its parts, by its slashes and the dot
// of an extension alone: nothing is looked up, nothing resolved. Plain C++
// over bytes, for the application and its root helper alike; UTF-8 splits
// correctly, as '/' and '.' never occur inside a multi-byte character.
#pragma once

#include <string>
#include <string_view>

namespace PathParts {

// The last component; trailing slashes do not count ("/a/b/" gives "b").
// Empty for "/" and for an empty path.
std::string_view lastComponent(std::string_view path);

// What holds the last component: "/a/b" gives "/a", "/a" gives "/", and a
// bare name gives ".", so the result is never searched for in PATH.
std::string_view directory(std::string_view path);

// The component without its last extension: "x.beta.app" gives "x.beta".
// A leading dot names a hidden file, not an extension.
std::string_view withoutExtension(std::string_view component);

// The name appended to the directory as one component.
std::string appending(std::string_view directory, std::string_view name);

} // namespace PathParts
