#include "tests/desktop/pseudo/widget_walk.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolButton>
#include <algorithm>

#include "tests/desktop/pseudo/pseudo_text.h"

namespace vantrel::testing {

namespace {

// Items read from a model: enough to see every kind of text a view holds.
constexpr int kItemRows = 20;

// The widget's name in reports: its object name, else its class.
QString NameOf(const QWidget& widget) {
  return widget.objectName().isEmpty() ? QString::fromLatin1(widget.metaObject()->className())
                                       : widget.objectName();
}

QString PathOf(const QWidget& widget, const QWidget& window) {
  QString path = NameOf(widget);
  for (const QWidget* up = widget.parentWidget(); up != nullptr && up != &window;
       up = up->parentWidget()) {
    path = NameOf(*up) + QLatin1Char('/') + path;
  }
  return path;
}

// A label's or button's text as it reads on screen: rich text as plain, "&&" as "&" and
// the mnemonic's "&" gone.
QString Readable(const QString& text, bool rich = false) {
  if (rich) {
    QTextDocument document;
    document.setHtml(text);
    return document.toPlainText();
  }
  QString plain = text;
  plain.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
  plain.remove(QLatin1Char('&'));
  plain.replace(QLatin1Char('\x01'), QLatin1Char('&'));
  return plain;
}

// Whether every line of `text` fits in `room` in `metrics`' font: as wide as it advances,
// and as tall as its ink (a label a pixel shorter than the font's full height still shows
// "57" whole).
bool Fits(const QFontMetrics& metrics, const QString& text, QRect room) {
  const QStringList lines = text.split(QLatin1Char('\n'));
  int ink = 0;
  for (const QString& line : lines) {
    if (metrics.horizontalAdvance(line) > room.width()) return false;
    ink = std::max(ink, metrics.tightBoundingRect(line).height());
  }
  return metrics.lineSpacing() * (lines.size() - 1) + ink <= room.height();
}

class Walker {
 public:
  Walker(QWidget& window, const QString& view, Findings& findings)
      : window_(window), view_(view), findings_(findings) {}

  void Walk() {
    Text(window_, window_.windowTitle());
    Visit(window_);
  }

 private:
  void Text(const QWidget& widget, const QString& text) {
    for (const QString& piece : UntranslatedPieces(text)) {
      AddFinding(findings_, piece, Where(widget));
    }
  }
  void CutOff(const QWidget& widget, const QString& text) {
    AddFinding(findings_, QStringLiteral("cut off: ") + text.simplified(), Where(widget));
  }
  QString Where(const QWidget& widget) const {
    return view_ + QStringLiteral(" / ") + PathOf(widget, window_);
  }

  // Whether some of `widget` lies inside the window: the main window's compact width
  // keeps the advanced controls beyond its edge.
  bool InSight(const QWidget& widget) const {
    const QRect place(widget.mapTo(&window_, QPoint(0, 0)), widget.size());
    return place.intersects(window_.rect());
  }

  void Visit(QWidget& widget) {
    Text(widget, widget.toolTip());
    Spoken(widget);
    Shown(widget);
    CheckOverlaps(widget);
    for (QObject* child : widget.children()) {
      auto* inner = qobject_cast<QWidget*>(child);
      if (inner != nullptr && !inner->isWindow() && inner->isVisible() && InSight(*inner)) {
        Visit(*inner);
      }
    }
  }

  // What a screen reader is told: the accessible name and description, explicit or made
  // by Qt from the widget's text.
  void Spoken(QWidget& widget) {
    Text(widget, widget.accessibleName());
    Text(widget, widget.accessibleDescription());
    if (QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(&widget)) {
      Text(widget, spoken->text(QAccessible::Name));
      Text(widget, spoken->text(QAccessible::Description));
    }
  }

