#include "platform/qt/text_heights.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace vb {

namespace {

// The height a control's text needs, or 0 for a control that holds no text
// of that kind.
int NeededHeight(const QWidget* control) {
  if (auto* label = qobject_cast<const QLabel*>(control)) {
    if (!label->pixmap().isNull()) return 0;
    return label->wordWrap() ? label->heightForWidth(label->width()) : label->sizeHint().height();
  }
  if (qobject_cast<const QComboBox*>(control) != nullptr) return control->sizeHint().height();
  if (qobject_cast<const QLineEdit*>(control) != nullptr) {
    // The edit line of a list or spin box is sized by its owner.
    const QWidget* owner = control->parentWidget();
    if (qobject_cast<const QComboBox*>(owner) != nullptr ||
        qobject_cast<const QAbstractSpinBox*>(owner) != nullptr) {
      return 0;
    }
    return control->sizeHint().height();
  }
  return 0;
}

bool Overlap(int left1, int right1, int left2, int right2) { return left1 < right2 && left2 < right1; }

// Grows `control`, placed by coordinates in `holder`, to `height`: what lies
// below its old bottom moves down as far as the growth would overlap the
// nearest control under it (or the holder's bottom edge), and the holder
// grows by as much. Returns how far the holder grew.
int GrowInPlace(QWidget* holder, QWidget* control, int height) {
  const QRect old = control->geometry();
  int nearest = holder->height();
  for (QWidget* other : holder->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    const QRect g = other->geometry();
    if (other == control || other->isWindow() || g.top() < old.top() + old.height()) continue;
    if (Overlap(g.left(), g.left() + g.width(), old.left(), old.left() + old.width())) {
      nearest = std::min(nearest, g.top());
    }
  }
  const int shift = std::max(0, old.top() + height - nearest);
  if (shift > 0) {
    for (QWidget* other : holder->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (other != control && !other->isWindow() && other->y() >= old.top() + old.height()) {
        other->move(other->x(), other->y() + shift);
      }
    }
  }
  control->resize(old.width(), height);
  return shift;
}

// Fits the controls of `holder` and of what it holds; returns how far the
// holder itself must grow.
int FitHolder(QWidget* holder) {
  std::vector<QWidget*> children;
  for (QWidget* child : holder->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (!child->isWindow()) children.push_back(child);
  }
  const bool laid_out = holder->layout() != nullptr;
  std::vector<std::pair<QWidget*, int>> growths;
  for (QWidget* child : children) {
    const int needed = NeededHeight(child);
    const bool text = needed > 0;
    const int height = text ? needed : child->height() + FitHolder(child);
    if (!laid_out) {
      if (child->height() < height) growths.emplace_back(child, height);
    } else if (!text || !qobject_cast<QLabel*>(child) || !static_cast<QLabel*>(child)->wordWrap()) {
      // A layout gives a wrapped label the height of its text at its width.
      if (!text && height == child->height()) continue;
      child->setMinimumHeight(std::max(child->minimumHeight(), height));
    }
  }
  if (laid_out) return 0;
  // Top to bottom, so that each growth moves the ones below it once.
  std::stable_sort(growths.begin(), growths.end(),
                   [](const auto& a, const auto& b) { return a.first->y() < b.first->y(); });
  int grown = 0;
  for (const auto& [control, height] : growths) grown += GrowInPlace(holder, control, height);
  return grown;
}

// Grows a laid-out window to the height its layout needs at its width each
// time the window is shown, before it appears.
class GrowOnShow : public QObject {
 public:
  explicit GrowOnShow(QWidget* window) : QObject(window), window_(window) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == window_ && event->type() == QEvent::Show) Grow();
    return false;
  }

 private:
  void Grow() {
    QLayout* layout = window_->layout();
    layout->activate();
    const int needed = layout->hasHeightForWidth() ? layout->totalMinimumHeightForWidth(window_->width())
                                                   : layout->totalMinimumSize().height();
    if (window_->height() < needed) window_->resize(window_->width(), needed);
  }

  QWidget* window_;
};

}  // namespace

void FitTextHeights(QWidget* window) {
  window->ensurePolished();
  const int grown = FitHolder(window);
  if (grown > 0) {
    const bool fixed = window->minimumHeight() == window->maximumHeight();
    const int height = window->height() + grown;
    if (fixed) {
      window->setFixedHeight(height);
    } else {
      window->resize(window->width(), height);
    }
  }
  if (window->layout() != nullptr) window->installEventFilter(new GrowOnShow(window));
}

}  // namespace vb
