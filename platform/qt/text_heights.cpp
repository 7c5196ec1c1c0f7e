#include "platform/qt/text_heights.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

namespace vb {

double FontScale(const QWidget* control) {
  QImage reference(1, 1, QImage::Format_Mono);
  reference.setDotsPerMeterX(3780);
  reference.setDotsPerMeterY(3780);
  return static_cast<double>(control->fontMetrics().height()) /
         QFontMetrics(control->font(), &reference).height();
}

namespace {

// The width an editable drop-down list needs to show its text whole, or 0
// when it shows none.
int NeededListTextWidth(const QComboBox* combo) {
  if (!combo->isEditable() || combo->currentText().isEmpty()) return 0;
  QStyleOptionComboBox option;
  option.initFrom(combo);
  option.editable = true;
  option.frame = combo->hasFrame();
  const QRect box =
      combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
  // The box keeps two pixels on either side of its text, and one for the
  // cursor.
  constexpr int kBoxMargins = 5;
  return combo->fontMetrics().horizontalAdvance(combo->currentText()) + option.rect.width() - box.width() +
         kBoxMargins;
}

// A layout gives a control its least size hint, nothing when it ignores the
// control's width; `width` becomes its least width when that is less.
void KeepWidthInLayout(QWidget* control, int width) {
  const bool ignored = control->sizePolicy().horizontalPolicy() == QSizePolicy::Ignored;
  if (width > std::max(control->minimumWidth(), ignored ? 0 : control->minimumSizeHint().width())) {
    control->setMinimumWidth(width);
  }
  if (width > control->maximumWidth()) control->setMaximumWidth(width);
}

}  // namespace

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

int NeededWidth(const QWidget* control) {
  if (auto* combo = qobject_cast<const QComboBox*>(control)) return NeededListTextWidth(combo);
  if (auto* label = qobject_cast<const QLabel*>(control)) {
    if (!label->pixmap().isNull() || label->wordWrap() || label->text().isEmpty()) return 0;
    return label->sizeHint().width();
  }
  if (auto* button = qobject_cast<const QPushButton*>(control)) {
    if (button->text().isEmpty()) return 0;
    // The caption needs the room inside the button's frame and half the
    // padding the style would put on either side of it.
    QStyleOptionButton option;
    option.initFrom(button);
    if (button->autoDefault() || button->isDefault()) {
      option.features |= QStyleOptionButton::AutoDefaultButton;
    }
    const QStyle* style = button->style();
    const int inside = style->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
    const int padding = style->pixelMetric(QStyle::PM_ButtonMargin, &option, button) / 2;
    return button->fontMetrics().size(Qt::TextShowMnemonic, button->text()).width() + padding +
           button->width() - inside;
  }
  if (qobject_cast<const QCheckBox*>(control) != nullptr ||
      qobject_cast<const QRadioButton*>(control) != nullptr) {
    return control->sizeHint().width();
  }
  return 0;
}

namespace {

// The height at which a list box, `height` tall at the font's size at 96
// dots per inch, shows as many rows at its font; 0 when that is no taller.
int NeededListHeight(const QListView* list, int height) {
  const double scale = FontScale(list);
  if (scale <= 1.0) return 0;
  const int row = list->model() != nullptr && list->model()->rowCount() > 0 ? list->sizeHintForRow(0)
                                                                            : list->fontMetrics().height();
  const int frame = 2 * list->frameWidth();
  const int rows = static_cast<int>((height - frame) * scale / row);
  const int needed = rows * row + frame;
  return needed > height ? needed : 0;
}

bool Overlap(int left1, int right1, int left2, int right2) { return left1 < right2 && left2 < right1; }
// Overlap, or touch.
bool Meet(int top1, int bottom1, int top2, int bottom2) { return top1 <= bottom2 && top2 <= bottom1; }

std::vector<QWidget*> PlacedChildren(const QWidget* holder) {
  std::vector<QWidget*> children;
  for (QWidget* child : holder->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (!child->isWindow()) children.push_back(child);
  }
  return children;
}

bool RightAligned(const QWidget* control) {
  auto* label = qobject_cast<const QLabel*>(control);
  return label != nullptr && (label->alignment() & Qt::AlignRight) != 0;
}

// Widens `control`, placed by coordinates in `holder`, by `growth`, away from
// the side its text is aligned to. The controls beyond it on that side whose
// rows meet or touch its row move by as much, and so, in turn, do the
// controls beyond it whose rows meet or touch a moved one's.
void WidenInPlace(QWidget* holder, QWidget* control, int growth) {
  const QRect old = control->geometry();
  const bool leftwards = RightAligned(control);
  auto beyond = [&](const QRect& g) {
    return leftwards ? g.left() + g.width() <= old.left() : g.left() >= old.left() + old.width();
  };
  std::vector<QWidget*> moving;
  std::vector<QRect> rows{old};
  for (bool added = true; added;) {
    added = false;
    for (QWidget* other : PlacedChildren(holder)) {
      const QRect g = other->geometry();
      if (other == control || !beyond(g) || std::find(moving.begin(), moving.end(), other) != moving.end()) {
        continue;
      }
      for (const QRect& row : rows) {
        if (Meet(g.top(), g.top() + g.height(), row.top(), row.top() + row.height())) {
          moving.push_back(other);
          rows.push_back(g);
          added = true;
          break;
        }
      }
    }
  }
  const int step = leftwards ? -growth : growth;
  for (QWidget* other : moving) other->move(other->x() + step, other->y());
  control->setGeometry(leftwards ? old.left() - growth : old.left(), old.top(), old.width() + growth,
                       old.height());
}

// Grows `control`, placed by coordinates in `holder`, to `height`: what lies
// below its old bottom moves down as far as the growth would overlap the
// nearest control under it (or the holder's bottom edge, `bottom` as far as
// it has grown so far), and the holder grows by as much. Returns how far the
// holder grew.
int GrowInPlace(QWidget* holder, QWidget* control, int height, int bottom) {
  const QRect old = control->geometry();
  int nearest = bottom;
  for (QWidget* other : PlacedChildren(holder)) {
    const QRect g = other->geometry();
    if (other == control || g.top() < old.top() + old.height()) continue;
    if (Overlap(g.left(), g.left() + g.width(), old.left(), old.left() + old.width())) {
      nearest = std::min(nearest, g.top());
    }
  }
  const int shift = std::max(0, old.top() + height - nearest);
  if (shift > 0) {
    for (QWidget* other : PlacedChildren(holder)) {
      if (other != control && other->y() >= old.top() + old.height()) {
        other->move(other->x(), other->y() + shift);
      }
    }
  }
  control->resize(old.width(), height);
  return shift;
}

// Widens the controls of `holder`, placed by coordinates, whose text or
// content (`inner`) needs it, left to right; returns how far the holder must
// widen to keep its left and right margins.
int WidenPlaced(QWidget* holder, const std::map<QWidget*, QSize>& inner) {
  std::vector<QWidget*> children = PlacedChildren(holder);
  if (children.empty()) return 0;
  int left = holder->width();
  int right = 0;
  for (QWidget* child : children) {
    left = std::min(left, child->x());
    right = std::max(right, child->x() + child->width());
  }
  std::stable_sort(children.begin(), children.end(), [](QWidget* a, QWidget* b) { return a->x() < b->x(); });
  for (QWidget* child : children) {
    const int needed = std::max(NeededWidth(child), child->width() + inner.at(child).width());
    if (needed > child->width()) WidenInPlace(holder, child, needed - child->width());
  }
  int new_left = holder->width();
  int new_right = 0;
  for (QWidget* child : children) {
    new_left = std::min(new_left, child->x());
    new_right = std::max(new_right, child->x() + child->width());
  }
  const int shift = std::max(0, left - new_left);
  if (shift > 0) {
    for (QWidget* child : children) child->move(child->x() + shift, child->y());
  }
  return std::max(0, new_right + shift - right);
}

int Scaled(int length, double scale) { return static_cast<int>(std::lround(length * scale)); }

// A window, frame or plain panel places what it holds; any other control
// places its own parts.
bool PlacesChildren(const QWidget* holder) {
  const QMetaObject* kind = holder->metaObject();
  return holder->isWindow() || qobject_cast<const QGroupBox*>(holder) != nullptr ||
         kind == &QWidget::staticMetaObject || kind == &QFrame::staticMetaObject;
}

// The least and greatest widths a control in a layout is given, but for a
// picture's, are for 96 dots per inch: they take `scale` times as much. So
// does the width a list or text box asks for, which Qt gives in pixels.
void ScaleWidthLimits(QWidget* control, double scale) {
  const auto* label = qobject_cast<const QLabel*>(control);
  if (label != nullptr && !label->pixmap().isNull()) return;
  if (control->maximumWidth() < QWIDGETSIZE_MAX) {
    control->setMaximumWidth(Scaled(control->maximumWidth(), scale));
  }
  if (control->minimumWidth() > 0) control->setMinimumWidth(Scaled(control->minimumWidth(), scale));
  if (qobject_cast<const QAbstractScrollArea*>(control) != nullptr) {
    KeepWidthInLayout(control, Scaled(control->sizeHint().width(), scale));
  }
}

// Fits the controls of `holder` and of what it holds, at a font `scale`
// times its size at 96 dots per inch; returns how far the holder itself must
// widen and grow. Controls placed by coordinates first take `scale` times
// their left edge and width, as their holder does.
QSize FitHolder(QWidget* holder, double scale) {
  const std::vector<QWidget*> children = PlacedChildren(holder);
  if (scale > 1.0 && holder->layout() == nullptr && PlacesChildren(holder)) {
    for (QWidget* child : children) {
      const QRect g = child->geometry();
      const int left = Scaled(g.left(), scale);
      child->setGeometry(left, g.top(), Scaled(g.left() + g.width(), scale) - left, g.height());
    }
  }
  std::map<QWidget*, QSize> inner;
  for (QWidget* child : children) inner[child] = FitHolder(child, scale);
  if (holder->layout() != nullptr) {
    for (QWidget* child : children) {
      if (scale > 1.0 && PlacesChildren(holder)) ScaleWidthLimits(child, scale);
      const int width =
          std::max(NeededWidth(child), inner[child].width() > 0 ? child->width() + inner[child].width() : 0);
      KeepWidthInLayout(child, width);
      int height = NeededHeight(child);
      const auto* label = qobject_cast<const QLabel*>(child);
      // A layout gives a wrapped label the height of its text at its width.
      if (label != nullptr && label->wordWrap()) height = 0;
      if (inner[child].height() > 0) height = child->height() + inner[child].height();
      if (auto* list = qobject_cast<const QListView*>(child)) {
        height = NeededListHeight(list, child->sizeHint().height());
      }
      if (height > 0) child->setMinimumHeight(std::max(child->minimumHeight(), height));
    }
    return {0, 0};
  }
  const int widened = WidenPlaced(holder, inner);
  std::vector<std::pair<QWidget*, int>> growths;
  for (QWidget* child : children) {
    int height = std::max(NeededHeight(child), child->height() + inner[child].height());
    if (auto* list = qobject_cast<const QListView*>(child)) {
      height = std::max(height, NeededListHeight(list, child->height()));
    }
    // A multi-line box, as tall as drawn at 96 dots per inch, shows as many
    // lines at `scale` times its height.
    if (scale > 1.0 && qobject_cast<const QPlainTextEdit*>(child) != nullptr) {
      height = std::max(height, Scaled(child->height(), scale));
    }
    if (child->height() < height) growths.emplace_back(child, height);
  }
  // Top to bottom, so that each growth moves the ones below it once.
  std::stable_sort(growths.begin(), growths.end(),
                   [](const auto& a, const auto& b) { return a.first->y() < b.first->y(); });
  int grown = 0;
  for (const auto& [control, height] : growths) {
    grown += GrowInPlace(holder, control, height, holder->height() + grown);
  }
  return {widened, grown};
}

// Grows a laid-out window to the height its layout needs at its width, and
// to `least_width`, each time the window is shown, before it appears.
class GrowOnShow : public QObject {
 public:
  GrowOnShow(QWidget* window, int least_width)
      : QObject(window), window_(window), least_width_(least_width) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == window_ && event->type() == QEvent::Show) Grow();
    return false;
  }

