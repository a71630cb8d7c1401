#include "text_tool/controls.h"

#include <array>

namespace norvella::text_tool {
namespace {

constexpr Colour kGreen = Colour::FromRgb(0, 128, 0);
constexpr Colour kDarkRed = Colour::FromRgb(128, 0, 0);
constexpr Colour kBlack = Colour::FromRgb(0, 0, 0);
constexpr FontSpec kArial12{u"Arial", 12};
constexpr FontSpec kArial105{u"Arial", 10.5};
constexpr FontSpec kYaHei12{u"微软雅黑", 12};

std::vector<ControlSpec> Build() {
  std::vector<ControlSpec> c;
  const auto add = [&c](Ctl id, Kind kind, Ctl parent, TwipRect rect, std::u16string_view caption = {}) -> ControlSpec& {
    ControlSpec spec;
    spec.id = id;
    spec.kind = kind;
    spec.parent = parent;
    spec.rect = rect;
    spec.caption = caption;
    c.push_back(spec);
    return c.back();
  };
  const auto label = [&](Ctl id, Ctl parent, TwipRect rect, std::u16string_view caption) -> ControlSpec& {
    return add(id, Kind::Label, parent, rect, caption);
  };
  const auto title = [&](Ctl id, Ctl parent, TwipRect rect, std::u16string_view caption) -> ControlSpec& {
    ControlSpec& s = label(id, parent, rect, caption);
    s.colour = kGreen;
    return s;
  };
  const auto line = [&](Ctl id, Ctl parent, int top) { add(id, Kind::Line, parent, {240, top, 3720, 15}); };
  const auto edit = [&](Ctl id, Ctl parent, TwipRect rect, FontSpec font, int max_length,
                        std::u16string_view text = {}) -> ControlSpec& {
    ControlSpec& s = add(id, Kind::Edit, parent, rect, text);
    s.font = font;
    s.max_length = max_length;
    return s;
  };

  // The window. `Text1` comes first: it is first in the tab order.
  {
    ControlSpec& s = add(Ctl::Text1, Kind::Editor, Ctl::Form, {80, 0, 5175, 6330});
    s.font = {u"宋体", 10.5};
    s.max_length = 65535;
  }
  add(Ctl::Shape1, Kind::Shape, Ctl::Form, {0, 0, 255, 6330});
  add(Ctl::TPchoose, Kind::Frame, Ctl::Form, {5370, 720, 2085, 4215}, u"批量处理类型").caption_colour = true;
  {
    ControlSpec& s = label(Ctl::Label1, Ctl::Form, {5520, 120, 6255, 495},
                           u"　　请您先在左边的编辑区中输入需要批量编辑的文字，选择好批量处理类型后，再在下方"
                           u"选择一个操作来进行。不会使用请查阅帮助。");
    s.colour = Colour::FromRgb(192, 64, 0);
    s.hand = true;
  }
  add(Ctl::Command1, Kind::Picture, Ctl::Form, {5520, 5160, 1725, 870}).hand = true;
  const std::array<std::u16string_view, 7> panel_captions = {
      u"批量删除字符", u"批量转换字符", u"批量生成字符", u"随机排列字符",
      u"数字压缩/解压", u"其它特殊操作", u"批量插入字符"};
  for (int i = 0; i < 7; ++i) {
    ControlSpec& s = add(kPanels[i], Kind::Frame, Ctl::Form, {7560, 720, 4335, 5415},
                         panel_captions[static_cast<size_t>(i)]);
    s.caption_colour = true;
    s.visible = i == 0;
  }
  add(Ctl::lastact, Kind::StatusLabel, Ctl::Form, {0, 6360, 3495, 285}, u"欢迎使用Scrivlet");
  add(Ctl::textlen, Kind::StatusLabel, Ctl::Form, {3480, 6360, 2895, 285}, u"字符数量：0");
  add(Ctl::itip, Kind::StatusLabel, Ctl::Form, {6360, 6360, 3975, 285}, u"欢迎使用Scrivlet").colour =
      Colour::FromRgb(255, 0, 0);
  {
    ControlSpec& s = add(Ctl::AD, Kind::Link, Ctl::Form, {10680, 6360, 1125, 255}, u"Kelmora 团队");
    s.font.underline = true;
    s.colour = Colour::FromRgb(255, 0, 255);
    s.hand = true;
  }

  // The selector.
  const std::array<std::pair<Ctl, std::u16string_view>, 7> options = {{
      {Ctl::Option1, u"批量删除字符"}, {Ctl::Option2, u"批量转换字符"}, {Ctl::Option3, u"批量生成字符"},
      {Ctl::Option10, u"批量插入字符"}, {Ctl::Option4, u"随机排列字符"}, {Ctl::Option5, u"数字压缩/解压"},
      {Ctl::Option6, u"其它特殊操作"}}};
  for (size_t i = 0; i < options.size(); ++i) {
    ControlSpec& s = add(options[i].first, Kind::Option, Ctl::TPchoose,
                         {200, 360 + 480 * static_cast<int>(i), 1695, 375}, options[i].second);
    s.colour = kDarkRed;
    s.checked = i == 0;
  }

  // Frame1: delete.
  title(Ctl::Label3, Ctl::Frame1, {240, 360, 1335, 255}, u"按类型删除字符：");
  add(Ctl::Combo1, Kind::Combo, Ctl::Frame1, {1920, 300, 1935, 375}).entries = {
      u"不选", u"汉字", u"数字", u"大写字母", u"小写字母"};
  line(Ctl::Line3, Ctl::Frame1, 780);
  title(Ctl::Label4, Ctl::Frame1, {240, 840, 2415, 255}, u"按位置删除字符");
  label(Ctl::Label16, Ctl::Frame1, {240, 1180, 495, 255}, u"方向");
  add(Ctl::Combo2, Kind::Combo, Ctl::Frame1, {840, 1130, 1455, 375}).entries = {
      u"不选", u"从左往右", u"从右往左", u"从上往下", u"从下往上"};
  label(Ctl::Label18, Ctl::Frame1, {2400, 1185, 495, 255}, u"数量");
  edit(Ctl::Text10, Ctl::Frame1, {2880, 1140, 855, 345}, kArial12, 5, u"1");
  line(Ctl::Line4, Ctl::Frame1, 1605);
  title(Ctl::Label5, Ctl::Frame1, {240, 1680, 1335, 255}, u"删除指定字符");
  edit(Ctl::Text2, Ctl::Frame1, {240, 2040, 3495, 360}, kYaHei12, 0);

  // Frame2: convert.
  title(Ctl::Label14, Ctl::Frame2, {240, 360, 1335, 255}, u"按类型将字符：");
  add(Ctl::Combo4, Kind::Combo, Ctl::Frame2, {1800, 300, 2055, 375}).entries = {
      u"不选", u"数字", u"大写字母", u"小写字母"};
  title(Ctl::Label12, Ctl::Frame2, {240, 840, 1095, 255}, u"指定字符：");
  edit(Ctl::Text7, Ctl::Frame2, {1320, 810, 2535, 390}, kYaHei12, 0);
  line(Ctl::Line2, Ctl::Frame2, 2640);
  title(Ctl::Label15, Ctl::Frame2, {240, 2880, 855, 255}, u"转换为：");
  edit(Ctl::Text8, Ctl::Frame2, {1320, 2760, 2535, 405}, kYaHei12, 99);
  add(Ctl::Check3, Kind::Check, Ctl::Frame2, {2160, 3360, 1695, 225}, u"换行符（回车）").colour = kBlack;

  // Frame3: generate.
  label(Ctl::Label6, Ctl::Frame3, {240, 380, 1215, 255}, u"生成字符位置");
  add(Ctl::Combo5, Kind::Combo, Ctl::Frame3, {1560, 320, 2295, 375}).entries = {
      u"紧接文字", u"文字之前", u"每横排后", u"每横排前"};
  add(Ctl::Check1, Kind::Check, Ctl::Frame3, {240, 800, 2895, 255}, u"生成每个字符后换行").checked = true;
  line(Ctl::Line1, Ctl::Frame3, 1160);
  title(Ctl::Label7, Ctl::Frame3, {240, 1260, 1815, 255}, u"生成重复单字符");
  label(Ctl::Label8, Ctl::Frame3, {240, 1650, 615, 255}, u"字符：");
  edit(Ctl::Text3, Ctl::Frame3, {840, 1590, 735, 375}, kYaHei12, 1);
  label(Ctl::Label9, Ctl::Frame3, {2400, 1650, 615, 255}, u"数量：");
  edit(Ctl::Text4, Ctl::Frame3, {3000, 1590, 855, 375}, kArial12, 3);
  line(Ctl::Line5, Ctl::Frame3, 2070);
  title(Ctl::Label10, Ctl::Frame3, {240, 2160, 1815, 255}, u"生成指定重复字符");
  label(Ctl::Label11, Ctl::Frame3, {240, 2550, 615, 255}, u"字符：");
  {
    ControlSpec& s = add(Ctl::Text5, Kind::Memo, Ctl::Frame3, {840, 2490, 1455, 735});
    s.max_length = 99;
  }
  label(Ctl::Label19, Ctl::Frame3, {2400, 2550, 615, 255}, u"数量：");
  edit(Ctl::Text6, Ctl::Frame3, {3000, 2490, 855, 375}, kArial12, 3);
  line(Ctl::Line6, Ctl::Frame3, 3330);
  title(Ctl::Label20, Ctl::Frame3, {240, 3420, 1815, 255}, u"按规则生成字符");
  label(Ctl::Label21, Ctl::Frame3, {240, 3810, 855, 255}, u"首字符：");
  edit(Ctl::Text13, Ctl::Frame3, {1080, 3750, 1215, 375}, kYaHei12, 8);
  label(Ctl::Label22, Ctl::Frame3, {2400, 3810, 615, 255}, u"数量：");
  edit(Ctl::Text14, Ctl::Frame3, {3000, 3750, 855, 375}, kArial12, 3);
  label(Ctl::Label23, Ctl::Frame3, {240, 4290, 855, 255}, u"规则：");
  add(Ctl::Combo6, Kind::Combo, Ctl::Frame3, {1080, 4230, 1215, 375}).entries = {
      u"无规则", u"加法运算", u"减法运算", u"增加字符", u"减少字符"};
  label(Ctl::Label24, Ctl::Frame3, {2400, 4290, 615, 255}, u"步长：");
  edit(Ctl::Text15, Ctl::Frame3, {3000, 4230, 855, 375}, kArial12, 2, u"1");

  // Frame4: random arrangement.
  title(Ctl::Label2, Ctl::Frame4, {240, 360, 1455, 255}, u"将字符随机排序");
  label(Ctl::Label17, Ctl::Frame4, {2640, 360, 495, 255}, u"数量").colour = kBlack;
  edit(Ctl::Text12, Ctl::Frame4, {3240, 240, 735, 390}, kArial12, 3, u"1");
  label(Ctl::Label13, Ctl::Frame4, {240, 720, 1980, 255}, u"需要被随机排序的文本：").colour = kBlack;
  add(Ctl::Text9, Kind::Memo, Ctl::Frame4, {240, 1080, 3735, 2280});

  // Frame5: number compression.
  title(Ctl::Label25, Ctl::Frame5, {240, 360, 3735, 255}, u"将长串数字压缩成短字符。");
  label(Ctl::Label26, Ctl::Frame5, {240, 720, 1980, 255}, u"需要被压缩的数字：");
  add(Ctl::Text16, Kind::Memo, Ctl::Frame5, {240, 1020, 3735, 1335}).ime_off = true;
  title(Ctl::Label28, Ctl::Frame5, {240, 2580, 3735, 255}, u"将被压缩的长串数字还原。");
  label(Ctl::Label27, Ctl::Frame5, {240, 2940, 1980, 255}, u"需要被还原的数字：");
  add(Ctl::Text11, Kind::Memo, Ctl::Frame5, {240, 3240, 3735, 1335}).ime_off = true;

  // Frame6: special operations.
  add(Ctl::Check2, Kind::Check, Ctl::Frame6, {240, 480, 3735, 255}, u"将所有文字全部一行显示");
  line(Ctl::Line7, Ctl::Frame6, 960);
  title(Ctl::Label29, Ctl::Frame6, {240, 1200, 1815, 255}, u"随机生成序列号");
  add(Ctl::Option9, Kind::Option, Ctl::Frame6, {240, 1620, 3735, 255}, u"不选").checked = true;
  add(Ctl::Option8, Kind::Option, Ctl::Frame6, {240, 2040, 3735, 255},
      u"五位（xxxxx-xxxxx-xxxxx-xxxxx-xxxxx）");
  add(Ctl::Option7, Kind::Option, Ctl::Frame6, {240, 2460, 3735, 255}, u"四位（xxxx-xxxx-xxxx-xxxx-xxxx）");
  label(Ctl::Label30, Ctl::Frame6, {240, 2940, 495, 255}, u"数量");
  edit(Ctl::Text17, Ctl::Frame6, {840, 2880, 735, 375}, kArial12, 3, u"1").enabled = false;

  // Frame7: insert.
  title(Ctl::Label32, Ctl::Frame7, {240, 360, 2415, 255}, u"每间隔指定数量插入指定字符");
  label(Ctl::Label33, Ctl::Frame7, {2760, 360, 495, 255}, u"数量").colour = kBlack;
  edit(Ctl::Text18, Ctl::Frame7, {3240, 360, 735, 315}, kArial105, 4, u"1");
  label(Ctl::Label31, Ctl::Frame7, {240, 720, 2340, 255}, u"需要被批量插入字符的文本：").colour = kBlack;
  add(Ctl::Text19, Kind::Memo, Ctl::Frame7, {240, 1080, 3735, 2280});
  title(Ctl::Label34, Ctl::Frame7, {240, 3510, 1095, 255}, u"指定字符：");
  edit(Ctl::Text20, Ctl::Frame7, {1320, 3480, 2655, 390}, kYaHei12, 0);
  add(Ctl::Check4, Kind::Check, Ctl::Frame7, {2400, 3960, 1575, 225}, u"换行符（回车）").colour = kBlack;
  return c;
}

}  // namespace

const std::vector<ControlSpec>& DesignControls() {
  static const std::vector<ControlSpec> controls = Build();
  return controls;
}

const ControlSpec& Spec(Ctl id) {
  static const std::vector<const ControlSpec*> by_id = [] {
    std::vector<const ControlSpec*> index(static_cast<size_t>(kControlCount), nullptr);
    for (const ControlSpec& s : DesignControls()) index[static_cast<size_t>(s.id)] = &s;
    return index;
  }();
  return *by_id[static_cast<size_t>(id)];
}

}  // namespace norvella::text_tool
