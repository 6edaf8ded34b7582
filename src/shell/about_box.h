#pragma once
// The about box: the program's name, its version and its licence.
#include <QDialog>

namespace vantrel {

class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);
    // "Version 0.1"
    static QString versionLine();
};

}  // namespace vantrel
