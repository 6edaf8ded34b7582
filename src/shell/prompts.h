#pragma once
// The message boxes of the main window: the information box, the error
// box and the OK/Cancel question. Tests give the window their own.
#include <string_view>

class QWidget;

namespace vantrel {

class Prompts {
public:
    virtual ~Prompts() = default;
    virtual void info(std::string_view text) = 0;
    virtual void error(std::string_view text) = 0;
    virtual bool confirm(std::string_view text) = 0;  // true on OK
};

// Modal QMessageBox over `parent`, titled with the program's name.
class BoxPrompts : public Prompts {
public:
    explicit BoxPrompts(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    void info(std::string_view text) override;
    void error(std::string_view text) override;
    bool confirm(std::string_view text) override;

private:
    QWidget* parent_;
};

}  // namespace vantrel
