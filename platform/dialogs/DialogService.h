#pragma once

#include <QFlags>
#include <QString>

#include <memory>

class QWidget;

namespace dlg {

enum class Icon { None, Information, Warning, Error, Question };

enum class Button { None = 0, Ok = 1, Yes = 2, No = 4, Cancel = 8 };
Q_DECLARE_FLAGS(Buttons, Button)

struct Request
{
    QString title;
    QString text;
    Icon icon = Icon::None;
    Buttons buttons = Button::Ok;
    Button defaultButton = Button::Ok;
};

// Every message, question and error box of the program goes through the installed service,
// so tests can read the boxes and answer them.
class DialogService
{
public:
    virtual ~DialogService() = default;
    virtual Button show(QWidget* parent, const Request& request) = 0;
};

// Installs a service (tests); null puts the real boxes back.
void setDialogService(std::unique_ptr<DialogService> service);
DialogService& dialogService();

// A plain message with OK, titled with the application's name.
void showMessage(QWidget* parent, const QString& text);
// A question box with Yes and No; true for Yes.
bool askYesNo(QWidget* parent, const QString& title, const QString& text, Icon icon = Icon::Question,
              Button defaultButton = Button::Yes);
// The application's error report: an error box with the failure's text.
void showError(QWidget* parent, const QString& text, const QString& title = {});

} // namespace dlg

Q_DECLARE_OPERATORS_FOR_FLAGS(dlg::Buttons)
