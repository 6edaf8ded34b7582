#include "shell/advice_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "shell/qt_text.h"
#include "shell/resource_library.h"

namespace vantrel {

AdviceBox::AdviceBox(QWidget* parent)
    : QDialog(parent), picture_(new QLabel(this)), message_(new QLabel(this)),
      dontShow_(new QCheckBox(tr("&Don't show this message box again"), this)) {
    setWindowTitle(tr("Information"));
    setObjectName("frmAdvice");
    message_->setWordWrap(true);
    message_->setMinimumWidth(360);
    message_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* grid = new QGridLayout(this);
    grid->addWidget(picture_, 0, 0);
    grid->addWidget(message_, 0, 1);
    grid->addWidget(dontShow_, 1, 1);
    grid->addWidget(buttons, 2, 0, 1, 2);
    grid->setColumnStretch(1, 1);
}

void AdviceBox::setMessage(std::string_view text, AdvicePage page) {
    message_->setText(toQt(text));
    const QImage picture = LoadResourcePicture(page == AdvicePage::Color ? "Color" : "640x480");
    picture_->setPixmap(QPixmap::fromImage(picture));
    picture_->setVisible(!picture.isNull());
}

bool AdviceBox::dontShowAgain() const { return dontShow_->isChecked(); }

bool QtAdviceDialog::run(std::string_view text, AdvicePage page) {
    AdviceBox box(parent_);
    box.setMessage(text, page);
    box.exec();
    return box.dontShowAgain();
}

}  // namespace vantrel
