#include "modules/module_library.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "storage/qt/xlsx_module.h"

namespace vantrel {
namespace {

TEST(ModuleLibraryTest, FindsTheProgramsModulesBesideItAndLoadsEachOnce) {
  std::string problem;
  const auto* first = LoadModuleAs<XlsxModule>(kXlsxModuleFile, &problem);
  ASSERT_NE(first, nullptr) << problem;
  EXPECT_NE(first->write_file, nullptr);
  EXPECT_EQ(LoadModuleAs<XlsxModule>(kXlsxModuleFile, &problem), first);
}

TEST(ModuleLibraryTest, RefusesWhatIsNoModuleOfThisBuildAndSaysWhy) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("vantrel_modules_" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  std::ofstream(folder / "garbage.so") << "not a shared object";
  std::string problem;

  EXPECT_EQ(LoadModule("missing.so", &problem, folder.string()), nullptr);
  EXPECT_NE(problem.find("missing.so"), std::string::npos) << problem;

  problem.clear();
  EXPECT_EQ(LoadModule("garbage.so", &problem, folder.string()), nullptr);
  EXPECT_NE(problem.find("garbage.so"), std::string::npos) << problem;

  // Built from this source tree, but stamped as another build.
  problem.clear();
  EXPECT_EQ(LoadModule("foreign.so", &problem, VANTREL_TEST_MODULE_FOLDER), nullptr);
  EXPECT_NE(problem.find("not a module of this build"), std::string::npos) << problem;

  problem.clear();
  EXPECT_EQ(LoadModule("xlsx.so", &problem, ""), nullptr);
  EXPECT_FALSE(problem.empty());
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace vantrel
