#include "desktop/notebook/wrapped_label.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QLabel>
#include <QString>

namespace vantrel {
namespace {

// The remembered heights are QLabel's own, and a text, wrap or font they were not measured
// for never gets one of them.
TEST(WrappedLabelTest, GivesQLabelsHeightForEachTextWidthWrapAndFont) {
  WrappedLabel remembering;
  QLabel plain;
  const QString description = QStringLiteral(
      "a thick green dashed triangle with spokes, turned a little to the left, "
      "large and very pale, drawn again and again");
  const auto same = [&](const QString& text, int width) {
    remembering.setText(text);
    plain.setText(text);
    EXPECT_EQ(remembering.heightForWidth(width), plain.heightForWidth(width)) << width;
    return remembering.heightForWidth(width);
  };
  for (QLabel* label : {static_cast<QLabel*>(&remembering), &plain}) label->setWordWrap(true);
  const int narrow = same(description, 120);
  EXPECT_LT(same(description, 600), narrow);
  same(QStringLiteral("a line"), 120);
  EXPECT_EQ(same(description, 120), narrow);

  QFont larger = remembering.font();
  larger.setPointSizeF(larger.pointSizeF() * 2);
  remembering.setFont(larger);
  plain.setFont(larger);
  EXPECT_GT(same(description, 120), narrow);

  for (QLabel* label : {static_cast<QLabel*>(&remembering), &plain}) label->setWordWrap(false);
  same(description, 120);
  remembering.setTextFormat(Qt::RichText);
  plain.setTextFormat(Qt::RichText);
  same(QStringLiteral("<b>bold</b> and <i>slanted</i> words ") + description, 120);
}

}  // namespace
}  // namespace vantrel
