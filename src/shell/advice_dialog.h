#pragma once
// The advice box: a message, a small picture for its kind, "Don't show
// this message box again" and OK.
#include <QDialog>

#include "shell/core/advice.h"

class QCheckBox;
class QLabel;

namespace vantrel {

class AdviceBox : public QDialog {
    Q_OBJECT
public:
    explicit AdviceBox(QWidget* parent = nullptr);
    void setMessage(std::string_view text, AdvicePage page);
    bool dontShowAgain() const;

private:
    QLabel* picture_;
    QLabel* message_;
    QCheckBox* dontShow_;
};

// Runs the box modally over `parent`.
class QtAdviceDialog : public AdviceDialog {
public:
    explicit QtAdviceDialog(QWidget* parent) : parent_(parent) {}
    bool run(std::string_view text, AdvicePage page) override;

private:
    QWidget* parent_;
};

}  // namespace vantrel
