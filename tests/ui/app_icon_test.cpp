#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "named_rows.h"
#include "ui/app_icon.h"

namespace fokuro {
namespace {

// Just enough of XPM 3 for a one-character-per-pixel picture with "c" colour keys.
struct Xpm {
  int width = 0, height = 0, colours = 0, charsPerPixel = 0;
  std::map<char, std::string> colourOf;  // "None" or "#RRGGBB", upper case
  std::vector<std::string> rows;
};

std::string Upper(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
  });
  return text;
}

std::optional<Xpm> ParseXpm(std::span<const char* const> lines) {
  Xpm xpm;
  if (lines.empty()) {
    return std::nullopt;
  }
  std::istringstream header(lines[0]);
  if (!(header >> xpm.width >> xpm.height >> xpm.colours >> xpm.charsPerPixel)) {
    return std::nullopt;
  }
  if (xpm.charsPerPixel != 1 || xpm.colours < 1 || xpm.height < 0 ||
      lines.size() !=
          1 + static_cast<std::size_t>(xpm.colours) + static_cast<std::size_t>(xpm.height)) {
    return std::nullopt;
  }
  for (std::size_t i = 1; i <= static_cast<std::size_t>(xpm.colours); ++i) {
    const std::string_view line = lines[i];
    std::istringstream rest{std::string(line.substr(1))};
    std::string key, value;
    if (line.empty() || !(rest >> key >> value) || key != "c" ||
        !xpm.colourOf.emplace(line[0], Upper(value)).second) {
      return std::nullopt;
    }
  }
  for (std::size_t i = 1 + static_cast<std::size_t>(xpm.colours); i < lines.size(); ++i) {
    xpm.rows.emplace_back(lines[i]);
  }
  return xpm;
}

// The standard 16-colour palette.
const std::set<std::string> kPalette = {
    "#000000", "#800000", "#008000", "#808000", "#000080", "#800080", "#008080", "#C0C0C0",
    "#808080", "#FF0000", "#00FF00", "#FFFF00", "#0000FF", "#FF00FF", "#00FFFF", "#FFFFFF"};

class AppIconTest : public ::testing::Test {
 protected:
  void SetUp() override {
    parsed = ParseXpm(AppIcon().xpm);
    ASSERT_TRUE(parsed.has_value()) << "the icon is not a one-character-per-pixel XPM";
  }

  std::string ColourAt(int x, int y) const {
    return parsed->colourOf.at(
        parsed->rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)]);
  }

  struct Pixel {
    int x, y;
  };
  std::vector<Pixel> PixelsOf(const std::string& colour) const {
    std::vector<Pixel> pixels;
    for (int y = 0; y < parsed->height; ++y) {
      for (int x = 0; x < parsed->width; ++x) {
        if (ColourAt(x, y) == colour) {
          pixels.push_back({x, y});
        }
      }
    }
    return pixels;
  }

  std::optional<Xpm> parsed;
};

TEST_F(AppIconTest, HasItsResourceNumber) {
  EXPECT_EQ(AppIcon().id, 128u);
}

TEST_F(AppIconTest, Is32By32WithEveryPixelInTheColourTable) {
  EXPECT_EQ(parsed->width, 32);
  EXPECT_EQ(parsed->height, 32);
  ASSERT_EQ(parsed->rows.size(), 32u);
  for (std::size_t y = 0; y < parsed->rows.size(); ++y) {
    ASSERT_EQ(parsed->rows[y].size(), 32u) << "row " << y;
    for (const char c : parsed->rows[y]) {
      EXPECT_TRUE(parsed->colourOf.contains(c)) << "row " << y << " uses '" << c << "'";
    }
  }
}

TEST_F(AppIconTest, UsesAtMostSixteenPaletteColoursAndTransparency) {
  int opaque = 0;
  bool transparent = false;
  for (const auto& [key, colour] : parsed->colourOf) {
    if (colour == "NONE") {
      transparent = true;
      continue;
    }
    ++opaque;
    EXPECT_TRUE(kPalette.contains(colour)) << "'" << key << "' is " << colour;
  }
  EXPECT_LE(opaque, 16);
  EXPECT_TRUE(transparent);
}

TEST_F(AppIconTest, CornersAreTransparent) {
  for (const auto& [x, y] :
       {std::pair{0, 0}, std::pair{31, 0}, std::pair{0, 31}, std::pair{31, 31}}) {
    EXPECT_EQ(ColourAt(x, y), "NONE") << x << ", " << y;
  }
}

TEST_F(AppIconTest, BodyIsGreyAndBlack) {
  EXPECT_FALSE(PixelsOf("#808080").empty());
  EXPECT_FALSE(PixelsOf("#000000").empty());
}

TEST_F(AppIconTest, HasOneSmallMaroonDot) {
  const std::vector<Pixel> maroon = PixelsOf("#800000");
  ASSERT_FALSE(maroon.empty());
  // One dot: every maroon pixel within a 3 x 3 box.
  const auto [minX, maxX] =
      std::minmax_element(maroon.begin(), maroon.end(), [](Pixel a, Pixel b) { return a.x < b.x; });
  const auto [minY, maxY] =
      std::minmax_element(maroon.begin(), maroon.end(), [](Pixel a, Pixel b) { return a.y < b.y; });
  EXPECT_LE(maxX->x - minX->x, 2);
  EXPECT_LE(maxY->y - minY->y, 2);
}

TEST_F(AppIconTest, HasAnOliveStripInTheUpperHalf) {
  const std::vector<Pixel> olive = PixelsOf("#808000");
  ASSERT_GE(olive.size(), 3u);
  for (const Pixel& p : olive) {
    EXPECT_LT(p.y, 16) << p.x << ", " << p.y;
  }
}

TEST_F(AppIconTest, FrontGlassIsSilverAndWhiteAtTheLowerLeft) {
  std::vector<Pixel> glass = PixelsOf("#C0C0C0");
  const std::vector<Pixel> white = PixelsOf("#FFFFFF");
  ASSERT_FALSE(glass.empty());
  ASSERT_FALSE(white.empty());
  glass.insert(glass.end(), white.begin(), white.end());
  for (const Pixel& p : glass) {
    EXPECT_LT(p.x, 16) << p.x << ", " << p.y;
    EXPECT_GE(p.y, 16) << p.x << ", " << p.y;
  }
}

}  // namespace
}  // namespace fokuro
