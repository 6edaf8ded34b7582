#include "shell/about_box.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "shell/core/texts.h"
#include "shell/qt_text.h"

namespace vantrel {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName("frmAbout");
    setWindowTitle(tr("About %1").arg(toQt(ProgramTitle)));
    setModal(true);
    auto* title = new QLabel(toQt(ProgramTitle), this);
    title->setObjectName("lblTitle");
    QFont big = title->font();
    big.setPointSize(big.pointSize() * 2);
    big.setBold(true);
    title->setFont(big);
    auto* version = new QLabel(versionLine(), this);
    version->setObjectName("lblVersion");
    auto* what = new QLabel(tr("Patience games for the Linux desktop."), this);
    auto* licence = new QLabel(tr("This program is free software: you can redistribute it and/or modify it\n"
                                  "under the terms of the GNU General Public License, version 3 or later."),
                               this);
    licence->setObjectName("lblLicence");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(24, 20, 24, 16);
    column->setSpacing(8);
    for (QLabel* l : {title, version, what, licence}) {
        l->setAlignment(Qt::AlignHCenter);
        column->addWidget(l);
    }
    column->addSpacing(8);
    column->addWidget(buttons);
    setFixedSize(sizeHint());
}

QString AboutBox::versionLine() { return tr("Version %1").arg(QStringLiteral(VANTREL_VERSION)); }

}  // namespace vantrel
