#pragma once
// How the windows' event filters are made: each is owned by the widget it serves, so Qt
// deletes it with that widget, and is installed on that widget.
#include <QWidget>
#include <utility>

namespace quarvel::qt {

template <typename Filter, typename... Args>
Filter& InstallOwnedFilter(QWidget& widget, Args&&... args) {
  auto* filter = new Filter(std::forward<Args>(args)...);
  filter->setParent(&widget);  // owned by the widget
  widget.installEventFilter(filter);
  return *filter;
}

}  // namespace quarvel::qt
