#include "desktop/plugins/plugin_loader.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonObject>
#include <QPluginLoader>
#include <filesystem>
#include <map>
#include <mutex>
#include <utility>

namespace vantrel {

namespace {

QString Say(const char* text) { return QCoreApplication::translate("PluginLoader", text); }

}  // namespace

const char* PluginBuild() { return VANTREL_PLUGIN_BUILD; }

QString PluginFolder() {
  // The program does not move while it runs: one look is enough. Read from /proc rather than
  // asked of QCoreApplication, so that it works before one exists.
  static const QString kFolder = [] {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return QString();
    return QString::fromStdString(
        (program.parent_path() / VANTREL_PLUGIN_DIR_FROM_BIN).lexically_normal().string());
  }();
  return kFolder;
}

QObject* LoadPlugin(const QString& file_name, const char* iid, std::string* problem,
                    const QString& folder) {
  // Plugins are never unloaded: windows and objects they made may live until the end.
  static std::mutex mutex;
  static std::map<QString, std::pair<QObject*, std::string>> loaded;  // root and IID
  const QString path = folder + QLatin1Char('/') + file_name;
  const std::lock_guard lock(mutex);
  if (const auto found = loaded.find(path); found != loaded.end()) {
    if (found->second.second == iid) return found->second.first;
    *problem = Say("%1: does not offer %2").arg(path, QLatin1String(iid)).toStdString();
    return nullptr;
  }

  if (folder.isEmpty()) {
    *problem = Say("the program's own folder cannot be found").toStdString();
    return nullptr;
  }
  if (!QFileInfo(path).isFile()) {
    *problem = Say("%1 is missing").arg(path).toStdString();
    return nullptr;
  }
  QPluginLoader loader(path);
  // Read from the file itself: nothing of the plugin runs before these checks pass.
  const QJsonObject metadata = loader.metaData();
  const QString build =
      metadata.value(QLatin1String("MetaData")).toObject().value(QLatin1String("build")).toString();
  if (build != QLatin1String(PluginBuild())) {
    *problem = Say("%1: not a plugin of this build of Vantrel").arg(path).toStdString();
    return nullptr;
  }
  if (metadata.value(QLatin1String("IID")).toString() != QLatin1String(iid)) {
    *problem = Say("%1: does not offer %2").arg(path, QLatin1String(iid)).toStdString();
    return nullptr;
  }
  QObject* root = loader.instance();
  if (root == nullptr) {
    *problem = (path + QStringLiteral(": ") + loader.errorString()).toStdString();
    return nullptr;
  }
  loaded.emplace(path, std::make_pair(root, std::string(iid)));
  return root;
}

}  // namespace vantrel
