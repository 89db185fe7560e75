#include "monster/fields.h"

#include <gtest/gtest.h>

namespace veldarin {
namespace {

TEST(FieldIndexTest, MapsCatalogueIdsAndRejectsOthers) {
  const struct {
    FieldId id;
    int index;
  } cases[] = {
      {FIELD_NAME, 0},
      {FIELD_HIT_POINTS, 3},
      {FIELD_ABBR_ATTACKS, 9},
      {FIELD_ADVANCEMENT, 22},
      {FIELD_BASE_ATTACK, 23},
      {100, -1},
      {125, -1},
      {0, -1},
      {-101, -1},
  };
  for (const auto& c : cases) EXPECT_EQ(fieldIndex(c.id), c.index) << c.id;
}

TEST(FieldIdAtTest, RoundTripsEveryPositionAndRejectsOthers) {
  EXPECT_EQ(fieldIdAt(0), FIELD_NAME);
  EXPECT_EQ(fieldIdAt(23), FIELD_BASE_ATTACK);
  for (int p = 0; p < FIELD_COUNT; ++p) EXPECT_EQ(fieldIndex(fieldIdAt(p)), p);
  EXPECT_EQ(fieldIdAt(-1), FIELD_NONE);
  EXPECT_EQ(fieldIdAt(24), FIELD_NONE);
}

TEST(FieldTableTest, NoLabelBeginsAnother) {
  // The loader classifies a line by the first label it begins with, so this must hold.
  for (const FieldInfo& a : fieldTable) {
    for (const FieldInfo& b : fieldTable) {
      if (a.id == b.id) continue;
      EXPECT_FALSE(a.label.starts_with(b.label)) << a.label << " " << b.label;
    }
  }
}

}  // namespace
}  // namespace veldarin
