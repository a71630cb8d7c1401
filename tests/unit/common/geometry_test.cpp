#include "common/geometry.h"

#include <gtest/gtest.h>

namespace norvella {
namespace {

TEST(Geometry, TwipsAndPixelsAtCommonDpis) {
  const struct {
    int twips, dpi, pixels;
  } cases[] = {
      {3705, 96, 247}, {3800, 96, 253}, {1500, 96, 100}, {240, 96, 16}, {240, 120, 20},
      {240, 144, 24},  {240, 192, 32},  {-300, 96, -20}, {50, 96, 3},   {17, 96, 1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TwipsToPixels(c.twips, c.dpi), c.pixels) << c.twips << " at " << c.dpi;
  }
  EXPECT_EQ(PixelsToTwips(253, 96), 3795);
  EXPECT_EQ(PixelsToTwips(20, 120), 240);
}

TEST(Geometry, ReadingBackKeepsTheTwipsThatWereSet) {
  // 3800 twips became 253 pixels: while the window has 253, it is 3800 wide.
  EXPECT_EQ(TwipsForPixels(253, 3800, 96), 3800);
  // Resized by the user since: the pixels count.
  EXPECT_EQ(TwipsForPixels(260, 3800, 96), 3900);
  EXPECT_EQ(TwipsForPixels(0, 0, 96), 0);
}

TEST(Geometry, CentringAndIntersection) {
  EXPECT_EQ(CentredOn({15360, 11520}, {3705, 1500}), (TwipPoint{5827, 5010}));
  const TwipRect screen{0, 0, 15360, 11520};
  EXPECT_TRUE((TwipRect{-3000, 0, 3705, 1500}).Intersects(screen));
  EXPECT_FALSE((TwipRect{-3705, 0, 3705, 1500}).Intersects(screen));
  EXPECT_FALSE((TwipRect{15360, 0, 100, 100}).Intersects(screen));
}

}  // namespace
}  // namespace norvella
