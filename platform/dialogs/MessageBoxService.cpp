#include "platform/dialogs/MessageBoxService.h"

#include <QMessageBox>

namespace dlg {

namespace {

QMessageBox::StandardButton toStandard(Button button)
{
    switch (button) {
    case Button::Ok:
        return QMessageBox::Ok;
    case Button::Yes:
        return QMessageBox::Yes;
    case Button::No:
        return QMessageBox::No;
    case Button::Cancel:
        return QMessageBox::Cancel;
    case Button::None:
        break;
    }
    return QMessageBox::NoButton;
}

QMessageBox::Icon toIcon(Icon icon)
{
    switch (icon) {
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::Warning:
        return QMessageBox::Warning;
    case Icon::Error:
        return QMessageBox::Critical;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

Button MessageBoxService::show(QWidget* parent, const Request& request)
{
    QMessageBox box(toIcon(request.icon), request.title, request.text, QMessageBox::NoButton, parent);
    // line breaks in the system's texts are single carriage returns
    box.setText(QString(request.text).replace(QLatin1Char('\r'), QLatin1Char('\n')));
    for (Button b : {Button::Ok, Button::Yes, Button::No, Button::Cancel}) {
        if (request.buttons.testFlag(b))
            box.addButton(toStandard(b));
    }
    box.setDefaultButton(toStandard(request.defaultButton));
    const int result = box.exec();
    for (Button b : {Button::Ok, Button::Yes, Button::No, Button::Cancel}) {
        if (result == toStandard(b))
            return b;
    }
    return request.buttons.testFlag(Button::Cancel) ? Button::Cancel
           : request.buttons.testFlag(Button::No)   ? Button::No
                                                    : Button::Ok;
}

} // namespace dlg
