#ifndef VANTREL_TESTS_DESKTOP_PLUGINS_MARKER_MARKER_H_
#define VANTREL_TESTS_DESKTOP_PLUGINS_MARKER_MARKER_H_

#include <QtPlugin>

// The test plugin's interface. Loading the plugin runs its static initialiser, which
// writes the file named by kMarkerVariable; the loader's checks must come before that.
inline constexpr char kMarkerVariable[] = "VANTREL_TEST_PLUGIN_MARKER";

class Marker {
 public:
  virtual ~Marker() = default;
  // A fixed number, to show that the plugin answers.
  virtual int Answer() const = 0;
};

#define VANTREL_TEST_MARKER_IID "org.quorvane.Vantrel.Test.Marker/1.0"
Q_DECLARE_INTERFACE(Marker, VANTREL_TEST_MARKER_IID)

#endif  // VANTREL_TESTS_DESKTOP_PLUGINS_MARKER_MARKER_H_