  void Shown(QWidget& widget) {
    if (auto* label = qobject_cast<QLabel*>(&widget)) {
      Label(*label);
    } else if (auto* button = qobject_cast<QAbstractButton*>(&widget)) {
      Button(*button);
    } else if (auto* group = qobject_cast<QGroupBox*>(&widget)) {
      Text(*group, group->title());
      if (group->fontMetrics().horizontalAdvance(group->title()) > group->width()) {
        CutOff(*group, group->title());
      }
    } else if (auto* edit = qobject_cast<QLineEdit*>(&widget)) {
      Text(*edit, edit->text());
      Text(*edit, edit->placeholderText());
    } else if (auto* combo = qobject_cast<QComboBox*>(&widget)) {
      Combo(*combo);
    } else if (auto* tabs = qobject_cast<QTabBar*>(&widget)) {
      Tabs(*tabs);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(&widget)) {
      Text(*plain, plain->toPlainText());
      Text(*plain, plain->placeholderText());
    } else if (auto* rich = qobject_cast<QTextEdit*>(&widget)) {
      Text(*rich, rich->toPlainText());
    } else if (auto* header = qobject_cast<QHeaderView*>(&widget)) {
      Header(*header);
    } else if (auto* items = qobject_cast<QAbstractItemView*>(&widget)) {
      Items(*items);
    } else if (auto* graphics = qobject_cast<QGraphicsView*>(&widget)) {
      Scene(*graphics);
    } else if (auto* menu = qobject_cast<QMenu*>(&widget)) {
      for (const QAction* action : menu->actions()) Text(*menu, Readable(action->text()));
    }
  }

  void Label(QLabel& label) {
    if (label.text().isEmpty()) return;
    const bool rich = label.textFormat() == Qt::RichText ||
                      (label.textFormat() == Qt::AutoText && Qt::mightBeRichText(label.text()));
    const QString text = Readable(label.text(), rich);
    Text(label, text);
    bool fits = true;
    if (label.wordWrap()) {
      fits = label.heightForWidth(label.width()) <= label.height();
    } else if (rich) {
      fits = label.sizeHint().width() <= label.width();
    } else {
      const int margin = label.margin();
      fits = Fits(label.fontMetrics(), text,
                  label.contentsRect().adjusted(margin, margin, -margin, -margin));
    }
    if (!fits) CutOff(label, text);
  }

  void Button(QAbstractButton& button) {
    const QString text = Readable(button.text());
    Text(button, text);
    if (text.isEmpty()) return;
    QRect room;
    QStyleOptionButton option;
    option.initFrom(&button);
    if (qobject_cast<QPushButton*>(&button) != nullptr) {
      room = button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
    } else if (qobject_cast<QCheckBox*>(&button) != nullptr) {
      room = button.style()->subElementRect(QStyle::SE_CheckBoxContents, &option, &button);
    } else if (qobject_cast<QRadioButton*>(&button) != nullptr) {
      room = button.style()->subElementRect(QStyle::SE_RadioButtonContents, &option, &button);
    } else if (auto* tool = qobject_cast<QToolButton*>(&button)) {
      // A tool button shows its text when it has no picture or is told to.
      if (tool->toolButtonStyle() == Qt::ToolButtonIconOnly && !tool->icon().isNull()) return;
      room = tool->rect().adjusted(2, 2, -2, -2);
    } else {
      room = button.rect();
    }
    if (!button.icon().isNull() && qobject_cast<QToolButton*>(&button) == nullptr) {
      room.setLeft(room.left() + button.iconSize().width() + 4);
    }
    if (!Fits(button.fontMetrics(), text, room)) CutOff(button, text);
  }

  void Combo(QComboBox& combo) {
    for (int i = 0; i < combo.count(); ++i) {
      Text(combo, combo.itemText(i));
      Text(combo, combo.itemData(i, Qt::ToolTipRole).toString());
    }
    const QString current = combo.currentText();
    const int room = combo.width() - combo.style()->pixelMetric(QStyle::PM_ComboBoxFrameWidth) * 2 -
                     combo.style()->pixelMetric(QStyle::PM_MenuButtonIndicator);
    if (!current.isEmpty() && combo.fontMetrics().horizontalAdvance(current) > room) {
      CutOff(combo, current);
    }
  }

