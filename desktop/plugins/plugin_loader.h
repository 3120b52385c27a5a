#ifndef VANTREL_DESKTOP_PLUGINS_PLUGIN_LOADER_H_
#define VANTREL_DESKTOP_PLUGINS_PLUGIN_LOADER_H_

#include <QObject>
#include <QString>
#include <string>

namespace vantrel {

// The build this program comes from, as every plugin of it names it in its metadata.
const char* PluginBuild();

// The folder the program's plugins are in: beside the program's own folder as installed
// (bin/../lib/<arch>/vantrel), and the same in the build tree.
QString PluginFolder();

// The root object of the plugin file `file_name` in `folder`, loaded once and kept until the
// program ends, or null with `problem` saying why it cannot be used: missing, not a plugin,
// from another build, or not offering the interface `iid`. The metadata is read from the
// file before any code of the plugin runs, so a plugin of another build never runs at all.
QObject* LoadPlugin(const QString& file_name, const char* iid, std::string* problem,
                    const QString& folder = PluginFolder());

// The plugin's interface `Interface` (declared with Q_DECLARE_INTERFACE), or null with
// `problem` saying why.
template <typename Interface>
Interface* LoadPluginAs(const QString& file_name, std::string* problem) {
  const char* iid = qobject_interface_iid<Interface*>();
  problem->clear();
  Interface* plugin = qobject_cast<Interface*>(LoadPlugin(file_name, iid, problem));
  if (plugin == nullptr && problem->empty()) {
    *problem =
        (PluginFolder() + QLatin1Char('/') + file_name).toStdString() + ": does not offer " + iid;
  }
  return plugin;
}

}  // namespace vantrel

#endif  // VANTREL_DESKTOP_PLUGINS_PLUGIN_LOADER_H_
