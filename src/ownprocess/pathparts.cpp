#include "ownprocess/pathparts.h"

namespace {

std::string_view withoutTrailingSlashes(std::string_view path)
{
    while (path.size() > 1 && path.back() == '/') {
        path.remove_suffix(1);
    }
    return path;
}

} // namespace

namespace PathParts {

std::string_view lastComponent(std::string_view path)
{
    const std::string_view clean = withoutTrailingSlashes(path);
    const std::size_t slash = clean.rfind('/');
    return slash == std::string_view::npos ? clean : clean.substr(slash + 1);
}

std::string_view directory(std::string_view path)
{
    const std::string_view clean = withoutTrailingSlashes(path);
    const std::size_t slash = clean.rfind('/');
    if (slash == std::string_view::npos) {
        return ".";
    }
    return slash == 0 ? std::string_view("/") : clean.substr(0, slash);
}

std::string_view withoutExtension(std::string_view component)
{
    const std::size_t dot = component.rfind('.');
    return dot == std::string_view::npos || dot == 0 ? component : component.substr(0, dot);
}

std::string appending(std::string_view directory, std::string_view name)
{
    std::string path(directory);
    if (path.empty() || path.back() != '/') {
        path += '/';
    }
    return path += name;
}

} // namespace PathParts
