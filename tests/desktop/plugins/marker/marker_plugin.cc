// A plugin whose code, once it runs at all, leaves a marker file behind: built once with
// this build's metadata and once with another build's (other_build/).
#include <QObject>
#include <cstdlib>
#include <fstream>

#include "tests/desktop/plugins/marker/marker.h"

namespace {

// Runs when the plugin is loaded, before any of its functions is called.
const bool kMarked = [] {
  if (const char* path = std::getenv(kMarkerVariable)) std::ofstream(path) << "loaded\n";
  return true;
}();

class MarkerPlugin final : public QObject, public Marker {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID VANTREL_TEST_MARKER_IID FILE "vantrel_build.json")
  Q_INTERFACES(Marker)

 public:
  int Answer() const override { return kMarked ? 42 : 0; }
};

}  // namespace

#include "marker_plugin.moc"
