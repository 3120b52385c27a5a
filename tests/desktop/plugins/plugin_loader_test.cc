#include "desktop/plugins/plugin_loader.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <string>

#include "desktop/gallery/svg_writer.h"
#include "desktop/notebook_plugin/notebook_panel.h"
#include "desktop/storage/workbook_writer.h"
#include "tests/desktop/plugins/marker/marker.h"

namespace vantrel {
namespace {

const QString kTestPlugins = QString::fromLatin1(VANTREL_TEST_PLUGIN_FOLDER);

// Each test runs in a process of its own, so the marker plugin's code has not run before.
class PluginLoaderTest : public ::testing::Test {
 protected:
  PluginLoaderTest() { qputenv(kMarkerVariable, QFile::encodeName(marker())); }
  ~PluginLoaderTest() override { qunsetenv(kMarkerVariable); }

  QString marker() const { return dir_.filePath(QStringLiteral("marker")); }
  QObject* Load(const char* file, const char* iid = VANTREL_TEST_MARKER_IID) {
    return LoadPlugin(QString::fromLatin1(file), iid, &problem_, kTestPlugins);
  }
  std::string Path(const char* file) const {
    return (kTestPlugins + QLatin1Char('/') + QString::fromLatin1(file)).toStdString();
  }

  QTemporaryDir dir_;
  std::string problem_;
};

TEST_F(PluginLoaderTest, LoadsAPluginOfThisBuildOnceAndHandsOverItsInterface) {
  QObject* root = Load("marker_this_build.so");
  ASSERT_NE(root, nullptr) << problem_;
  const auto* plugin = qobject_cast<Marker*>(root);
  ASSERT_NE(plugin, nullptr);
  EXPECT_EQ(plugin->Answer(), 42);
  // The marker shows that the plugin's code ran, as the refusals below must prevent.
  EXPECT_TRUE(QFile::exists(marker()));
  EXPECT_EQ(Load("marker_this_build.so"), root);
}

TEST_F(PluginLoaderTest, RefusesAPluginOfAnotherBuildBeforeAnyOfItsCodeRuns) {
  EXPECT_EQ(Load("marker_other_build.so"), nullptr);
  EXPECT_EQ(problem_, Path("marker_other_build.so") + ": not a plugin of this build of Vantrel");
  EXPECT_FALSE(QFile::exists(marker()));
}

TEST_F(PluginLoaderTest, RefusesAPluginOfAnotherInterfaceBeforeAnyOfItsCodeRuns) {
  EXPECT_EQ(Load("marker_this_build.so", "org.quorvane.Vantrel.Test.Marker/2.0"), nullptr);
  EXPECT_EQ(problem_,
            Path("marker_this_build.so") + ": does not offer org.quorvane.Vantrel.Test.Marker/2.0");
  EXPECT_FALSE(QFile::exists(marker()));
}

TEST_F(PluginLoaderTest, NamesAMissingFileOrOneThatIsNoPlugin) {
  EXPECT_EQ(Load("missing.so"), nullptr);
  EXPECT_EQ(problem_, Path("missing.so") + " is missing");

  QFile garbage(dir_.filePath(QStringLiteral("garbage.so")));
  ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
  garbage.write("not a shared object");
  garbage.close();
  EXPECT_EQ(
      LoadPlugin(QStringLiteral("garbage.so"), VANTREL_TEST_MARKER_IID, &problem_, dir_.path()),
      nullptr);
  EXPECT_EQ(problem_, (dir_.path() + QStringLiteral("/garbage.so")).toStdString() +
                          ": not a plugin of this build of Vantrel");
}

// The program's own plugins sit beside its private library and offer their interfaces.
TEST(ProgramPluginsTest, EachOffersItsInterfaceFromThePluginFolder) {
  std::string problem;
  EXPECT_NE(LoadPluginAs<WorkbookWriter>(QString::fromLatin1(kXlsxPluginFile), &problem), nullptr)
      << problem;
  EXPECT_NE(LoadPluginAs<SvgWriter>(QString::fromLatin1(kSvgPluginFile), &problem), nullptr)
      << problem;
  EXPECT_NE(LoadPluginAs<NotebookFactory>(QString::fromLatin1(kNotebookPluginFile), &problem),
            nullptr)
      << problem;
  EXPECT_TRUE(QFile::exists(PluginFolder() + QStringLiteral("/libvantrel_private.so")));
  // Asked for another interface, a loaded plugin says so.
  EXPECT_EQ(LoadPluginAs<SvgWriter>(QString::fromLatin1(kXlsxPluginFile), &problem), nullptr);
  EXPECT_NE(problem.find("does not offer " VANTREL_SVG_WRITER_IID), std::string::npos) << problem;
}

}  // namespace
}  // namespace vantrel
