#include "path_parts.h"

std::string FileNamePart(std::string_view path) {
  const auto cut = path.rfind(kPathSeparator);
  return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}

std::string ExtensionPart(std::string_view name) {
  const auto cut = name.rfind('.');
  return std::string(cut == std::string_view::npos ? name : name.substr(cut + 1));
}

std::string JoinPath(std::string_view folder, std::string_view name) {
  std::string joined;
  joined.reserve(folder.size() + 1 + name.size());
  joined.append(folder);
  if (joined.empty() || joined.back() != kPathSeparator) joined.push_back(kPathSeparator);
  joined.append(name);
  return joined;
}
