#include "desktop/app/accessible_widgets.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>

#include "desktop/app/link_label.h"
#include "desktop/app/organism_view.h"

namespace vantrel {

namespace {

// The drawing area: an image, whose description (set by the view) says what it shows.
class OrganismViewAccessible final : public QAccessibleWidget {
 public:
  explicit OrganismViewAccessible(QWidget* view) : QAccessibleWidget(view, QAccessible::Graphic) {}

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) {
      return QCoreApplication::translate("OrganismView", "Organism");
    }
    return QAccessibleWidget::text(kind);
  }
};

// A link label: a link named by its text, which a screen reader can press.
class LinkLabelAccessible final : public QAccessibleWidget {
 public:
  explicit LinkLabelAccessible(LinkLabel* label) : QAccessibleWidget(label, QAccessible::Link) {}

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) {
      return static_cast<const LinkLabel*>(widget())->text();
    }
    return QAccessibleWidget::text(kind);
  }

  QStringList actionNames() const override {
    return QStringList(pressAction()) + QAccessibleWidget::actionNames();
  }

  void doAction(const QString& action) override {
    if (action == pressAction()) {
      emit static_cast<LinkLabel*>(widget())->clicked();
      return;
    }
    QAccessibleWidget::doAction(action);
  }
};

QAccessibleInterface* MakeAccessible(const QString& /*class_name*/, QObject* object) {
  if (auto* view = qobject_cast<OrganismView*>(object)) return new OrganismViewAccessible(view);
  if (auto* link = qobject_cast<LinkLabel*>(object)) return new LinkLabelAccessible(link);
  return nullptr;
}

}  // namespace

void InstallAccessibleWidgets() {
  static bool installed = false;
  if (installed) return;
  QAccessible::installFactory(&MakeAccessible);
  installed = true;
}

}  // namespace vantrel
