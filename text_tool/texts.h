#pragma once
// Every text Scrivlet shows to the user.
#include <string_view>

namespace norvella::text_tool::text {

inline constexpr std::u16string_view kCaption = u"Scrivlet - Scrivlet";
inline constexpr std::u16string_view kWelcome = u"欢迎使用Scrivlet";
inline constexpr std::u16string_view kUsageHint =
    u"　　请您先在左边的编辑区中输入需要批量编辑的文字，选择好批量处理类型后，再在下方选择一个操作来"
    u"进行。不会使用请查阅帮助。";
inline constexpr std::u16string_view kTeamLink = u"Kelmora 团队";
inline constexpr std::u16string_view kSelectorCaption = u"批量处理类型";
inline constexpr std::u16string_view kCountStart = u"字符数量：0";
inline constexpr std::u16string_view kCountPrefix = u"字符数量(包括回车)：";

// The three input messages.
inline constexpr std::u16string_view kMsgConflict = u"程序未能理解您的意图";
inline constexpr std::u16string_view kMsgIncomplete = u"项目未填写完整";
inline constexpr std::u16string_view kMsgBadParam = u"参数不正确";

inline constexpr std::u16string_view kDone = u"操作完成";
inline constexpr std::u16string_view kLastPrefix = u"上一步操作：";

// Last-operation texts, each "上一步操作：" and the operation's name.
inline constexpr std::u16string_view kLastDeleteByType = u"上一步操作：按类型删除字符";
inline constexpr std::u16string_view kLastDeleteText = u"上一步操作：删除指定字符";
inline constexpr std::u16string_view kLastDeleteByPosition = u"上一步操作：按位置删除字符";
inline constexpr std::u16string_view kLastConvertByType = u"上一步操作：按类型转换字符";
inline constexpr std::u16string_view kLastConvertText = u"上一步操作：转换指定字符";
inline constexpr std::u16string_view kLastInsert = u"上一步操作：批量插入字符";
inline constexpr std::u16string_view kLastArrange = u"上一步操作：随机排列指定字符";
inline constexpr std::u16string_view kLastGenerateRepeated = u"上一步操作：按顺序生成指定重复字符";
inline constexpr std::u16string_view kLastGeneratePerLine = u"上一步操作：按顺序生成重复字符";
inline constexpr std::u16string_view kLastGenerateRule = u"上一步操作：按规则生成字符";
inline constexpr std::u16string_view kLastCompress = u"上一步操作：数字压缩";
inline constexpr std::u16string_view kLastExpand = u"上一步操作：数字解压";
inline constexpr std::u16string_view kLastJoin = u"上一步操作：删除所有回车符";
inline constexpr std::u16string_view kLastSerials = u"上一步操作：随机生成序列号";
inline constexpr std::u16string_view kLastUndo = u"上一步操作：撤销";
inline constexpr std::u16string_view kLastRedo = u"上一步操作：还原";
inline constexpr std::u16string_view kLastClear = u"上一步操作：清空文本";
inline constexpr std::u16string_view kLastFont = u"上一步操作：更改字体";
inline constexpr std::u16string_view kLastSetting = u"上一步操作：设置";

// Other messages of the status line.
inline constexpr std::u16string_view kHintDeleteByType = u"点击执行按类型删除字符";
inline constexpr std::u16string_view kHintDeleteByPosition = u"点击执行按位置删除字符";
inline constexpr std::u16string_view kHintConvertByType = u"点击执行按类型转换字符";
inline constexpr std::u16string_view kMayUndo = u"您可以撤销该操作";
inline constexpr std::u16string_view kSaved = u"保存完成";
inline constexpr std::u16string_view kSaveFailed = u"保存失败，文件没有写入";
inline constexpr std::u16string_view kChooseFont = u"选择字体";
inline constexpr std::u16string_view kFontSaved = u"变更后的字体已保存";
inline constexpr std::u16string_view kAutoMaxNext = u"下次启动后程序自动最大化";
inline constexpr std::u16string_view kLeadingZero = u"以0开头的数字无法压缩。";
inline constexpr std::u16string_view kDigitsTooLong = u"数字过长，最多128位。";
inline constexpr std::u16string_view kDigitsOnly = u"只能压缩0到9组成的数字。";
inline constexpr std::u16string_view kCompressedTooLong = u"文字过长，最多128个字符。";
inline constexpr std::u16string_view kResultTooLong = u"结果过长，未作更改。";

// Dialogs.
inline constexpr std::u16string_view kSaveFilter = u"文本文档(*.txt)|*.txt";
inline constexpr std::u16string_view kSaveTitle = u"保存文件";
inline constexpr std::u16string_view kLastPathArgument = u"LastPath";
inline constexpr std::u16string_view kExitTitle = u"注意";
inline constexpr std::u16string_view kExitQuestion = u"您还没有保存，您确定要退出吗？";
inline constexpr std::u16string_view kAboutTitle = u"关于";
inline constexpr std::u16string_view kAboutText = u"　　 Scrivlet\r\r　 Version 1.6";

// Menus.
inline constexpr std::u16string_view kMenuFile = u"文件(&F)";
inline constexpr std::u16string_view kMenuClean = u"清空(&C)";
inline constexpr std::u16string_view kMenuSelectAll = u"全选(&A)";
inline constexpr std::u16string_view kMenuSave = u"保存(&S)";
inline constexpr std::u16string_view kMenuExit = u"退出(&X)";
inline constexpr std::u16string_view kMenuDo = u"操作(D)";
inline constexpr std::u16string_view kMenuRun = u"执行";
inline constexpr std::u16string_view kMenuUndo = u"撤销(&Z)";
inline constexpr std::u16string_view kMenuRedo = u"还原(&R)";
inline constexpr std::u16string_view kMenuSetting = u"选项(&S)";
inline constexpr std::u16string_view kMenuAutoMax = u"程序运行后最大化";
inline constexpr std::u16string_view kMenuFont = u"字体(&F)";
inline constexpr std::u16string_view kMenuHelpTop = u"帮助(&H)";
inline constexpr std::u16string_view kMenuHelp = u"帮助(&H)";
inline constexpr std::u16string_view kMenuWeb = u"团队官网(&W)";
inline constexpr std::u16string_view kMenuKelmora = u"Kelmora(&N)";
inline constexpr std::u16string_view kMenuAbout = u"关于(&A)";

// Settings file.
inline constexpr std::u16string_view kSettingsFile = u"Scrivlet.ini";

}  // namespace norvella::text_tool::text
