#pragma once
// The controls of Scrivlet's window `Form1` as designed: kind, parent, place and size in twips,
// caption, font, colour and limits. The window creates its controls from this table; the model
// lays the window's own controls out on every resize.
#include <optional>
#include <string_view>
#include <vector>

#include "common/colour.h"
#include "common/geometry.h"

namespace norvella::text_tool {

enum class Ctl {
  Form,  // the window itself, as a parent
  // On the window.
  Text1, Shape1, TPchoose, Label1, Command1,
  Frame1, Frame2, Frame3, Frame4, Frame5, Frame6, Frame7,
  lastact, textlen, itip, AD,
  // The selector `TPchoose`.
  Option1, Option2, Option3, Option10, Option4, Option5, Option6,
  // `Frame1`: delete.
  Label3, Combo1, Line3, Label4, Label16, Combo2, Label18, Text10, Line4, Label5, Text2,
  // `Frame2`: convert.
  Label14, Combo4, Label12, Text7, Line2, Label15, Text8, Check3,
  // `Frame3`: generate.
  Label6, Combo5, Check1, Line1, Label7, Label8, Text3, Label9, Text4, Line5, Label10, Label11,
  Text5, Label19, Text6, Line6, Label20, Label21, Text13, Label22, Text14, Label23, Combo6,
  Label24, Text15,
  // `Frame4`: random arrangement.
  Label2, Label17, Text12, Label13, Text9,
  // `Frame5`: number compression.
  Label25, Label26, Text16, Label28, Label27, Text11,
  // `Frame6`: special operations.
  Check2, Line7, Label29, Option9, Option8, Option7, Label30, Text17,
  // `Frame7`: insert.
  Label32, Label33, Text18, Label31, Text19, Label34, Text20, Check4,
  Count
};
inline constexpr int kControlCount = static_cast<int>(Ctl::Count);

enum class Kind {
  Editor,      // `Text1`
  Shape,       // a filled rectangle
  Frame,       // a titled panel that holds controls
  Label,
  StatusLabel, // a label with a single-line border
  Link,        // a label with a hand pointer that sizes itself to its text
  Picture,     // the picture button `Command1`
  Edit,        // a single-line edit box
  Memo,        // a multi-line edit box with a vertical scroll bar
  Combo,       // a drop-down list without typing
  Check,
  Option,
  Line,        // a horizontal line
};

struct FontSpec {
  std::u16string_view face = u"微软雅黑";
  double points = 9;
  bool underline = false;
};

struct ControlSpec {
  Ctl id = Ctl::Form;
  Kind kind = Kind::Label;
  Ctl parent = Ctl::Form;
  TwipRect rect;
  std::u16string_view caption;
  FontSpec font;
  std::optional<Colour> colour;   // text colour; nothing: the system's
  bool caption_colour = false;    // frames: the colour of active title bars
  int max_length = 0;             // edit boxes; 0: no limit
  bool visible = true;
  bool enabled = true;
  bool checked = false;
  bool hand = false;              // hand pointer
  bool ime_off = false;
  std::vector<std::u16string_view> entries;  // drop-down lists
};

// Every control but the window, in creation order (a parent before its children, the tab order
// within a parent).
const std::vector<ControlSpec>& DesignControls();
const ControlSpec& Spec(Ctl id);

inline constexpr int kDesignClientWidth = 12030;
inline constexpr int kDesignClientHeight = 6690;
inline constexpr TwipSize kMinimumOuterSize{12150, 7500};
inline constexpr TwipSize kMaximisedSavedSize{11500, 6360};

// The seven panels, in the dispatcher's order.
inline constexpr Ctl kPanels[] = {Ctl::Frame1, Ctl::Frame2, Ctl::Frame3, Ctl::Frame4,
                                  Ctl::Frame5, Ctl::Frame6, Ctl::Frame7};

}  // namespace norvella::text_tool
