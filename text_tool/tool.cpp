#include "text_tool/tool.h"

#include "common/save_dialog.h"

#include <algorithm>
#include <cmath>

#include "common/file_system.h"
#include "common/narrow_codec.h"
#include "common/screen.h"
#include "common/settings_values.h"
#include "common/shell.h"
#include "common/user_text_file.h"
#include "common/web_addresses.h"
#include "text_tool/texts.h"

namespace norvella::text_tool {
namespace {

constexpr int kMaxFontPoints = 1638;

bool IsDigitKey(char16_t code) { return (code >= u'0' && code <= u'9') || code == 8; }

// A number converted to the nearest value of a range, halves to even; nothing when out of it.
std::optional<long long> NearestInRange(double value, long long low, long long high) {
  const double rounded = std::nearbyint(value);
  if (!(rounded >= static_cast<double>(low) && rounded <= static_cast<double>(high))) return std::nullopt;
  return static_cast<long long>(rounded);
}

// A colour the editor can take: 0x00BBGGRR, or one of the system's colours.
bool IsApplicableColour(long long value) {
  if (value >= 0) return value <= 0xFFFFFF;
  const auto bits = static_cast<std::uint32_t>(value);
  return (bits & 0xFFFFFF00u) == 0x80000000u && (bits & 0xFFu) <= 30;
}

bool EndsWith(std::u16string_view text, std::u16string_view end) {
  return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

Ctl PanelOf(Ctl option) {
  switch (option) {
    case Ctl::Option2: return Ctl::Frame2;
    case Ctl::Option3: return Ctl::Frame3;
    case Ctl::Option10: return Ctl::Frame7;
    case Ctl::Option4: return Ctl::Frame4;
    case Ctl::Option5: return Ctl::Frame5;
    case Ctl::Option6: return Ctl::Frame6;
    default: return Ctl::Frame1;
  }
}

constexpr Ctl kKindOptions[] = {Ctl::Option1, Ctl::Option2, Ctl::Option3, Ctl::Option10,
                                Ctl::Option4, Ctl::Option5, Ctl::Option6};

}  // namespace

TextTool::TextTool(ToolView& view, Services services)
    : view_(view), services_(std::move(services)), rects_(static_cast<size_t>(kControlCount)) {
  for (const ControlSpec& spec : DesignControls()) rects_[static_cast<size_t>(spec.id)] = spec.rect;
}

std::u16string TextTool::SettingsPath() const {
  return services_.program_folder + u"\\" + std::u16string(text::kSettingsFile);
}

void TextTool::Start() {
  const TwipRect design = view_.Bounds();
  // 1. to 3. The settings file, line by line.
  double width = 0;
  double height = 0;
  if (const auto bytes = services_.files.ReadFile(SettingsPath())) {
    if (const auto lines = SplitSettingsLines(DecodeUserText(*bytes, services_.codec)))
      ApplySettings(*lines, width, height);
  }
  view_.SetEditorFont(font_);
  view_.SetEditorColour(fore_color_);
  // 4. A size of 0, or one no window can take, keeps the current one.
  const TwipRect now = view_.Bounds();
  const int apply_width = width >= 1 ? RoundHalfEven(width) : now.width;
  const int apply_height = height >= 1 ? RoundHalfEven(height) : now.height;
  // 5. The lists' first entries, each with its selection handler.
  for (Ctl list : {Ctl::Combo1, Ctl::Combo2, Ctl::Combo4, Ctl::Combo5, Ctl::Combo6}) {
    view_.SetComboIndex(list, 0);
    OnComboSelected(list);
  }
  // 7.
  havesave_ = true;
  // 8. The layout memory, from the design layout at the design width.
  const double wd = design.width;
  layout_.width_ratios[0] = Spec(Ctl::lastact).rect.width / wd;
  layout_.width_ratios[1] = Spec(Ctl::textlen).rect.width / wd;
  layout_.width_ratios[2] = Spec(Ctl::itip).rect.width / static_cast<double>(apply_width);
  layout_.gap_ad = design.width - Spec(Ctl::AD).rect.left;
  layout_.gap_tp = design.width - Spec(Ctl::TPchoose).rect.left;
  // 9. Width, then height.
  view_.SetOuterSize({apply_width, view_.Bounds().height});
  view_.SetOuterSize({apply_width, apply_height});
  OnResize();

  const TwipSize size{apply_width, apply_height};
  view_.Show(CentredOn(services_.screen.PrimarySize(), size));
  view_.StartTimer();
}

void TextTool::ApplySettings(const SettingsLines& lines, double& width, double& height) {
  for (int i = 0; i < kSettingsLines; ++i) {
    const std::u16string& line = lines[static_cast<size_t>(i)];
    if (line.empty()) continue;
    const std::u16string value = LineValue(line);
    switch (i) {
      case 0:
        if (!value.empty()) font_.face = value;
        break;
      case 1: {
        const auto points = LeadingNumber(value);
        if (!points || *points <= 0 || *points > kMaxFontPoints) return;
        font_.points = *points;
        break;
      }
      case 2: font_.bold = IsNotZero(value); break;
      case 3: font_.italic = IsNotZero(value); break;
      case 4: font_.underline = IsNotZero(value); break;
      case 5: {
        const auto number = LeadingNumber(value);
        if (!number) return;
        const auto colour = NearestInRange(*number, INT32_MIN, INT32_MAX);
        if (!colour || !IsApplicableColour(*colour)) return;
        fore_color_ = static_cast<OleColour>(*colour);
        break;
      }
      case 6:
        if (EndsWith(line, u"Open")) {
          view_.Maximise();
          auto_max_ = true;
          view_.SetMenuChecked(Command::AutoMax, true);
        }
        break;
      case 7: width = NumberValue(value); break;
      case 8: {
        const auto h = NearestInRange(NumberValue(value), -32768, 32767);
        if (!h) return;
        height = static_cast<double>(*h);
        break;
      }
    }
  }
}

void TextTool::SaveSettings() {
  StoredSettings s;
  s.face = font_.face;
  s.points = font_.points;
  s.bold = font_.bold;
  s.italic = font_.italic;
  s.underline = font_.underline;
  s.fore_color = fore_color_;
  s.auto_max = auto_max_;
  if (view_.State() == WindowState::Maximised) {
    s.width = kMaximisedSavedSize.width;
    s.height = kMaximisedSavedSize.height;
  } else {
    const TwipRect b = view_.Bounds();
    s.width = b.width;
    s.height = b.height;
  }
  WriteUserTextFile(services_.files, services_.codec, SettingsPath(), FormatSettings(s));
}

void TextTool::Place(Ctl id) { view_.PlaceControl(id, rects_[static_cast<size_t>(id)]); }

void TextTool::OnResize() {
  if (view_.State() == WindowState::Minimised) return;
  const TwipRect bounds = view_.Bounds();
  const double w = bounds.width;
  const int h = bounds.height;
  const auto r = [this](Ctl id) -> TwipRect& { return rects_[static_cast<size_t>(id)]; };

  r(Ctl::lastact).width = RoundHalfEven(w * layout_.width_ratios[0]);
  Place(Ctl::lastact);
  r(Ctl::textlen).width = RoundHalfEven(w * layout_.width_ratios[1]);
  Place(Ctl::textlen);
  r(Ctl::itip).width = RoundHalfEven(w * layout_.width_ratios[2]);
  Place(Ctl::itip);
  r(Ctl::AD).left = bounds.width - layout_.gap_ad;
  Place(Ctl::AD);
  r(Ctl::TPchoose).left = bounds.width - layout_.gap_tp;
  Place(Ctl::TPchoose);
  r(Ctl::Label1).left = r(Ctl::TPchoose).left;
  Place(Ctl::Label1);
  for (Ctl panel : kPanels) {
    r(panel).left = r(Ctl::TPchoose).left + r(Ctl::TPchoose).width + 100;
    Place(panel);
  }
  r(Ctl::Command1).left = r(Ctl::TPchoose).left + 180;
  Place(Ctl::Command1);
  // A size below zero cannot be applied (the window is smaller than its minimum for a moment):
  // the pass ends there and the later controls keep their places.
  const int text_width = r(Ctl::TPchoose).left - 190;
  if (text_width < 0) return;
  r(Ctl::Text1).width = text_width;
  Place(Ctl::Text1);
  r(Ctl::textlen).left = r(Ctl::lastact).width;
  Place(Ctl::textlen);
  r(Ctl::itip).left = r(Ctl::lastact).width + r(Ctl::textlen).width;
  Place(Ctl::itip);
  r(Ctl::lastact).top = h - 1130;
  Place(Ctl::lastact);
  r(Ctl::Command1).top = h - 2200;
  Place(Ctl::Command1);
  for (Ctl id : {Ctl::textlen, Ctl::itip, Ctl::AD}) {
    r(id).top = r(Ctl::lastact).top;
    Place(id);
  }
  if (h - 1150 < 0) return;
  r(Ctl::Text1).height = h - 1150;
  Place(Ctl::Text1);
  r(Ctl::Shape1).height = r(Ctl::Text1).height;
  Place(Ctl::Shape1);
  if (h - 3100 < 0) return;
  r(Ctl::TPchoose).height = h - 3100;
  Place(Ctl::TPchoose);
  if (h - 2000 < 0 || h - 2000 > 32767) return;
  for (Ctl panel : kPanels) {
    r(panel).height = h - 2000;
    Place(panel);
  }
}

void TextTool::OnTimer() {
  // 1. The colour ring of `AD`; a colour outside it stays.
  const auto at = std::find(std::begin(kAdColours), std::end(kAdColours), ad_colour_);
  if (at != std::end(kAdColours)) {
    ad_colour_ = std::next(at) == std::end(kAdColours) ? kAdColours[0] : *std::next(at);
    view_.SetControlColour(Ctl::AD, ad_colour_);
  }
  // 2. The minimum size, in the normal state only.
  if (view_.State() == WindowState::Normal) {
    const TwipRect b = view_.Bounds();
    if (b.width < kMinimumOuterSize.width || b.height < kMinimumOuterSize.height)
      view_.SetOuterSize({std::max(b.width, kMinimumOuterSize.width),
                          std::max(b.height, kMinimumOuterSize.height)});
  }
  // 3. The character count.
  view_.SetControlText(Ctl::textlen, std::u16string(text::kCountPrefix) +
                                         FormatInteger(static_cast<std::int64_t>(view_.EditorLength())));
}

void TextTool::SetItip(std::u16string_view text) { view_.SetControlText(Ctl::itip, text); }
void TextTool::SetLastact(std::u16string_view text) { view_.SetControlText(Ctl::lastact, text); }

void TextTool::SetUndoRedo(bool undo, bool redo) {
  undo_enabled_ = undo;
  redo_enabled_ = redo;
  view_.SetMenuEnabled(Command::Undo, undo);
  view_.SetMenuEnabled(Command::Redo, redo);
}

void TextTool::MarkEdited() {
  havesave_ = false;
  SetUndoRedo(true, false);
}

void TextTool::Apply(const Outcome& outcome) {
  if (outcome.snapshot) undo_text_ = *outcome.snapshot;
  if (outcome.text) {
    view_.SetEditorText(*outcome.text);
    MarkEdited();
  }
  if (outcome.lastact) SetLastact(*outcome.lastact);
  if (outcome.itip) SetItip(*outcome.itip);
}

void TextTool::OnCommand(Command command) {
  switch (command) {
    case Command::Clean: Clean(); break;
    case Command::SelectAll: view_.SelectWholeEditor(); break;
    case Command::Save: Save(); break;
    case Command::Exit: Exit(); break;
    case Command::Run: Run(); break;
    case Command::Undo: Undo(); break;
    case Command::Redo: Redo(); break;
    case Command::AutoMax: ToggleAutoMax(); break;
    case Command::Font:
      SetItip(text::kChooseFont);
      ChooseFont();
      SaveSettings();
      SetLastact(text::kLastFont);
      SetItip(text::kFontSaved);
      break;
    case Command::Help: Open(web::kScrivletHelpPath); break;
    case Command::Web: Open(web::kTeamPath); break;
    case Command::Kelmora: Open(web::kHomePath); break;
    case Command::About: view_.ShowInformation(text::kAboutTitle, text::kAboutText); break;
  }
}

void TextTool::Open(std::u16string_view path) {
  services_.shell.OpenAddress(web::MakerPage(path), services_.program_folder);
}

void TextTool::Run() {
  const std::u16string editor = view_.EditorText();
  const auto text = [this](Ctl id) { return view_.ControlText(id); };
  switch (visible_panel_) {
    case Ctl::Frame1: {
      const std::u16string count = text(Ctl::Text10), target = text(Ctl::Text2);
      DeleteRequest r;
      r.type = static_cast<DeleteType>(view_.ComboIndex(Ctl::Combo1));
      r.direction = static_cast<DeleteDirection>(view_.ComboIndex(Ctl::Combo2));
      r.count = count;
      r.text = target;
      Apply(DeleteChars(r, editor, services_.codec));
      break;
    }
    case Ctl::Frame2: {
      const std::u16string from = text(Ctl::Text7), to = text(Ctl::Text8);
      ConvertRequest r;
      r.type = static_cast<ConvertType>(view_.ComboIndex(Ctl::Combo4));
      r.from = from;
      r.to = to;
      r.line_break = view_.Checked(Ctl::Check3);
      Apply(ConvertChars(r, editor));
      break;
    }
    case Ctl::Frame3: {
      const std::u16string t3 = text(Ctl::Text3), t4 = text(Ctl::Text4), t5 = text(Ctl::Text5),
                           t6 = text(Ctl::Text6), t13 = text(Ctl::Text13), t14 = text(Ctl::Text14),
                           t15 = text(Ctl::Text15);
      GenerateRequest r;
      r.position = static_cast<GeneratePosition>(view_.ComboIndex(Ctl::Combo5));
      r.break_each = view_.Checked(Ctl::Check1);
      r.single = t3;
      r.single_count = t4;
      r.repeat = t5;
      r.repeat_count = t6;
      r.first = t13;
      r.rule_count = t14;
      r.rule = static_cast<GenerateRule>(view_.ComboIndex(Ctl::Combo6));
      r.step = t15;
      Apply(GenerateChars(r, editor));
      break;
    }
    case Ctl::Frame4: {
      const std::u16string count = text(Ctl::Text12), input = text(Ctl::Text9);
      Apply(ArrangeChars({count, input}, editor, services_.random));
      break;
    }
    case Ctl::Frame5: {
      const std::u16string digits = text(Ctl::Text16), compressed = text(Ctl::Text11);
      Apply(CompressOrExpand({digits, compressed}, editor, services_.codec));
      break;
    }
    case Ctl::Frame6: {
      const std::u16string count = text(Ctl::Text17);
      SpecialRequest r;
      r.join = view_.Checked(Ctl::Check2);
      r.format = view_.Checked(Ctl::Option8)   ? SerialFormat::FiveByFive
                 : view_.Checked(Ctl::Option7) ? SerialFormat::FiveByFour
                                               : SerialFormat::None;
      r.count = count;
      Apply(SpecialOperation(r, editor, services_.random, services_.guids));
      break;
    }
    case Ctl::Frame7: {
      const std::u16string count = text(Ctl::Text18), input = text(Ctl::Text19),
                           insertion = text(Ctl::Text20);
      InsertRequest r;
      r.count = count;
      r.input = input;
      r.insertion = insertion;
      r.line_break = view_.Checked(Ctl::Check4);
      Apply(InsertChars(r, editor));
      break;
    }
    default:
      break;
  }
}

void TextTool::Undo() {
  if (!undo_enabled_) return;
  redo_text_ = view_.EditorText();
  view_.SetEditorText(undo_text_);
  MarkEdited();
  view_.PlaceCaretAtEnd();
  SetLastact(text::kLastUndo);
  SetUndoRedo(false, true);
}

void TextTool::Redo() {
  if (!redo_enabled_) return;
  view_.SetEditorText(redo_text_);
  MarkEdited();
  SetLastact(text::kLastRedo);
  SetUndoRedo(true, false);
}

void TextTool::Clean() {
  undo_text_ = view_.EditorText();
  view_.SetEditorText(u"");
  MarkEdited();
  SetLastact(text::kLastClear);
  SetItip(text::kMayUndo);
}

std::u16string TextTool::SaveFileDialog(std::u16string_view filter, std::u16string_view folder,
                                        std::u16string_view title) {
  SaveDialogOptions options;
  options.filters = ParseFilter(filter);
  options.initial_folder = folder == text::kLastPathArgument
                               ? (last_save_dir_.empty() ? std::u16string(u"C:\\") : last_save_dir_)
                               : std::u16string(folder);
  options.title = std::u16string(title);
  const std::u16string result = CleanDialogPath(services_.save_dialog.Show(options));
  last_save_dir_ = FolderToRemember(result);
  return result;
}

void TextTool::Save() {
  const std::u16string path = SaveFileDialog(text::kSaveFilter, text::kLastPathArgument, text::kSaveTitle);
  if (path.empty()) return;
  // A failed write keeps any earlier file whole and says so; the text still counts as unsaved.
  if (!WriteUserTextFile(services_.files, services_.codec, path, view_.EditorText() + u"\r\n")) {
    SetItip(text::kSaveFailed);
    return;
  }
  havesave_ = true;
  SetItip(text::kSaved);
}

void TextTool::Exit() {
  if (!havesave_ && !view_.AskOkCancel(text::kExitTitle, text::kExitQuestion)) return;
  view_.EndProgram();
}

void TextTool::ChooseFont() {
  const auto choice = view_.PickFont(font_, view_.ResolveColour(fore_color_));
  if (!choice) return;
  font_ = choice->font;
  fore_color_ = static_cast<OleColour>(choice->colour.bgr);
  view_.SetEditorFont(font_);
  view_.SetEditorColour(fore_color_);
}

void TextTool::ToggleAutoMax() {
  auto_max_ = !auto_max_;
  view_.SetMenuChecked(Command::AutoMax, auto_max_);
  SaveSettings();
  SetLastact(text::kLastSetting);
  SetItip(text::kAutoMaxNext);
}

void TextTool::OnCloseRequest() { SaveSettings(); }

void TextTool::SelectKind(Ctl option) {
  const Ctl panel = PanelOf(option);
  for (Ctl p : kPanels) view_.SetVisible(p, p == panel);
  visible_panel_ = panel;
  for (Ctl o : kKindOptions) view_.SetChecked(o, o == option);
  SetItip(Spec(option).caption);
}

void TextTool::SelectPosition(int index) {
  if (index == 2 || index == 3) {
    ClearIfNotEmpty(Ctl::Text4);
    ClearIfNotEmpty(Ctl::Text6);
    view_.SetEnabled(Ctl::Combo6, false);
    view_.SetComboIndex(Ctl::Combo6, 0);
    SelectRule(0);
    for (Ctl id : {Ctl::Text13, Ctl::Text14, Ctl::Text15}) view_.SetReadOnly(id, true);
    view_.SetChecked(Ctl::Check1, false);
    view_.SetEnabled(Ctl::Check1, false);
  } else {
    view_.SetEnabled(Ctl::Combo6, true);
    for (Ctl id : {Ctl::Text13, Ctl::Text14, Ctl::Text15}) view_.SetReadOnly(id, false);
    view_.SetEnabled(Ctl::Check1, true);
    view_.SetChecked(Ctl::Check1, true);
  }
}

void TextTool::SelectRule(int index) {
  if (index == 0) {
    ClearIfNotEmpty(Ctl::Text13);
    ClearIfNotEmpty(Ctl::Text14);
    view_.SetControlText(Ctl::Text15, u"1");
  }
  if (index == 3 || index == 4) {
    view_.SetChecked(Ctl::Check1, true);
    view_.SetEnabled(Ctl::Check1, false);
    view_.SetControlText(Ctl::Text15, u"1");
    view_.SetReadOnly(Ctl::Text15, true);
  } else {
    view_.SetMaxLength(Ctl::Text15, 2);
    view_.SetReadOnly(Ctl::Text15, false);
    view_.SetEnabled(Ctl::Check1, true);
  }
}

void TextTool::SelectSerialFormat(Ctl option) {
  for (Ctl o : {Ctl::Option9, Ctl::Option8, Ctl::Option7}) view_.SetChecked(o, o == option);
  if (option == Ctl::Option9) {
    view_.SetEnabled(Ctl::Text17, false);
    view_.SetEnabled(Ctl::Check2, true);
  } else {
    view_.SetEnabled(Ctl::Text17, true);
    view_.SetChecked(Ctl::Check2, false);
    view_.SetEnabled(Ctl::Check2, false);
  }
}

void TextTool::ClearIfNotEmpty(Ctl id) {
  if (!view_.ControlText(id).empty()) view_.SetControlText(id, u"");
}

void TextTool::OnClick(Ctl id) {
  switch (id) {
    case Ctl::Option1: case Ctl::Option2: case Ctl::Option3: case Ctl::Option10:
    case Ctl::Option4: case Ctl::Option5: case Ctl::Option6:
      SelectKind(id);
      break;
    case Ctl::Command1: Run(); break;
    case Ctl::Label1: Open(web::kScrivletHelpPath); break;
    case Ctl::AD: Open(web::kTeamPath); break;
    case Ctl::Check3: view_.SetEnabled(Ctl::Text8, !view_.Checked(Ctl::Check3)); break;
    case Ctl::Check4: view_.SetEnabled(Ctl::Text20, !view_.Checked(Ctl::Check4)); break;
    case Ctl::Check2: SelectSerialFormat(Ctl::Option9); break;
    case Ctl::Option9: case Ctl::Option8: case Ctl::Option7:
      SelectSerialFormat(id);
      break;
    default:
      break;
  }
}

void TextTool::OnDoubleClick(Ctl id) {
  if (id == Ctl::Command1) Run();
}

void TextTool::OnComboSelected(Ctl id) {
  const int index = view_.ComboIndex(id);
  switch (id) {
    case Ctl::Combo1:
      if (index != 0) SetItip(text::kHintDeleteByType);
      view_.SetReadOnly(Ctl::Text2, index != 0);
      break;
    case Ctl::Combo2:
      view_.SetControlText(Ctl::Text10, u"1");
      SetItip(index != 0 ? text::kHintDeleteByPosition : std::u16string_view());
      break;
    case Ctl::Combo4:
      view_.SetEnabled(Ctl::Text7, index == 0);
      if (index != 0) SetItip(text::kHintConvertByType);
      break;
    case Ctl::Combo5: SelectPosition(index); break;
    case Ctl::Combo6: SelectRule(index); break;
    default: break;
  }
}

bool TextTool::OnCharKey(Ctl id, char16_t code) {
  switch (id) {
    case Ctl::Text1:
      undo_text_ = view_.EditorText();  // the text before the key acts
      return true;
    case Ctl::Text16:
      // Any key typed here, passed or dropped, empties the other box, whose change empties this.
      if (!view_.ControlText(Ctl::Text11).empty()) {
        view_.SetControlText(Ctl::Text11, u"");
        ClearIfNotEmpty(Ctl::Text16);
      }
      return IsDigitKey(code);
    case Ctl::Text10: case Ctl::Text12: case Ctl::Text18: case Ctl::Text4: case Ctl::Text6:
    case Ctl::Text14: case Ctl::Text15: case Ctl::Text17:
      return IsDigitKey(code);
    case Ctl::Text13: {
      const int rule = view_.ComboIndex(Ctl::Combo6);
      return (rule == 1 || rule == 2) ? IsDigitKey(code) : true;
    }
    default:
      return true;
  }
}

void TextTool::OnTextChanged(Ctl id) {
  if (id == Ctl::Text1) MarkEdited();
  if (id == Ctl::Text11) ClearIfNotEmpty(Ctl::Text16);
}

}  // namespace norvella::text_tool
