#pragma once

#include <QWidget>
#include <vector>

// Puts the widgets into the keyboard tab order one after the other, starting after the
// first.
inline void ChainTabOrder(const std::vector<QWidget*>& widgets) {
  for (std::size_t i = 1; i < widgets.size(); ++i) {
    QWidget::setTabOrder(widgets[i - 1], widgets[i]);
  }
}
