#include "common/save_dialog.h"

namespace norvella {

std::vector<FileFilter> ParseFilter(std::u16string_view filter) {
  if (filter.empty()) return {{u"文本文档(*.txt)", u"*.txt"}};
  std::vector<std::u16string> parts;
  size_t start = 0;
  for (;;) {
    const size_t bar = filter.find(u'|', start);
    parts.emplace_back(filter.substr(start, bar == std::u16string_view::npos ? bar : bar - start));
    if (bar == std::u16string_view::npos) break;
    start = bar + 1;
  }
  std::vector<FileFilter> filters;
  for (size_t i = 0; i + 1 < parts.size(); i += 2) filters.push_back({parts[i], parts[i + 1]});
  return filters;
}

std::u16string FolderToRemember(std::u16string_view path) {
  const size_t slash = path.find(u'\\');
  if (slash == std::u16string_view::npos) return {};
  return std::u16string(path.substr(0, slash + 1));
}

std::u16string CleanDialogPath(std::u16string_view buffer) {
  std::u16string path;
  for (char16_t c : buffer)
    if (c != u'\0') path.push_back(c);
  const size_t first = path.find_first_not_of(u' ');
  if (first == std::u16string::npos) return {};
  const size_t last = path.find_last_not_of(u' ');
  return path.substr(first, last - first + 1);
}

}  // namespace norvella
