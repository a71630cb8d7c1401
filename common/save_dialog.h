#pragma once
// The system's save-file dialog, and the rules the suite fills it by.
#include <string>
#include <string_view>
#include <vector>

namespace norvella {

struct FileFilter {
  std::u16string description;  // "文本文档 (*.txt)"
  std::u16string pattern;      // "*.txt"
  friend bool operator==(const FileFilter&, const FileFilter&) = default;
};

struct SaveDialogOptions {
  std::vector<FileFilter> filters;
  std::u16string initial_folder;
  std::u16string title;
};

class SaveDialog {
 public:
  virtual ~SaveDialog() = default;
  // The chosen full path, or empty when the user cancels. No overwrite question, and no
  // extension is added to a name typed without one.
  virtual std::u16string Show(const SaveDialogOptions& options) = 0;
};

// "文本文档 (*.txt)|*.txt" as filters; the empty text gives "文本文档(*.txt)" and "*.txt".
std::vector<FileFilter> ParseFilter(std::u16string_view filter);
// The folder a path lies in, as remembered for the next dialog: the path up to and including its
// first backslash (for "D:\notes\a.txt", "D:\"); empty for a path without one.
std::u16string FolderToRemember(std::u16string_view path);
// A path as a dialog's buffer hands it back: without NUL characters and surrounding spaces.
std::u16string CleanDialogPath(std::u16string_view buffer);

}  // namespace norvella
