#pragma once
// The desktop style with its toolbar extension arrows read as the PNG
// pictures they are. The base style adds them by file name, and reading a
// picture of unnamed format loads every image format plugin (the vector
// one with its library) before the first window shows.
#include <QProxyStyle>

namespace vantrel {

class ProgramStyle : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

}  // namespace vantrel
