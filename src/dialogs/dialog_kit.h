#pragma once
// Small pieces the program's dialogs share: the hourglass pointer, the
// node code kept in tree items, and tree pictures with their see-through
// colour.
#include <QApplication>
#include <QColor>
#include <QIcon>

namespace vantrel {

class DrawingHost;

namespace dialogs {

inline constexpr int CodeRole = Qt::UserRole;
inline const QColor SeeThrough(128, 0, 0);  // of the tree pictures

struct Hourglass {
    Hourglass() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Hourglass() { QApplication::restoreOverrideCursor(); }
    Hourglass(const Hourglass&) = delete;
    Hourglass& operator=(const Hourglass&) = delete;
};

// A picture of the library as a tree icon; none when it is missing.
QIcon treeIcon(DrawingHost& pictures, const char* name);

}  // namespace dialogs
}  // namespace vantrel