 private:
  void Grow() {
    if (window_->width() < least_width_) window_->resize(least_width_, window_->height());
    QLayout* layout = window_->layout();
    layout->activate();
    const int needed = layout->hasHeightForWidth() ? layout->totalMinimumHeightForWidth(window_->width())
                                                   : layout->totalMinimumSize().height();
    if (window_->height() < needed) window_->resize(window_->width(), needed);
  }

  QWidget* window_;
  int least_width_;
};

void SetWidth(QWidget* window, int width) {
  if (window->minimumWidth() == window->maximumWidth()) {
    window->setFixedWidth(width);
  } else {
    window->resize(width, window->height());
  }
}

}  // namespace

void FitListText(QComboBox* combo) { KeepWidthInLayout(combo, NeededListTextWidth(combo)); }

void FitTextSizes(QWidget* window) {
  window->ensurePolished();
  // A window's size and least width are for 96 dots per inch too.
  const double scale = FontScale(window);
  if (scale > 1.0 && window->minimumWidth() > 0 && window->minimumWidth() < window->maximumWidth()) {
    window->setMinimumWidth(Scaled(window->minimumWidth(), scale));
  }
  if (scale > 1.0 && window->testAttribute(Qt::WA_Resized)) {
    SetWidth(window, Scaled(window->width(), scale));
    // A multi-line box in a layout takes the height the others leave it: the
    // window takes `scale` times its height, so that the box shows as many
    // lines as at 96 dots per inch.
    if (window->layout() != nullptr && !window->findChildren<QPlainTextEdit*>().isEmpty()) {
      window->resize(window->width(), Scaled(window->height(), scale));
    }
  }
  const QSize grown = FitHolder(window, scale);
  const QSize size = window->size() + grown;
  if (grown.width() > 0) SetWidth(window, size.width());
  if (grown.height() > 0) {
    if (window->minimumHeight() == window->maximumHeight()) {
      window->setFixedHeight(size.height());
    } else {
      window->resize(window->width(), size.height());
    }
  }
  // A window that takes the size its layout gives it is at least 200 pixels
  // wide, as Qt makes it at 96 dots per inch.
  constexpr int kLeastWindowWidth = 200;
  const int least_width =
      scale > 1.0 && !window->testAttribute(Qt::WA_Resized) ? Scaled(kLeastWindowWidth, scale) : 0;
  if (window->layout() != nullptr) window->installEventFilter(new GrowOnShow(window, least_width));
}

}  // namespace vb
