#include "dialogs/about_dialog.h"

#include "core/text_formats.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

namespace dialogs {

const char* AboutVersionPrefix() { return "Kliven Preprocessor Version "; }

void ShowAboutBox(QWidget* parent) {
    QDialog dialog(parent);
    dialog.setObjectName("aboutBox");
    dialog.setWindowTitle("About dravonet");
    auto* icon = new QLabel(&dialog);
    const QIcon programIcon = parent && !parent->windowIcon().isNull()
                                  ? parent->windowIcon()
                                  : QApplication::style()->standardIcon(QStyle::SP_ComputerIcon);
    icon->setPixmap(programIcon.pixmap(32, 32));
    auto* version =
        new QLabel(QString::fromStdString(AboutVersionPrefix() + GetProgramVersionText()), &dialog);
    version->setObjectName("c1778");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addWidget(version, 1);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(row);
    layout->addWidget(buttons);
    dialog.exec();
}

}  // namespace dialogs
