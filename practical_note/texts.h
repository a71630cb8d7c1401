#pragma once
// Every text the practical note shows to the user.
#include <string_view>

namespace norvella::practical_note::text {

inline constexpr std::u16string_view kNoteTitle = u"NorvellaB";
inline constexpr std::u16string_view kToastTitle = u"消息";
inline constexpr std::u16string_view kLoading = u"便利贴正在加载中 ...";

// Tool tips of the strip's hot pictures.
inline constexpr std::u16string_view kTipAdd = u"添加";
inline constexpr std::u16string_view kTipSave = u"保存";
inline constexpr std::u16string_view kTipPersonalNote = u"Norvella个性版";
inline constexpr std::u16string_view kTipAlphaPlus = u"真实度+";
inline constexpr std::u16string_view kTipAlphaMinus = u"真实度-";
inline constexpr std::u16string_view kTipFront = u"置顶";
inline constexpr std::u16string_view kTipMove = u"允许移动";
inline constexpr std::u16string_view kTipSize = u"允许缩放";
inline constexpr std::u16string_view kTipHub = u"启动向导";
inline constexpr std::u16string_view kTipClose = u"关闭";

// Toast messages.
inline constexpr std::u16string_view kOpacityPrefix = u"当前透明度：";
inline constexpr std::u16string_view kSaved = u"保存完成";
inline constexpr std::u16string_view kSaveFailed = u"保存失败，文件没有写入";
inline constexpr std::u16string_view kNewNoteFailed = u"打开组件失败";
inline constexpr std::u16string_view kProgramFailed = u"打开组件失败。";

// Save dialog.
inline constexpr std::u16string_view kSaveFilter = u"文本文档 (*.txt)|*.txt";
inline constexpr std::u16string_view kSaveTitle = u"保存文件";

// The edit menu: three spaces before "Ctrl" and before "Delete".
inline constexpr std::u16string_view kMenuTitle = u"编辑";
inline constexpr std::u16string_view kMenuPaste = u"粘贴   Ctrl + V";
inline constexpr std::u16string_view kMenuCopy = u"复制   Ctrl + C";
inline constexpr std::u16string_view kMenuCut = u"剪切   Ctrl + X";
inline constexpr std::u16string_view kMenuSelectAll = u"全选   Ctrl + A";
inline constexpr std::u16string_view kMenuDelete = u"删除   Delete";
inline constexpr std::u16string_view kMenuToolBar = u"隐藏/显示工具栏";
inline constexpr std::u16string_view kMenuExit = u"退出   Ctrl + Q";

}  // namespace norvella::practical_note::text
