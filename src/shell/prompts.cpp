#include "shell/prompts.h"

#include <QMessageBox>

#include "shell/core/texts.h"
#include "shell/qt_text.h"

namespace vantrel {

void BoxPrompts::info(std::string_view text) {
    QMessageBox::information(parent_, toQt(ProgramTitle), toQt(text));
}

void BoxPrompts::error(std::string_view text) {
    QMessageBox::critical(parent_, QStringLiteral("Error"), toQt(text));
}

bool BoxPrompts::confirm(std::string_view text) {
    return QMessageBox::question(parent_, toQt(ProgramTitle), toQt(text), QMessageBox::Ok | QMessageBox::Cancel,
                                 QMessageBox::Ok) == QMessageBox::Ok;
}

}  // namespace vantrel