  void Tabs(QTabBar& tabs) {
    for (int i = 0; i < tabs.count(); ++i) {
      Text(tabs, tabs.tabText(i));
      Text(tabs, tabs.tabToolTip(i));
      // A squeezed tab elides its title; one beyond the bar's end hides it.
      const QRect place = tabs.tabRect(i);
      const int needed = tabs.fontMetrics().horizontalAdvance(Readable(tabs.tabText(i))) +
                         tabs.style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, &tabs);
      if (place.width() < needed || !tabs.rect().contains(place)) {
        CutOff(tabs, tabs.tabText(i));
      }
    }
  }

  void Header(QHeaderView& header) {
    const QAbstractItemModel* model = header.model();
    if (model == nullptr) return;
    const int margin = header.style()->pixelMetric(QStyle::PM_HeaderMargin) * 2;
    for (int section = 0; section < header.count(); ++section) {
      if (header.isSectionHidden(section)) continue;
      const QString title =
          model->headerData(section, header.orientation(), Qt::DisplayRole).toString();
      Text(header, title);
      Text(header, model->headerData(section, header.orientation(), Qt::ToolTipRole).toString());
      const int room =
          header.orientation() == Qt::Horizontal ? header.sectionSize(section) : header.width();
      if (header.fontMetrics().horizontalAdvance(title) + margin > room) CutOff(header, title);
    }
  }

  void Items(QAbstractItemView& view) {
    const QAbstractItemModel* model = view.model();
    if (model == nullptr) return;
    for (int row = 0; row < std::min(model->rowCount(view.rootIndex()), kItemRows); ++row) {
      for (int col = 0; col < model->columnCount(view.rootIndex()); ++col) {
        const QModelIndex index = model->index(row, col, view.rootIndex());
        Text(view, model->data(index, Qt::DisplayRole).toString());
        Text(view, model->data(index, Qt::ToolTipRole).toString());
        Text(view, model->data(index, Qt::AccessibleTextRole).toString());
      }
    }
  }

  void Scene(QGraphicsView& view) {
    if (view.scene() == nullptr) return;
    for (const QGraphicsItem* item : view.scene()->items()) {
      if (!item->isVisible()) continue;
      if (const auto* text = dynamic_cast<const QGraphicsTextItem*>(item)) {
        Text(view, text->toPlainText());
      } else if (const auto* simple = dynamic_cast<const QGraphicsSimpleTextItem*>(item)) {
        Text(view, simple->text());
      }
    }
  }

  // Visible sibling controls must not lie over one another. Qt's own parts of a widget
  // (named "qt_...") are left to Qt.
  void CheckOverlaps(const QWidget& parent) {
    std::vector<const QWidget*> shown;
    for (const QObject* child : parent.children()) {
      const auto* sibling = qobject_cast<const QWidget*>(child);
      if (sibling == nullptr || sibling->isWindow() || !sibling->isVisible() ||
          !InSight(*sibling) || sibling->objectName().startsWith(QLatin1String("qt_"))) {
        continue;
      }
      shown.push_back(sibling);
    }
    for (std::size_t a = 0; a < shown.size(); ++a) {
      for (std::size_t b = a + 1; b < shown.size(); ++b) {
        // A shared edge of a pixel is not one control over another.
        const QRect common = shown[a]->geometry().intersected(shown[b]->geometry());
        if (common.width() > 1 && common.height() > 1) {
          AddFinding(findings_,
                     QStringLiteral("overlap: %1 / %2")
                         .arg(PathOf(*shown[a], window_), PathOf(*shown[b], window_)),
                     view_);
        }
      }
    }
  }

  QWidget& window_;
  QString view_;
  Findings& findings_;
};

}  // namespace

void WalkWindow(QWidget& window, const QString& view, Findings& findings) {
  Walker(window, view, findings).Walk();
}

void WalkText(const QString& text, const QString& where, Findings& findings) {
  for (const QString& piece : UntranslatedPieces(text)) AddFinding(findings, piece, where);
}

}  // namespace vantrel::testing
