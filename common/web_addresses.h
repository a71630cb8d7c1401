#pragma once
// The web sites the programs open. Only the paths are fixed by the programs; the hosts are kept
// here, in one place.
#include <string>
#include <string_view>

namespace norvella::web {

inline constexpr std::u16string_view kMakerSite = u"https://www.kelmora.cn";
inline constexpr std::u16string_view kCommunitySite = u"https://bbs.kelmora.cn";

// Paths on the maker's site.
inline constexpr std::u16string_view kHomePath = u"/";
inline constexpr std::u16string_view kTeamPath = u"/team/";
inline constexpr std::u16string_view kNorvellaPath = u"/soft/norvella.htm";
inline constexpr std::u16string_view kNorvellaHelpPath = u"/soft/norvella-help.htm";
inline constexpr std::u16string_view kSkinCentrePath = u"/soft/skincenter.htm";
inline constexpr std::u16string_view kScrivletHelpPath = u"/soft/scrivlet-help.htm";

inline std::u16string MakerPage(std::u16string_view path) {
  std::u16string address(kMakerSite);
  address += path;
  return address;
}

}  // namespace norvella::web
