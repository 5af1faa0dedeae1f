// The example diagrams are the first thing a teacher shows: each one, read back from its file
// and laid out as zuvar-run lays it out, must sit inside its sheet with straight links that
// neither cross each other nor run over a block, and no side of a block may take two links.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "model/FixedWidthMeasurer.h"
#include "model/Link.h"
#include "model/NewShape.h"
#include "model/Schemat.h"
#include "project/ProjectFile.h"
#include "tests/support/RecordingHost.h"

namespace zuvar {
namespace {

constexpr int32_t kMargin = 10;

struct Segment {
  int32_t x1, y1, x2, y2;
  int32_t Left() const { return std::min(x1, x2); }
  int32_t Right() const { return std::max(x1, x2); }
  int32_t Top() const { return std::min(y1, y2); }
  int32_t Bottom() const { return std::max(y1, y2); }
};

struct DrawnLink {
  const TNewShape* source;
  const TNewShape* target;
  const TLink* link;
  std::vector<Segment> segments;
};

std::string Name(const TNewShape& block) {
  std::ostringstream out;
  out << "block " << block.Id << " \"" << block.Caption << "\"";
  return out.str();
}

std::string Name(const DrawnLink& link) {
  return "link " + Name(*link.source) + " -> " + Name(*link.target);
}

std::vector<DrawnLink> LinksOf(const TSchemat& diagram) {
  std::vector<DrawnLink> links;
  for (const TNewShape* b = diagram.FirstBlock; b != nullptr; b = b->Next) {
    for (const auto& [link, target] : {std::pair{b->OutLink.get(), b->BlockLink},
                                       std::pair{b->OutLinkFalse.get(), b->BlockLinkFalse}}) {
      if (link == nullptr) continue;
      DrawnLink drawn{b, target, link, {}};
      for (const TLine* line = link->FirstLine; line != nullptr; line = line->NextLine)
        drawn.segments.push_back({line->X1, line->Y1, line->X2, line->Y2});
      links.push_back(drawn);
    }
  }
  return links;
}

// Two axis-parallel segments share at least one point.
bool Touch(const Segment& a, const Segment& b) {
  return a.Left() <= b.Right() && b.Left() <= a.Right() && a.Top() <= b.Bottom() &&
         b.Top() <= a.Bottom();
}

// The segment passes through the inside of the block (its outline may be touched).
bool RunsOver(const Segment& s, const TNewShape& block) {
  const int32_t right = block.Left + block.Width;
  const int32_t bottom = block.Top + block.Height;
  if (s.x1 == s.x2)
    return block.Left < s.x1 && s.x1 < right &&
           std::max(s.Top(), block.Top) < std::min(s.Bottom(), bottom);
  return block.Top < s.y1 && s.y1 < bottom &&
         std::max(s.Left(), block.Left) < std::min(s.Right(), right);
}

class ExampleLayoutTest : public ::testing::TestWithParam<std::string> {
 protected:
  void SetUp() override {
    test::TRecordingHost host;
    ASSERT_TRUE(ReadProjectFile(GetParam(), diagram_, host)) << GetParam();
    diagram_.LayoutAll(TFixedWidthMeasurer());
    links_ = LinksOf(diagram_);
  }
  TSchemat diagram_;
  std::vector<DrawnLink> links_;
};

TEST_P(ExampleLayoutTest, BlocksAndLinksLieInsideTheSheetWithAMargin) {
  const int32_t right = diagram_.SheetWidth - kMargin;
  const int32_t bottom = diagram_.SheetHeight - kMargin;
  for (const TNewShape* b = diagram_.FirstBlock; b != nullptr; b = b->Next) {
    EXPECT_GE(b->Left, kMargin) << Name(*b);
    EXPECT_GE(b->Top, kMargin) << Name(*b);
    EXPECT_LE(b->Left + b->Width, right) << Name(*b);
    EXPECT_LE(b->Top + b->Height, bottom) << Name(*b);
  }
  for (const DrawnLink& link : links_) {
    for (const Segment& s : link.segments) {
      EXPECT_TRUE(s.Left() >= kMargin && s.Top() >= kMargin && s.Right() <= right &&
                  s.Bottom() <= bottom)
          << Name(link);
    }
  }
}

TEST_P(ExampleLayoutTest, BlocksDoNotOverlap) {
  for (const TNewShape* a = diagram_.FirstBlock; a != nullptr; a = a->Next) {
    for (const TNewShape* b = a->Next; b != nullptr; b = b->Next) {
      const bool apart = a->Left + a->Width < b->Left || b->Left + b->Width < a->Left ||
                         a->Top + a->Height < b->Top || b->Top + b->Height < a->Top;
      EXPECT_TRUE(apart) << Name(*a) << " overlaps " << Name(*b);
    }
  }
}

TEST_P(ExampleLayoutTest, StraightLinksRunStraight) {
  for (const DrawnLink& link : links_) {
    const int32_t code = link.link->LinkCode;
    if (code == 65 || code == 20) {
      EXPECT_EQ(link.link->StartX, link.link->EndX) << Name(link);
    }
    if (code == 35 || code == 50) {
      EXPECT_EQ(link.link->StartY, link.link->EndY) << Name(link);
    }
  }
}

TEST_P(ExampleLayoutTest, LinksNeitherCrossNorTouchEachOther) {
  for (std::size_t i = 0; i < links_.size(); ++i) {
    for (std::size_t j = i + 1; j < links_.size(); ++j) {
      bool touch = false;
      for (const Segment& a : links_[i].segments)
        for (const Segment& b : links_[j].segments) touch = touch || Touch(a, b);
      EXPECT_FALSE(touch) << Name(links_[i]) << " crosses " << Name(links_[j]);
    }
  }
}

TEST_P(ExampleLayoutTest, LinksDoNotRunOverBlocks) {
  for (const DrawnLink& link : links_) {
    for (const TNewShape* b = diagram_.FirstBlock; b != nullptr; b = b->Next) {
      if (b == link.source || b == link.target) continue;
      for (const Segment& s : link.segments)
        EXPECT_FALSE(RunsOver(s, *b)) << Name(link) << " runs over " << Name(*b);
    }
  }
}

TEST_P(ExampleLayoutTest, EverySideOfABlockTakesAtMostOneLink) {
  for (const TNewShape* b = diagram_.FirstBlock; b != nullptr; b = b->Next) {
    std::vector<int32_t> sides;
    for (const DrawnLink& link : links_) {
      if (link.target == b) sides.push_back(link.link->LinkCode % 16);
      if (link.source == b) sides.push_back(link.link->LinkCode / 16 % 16);
    }
    std::sort(sides.begin(), sides.end());
    EXPECT_EQ(std::adjacent_find(sides.begin(), sides.end()), sides.end())
        << Name(*b) << " has two links on one side";
  }
}

std::vector<std::string> ExampleFiles() {
  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(ZUVAR_EXAMPLES_DIR))
    if (entry.path().extension() == ".bin") files.push_back(entry.path().string());
  std::sort(files.begin(), files.end());
  return files;
}

std::string ExampleName(const ::testing::TestParamInfo<std::string>& info) {
  return std::filesystem::path(info.param).stem().string();
}

INSTANTIATE_TEST_SUITE_P(Examples, ExampleLayoutTest, ::testing::ValuesIn(ExampleFiles()),
                         ExampleName);

}  // namespace
}  // namespace zuvar
