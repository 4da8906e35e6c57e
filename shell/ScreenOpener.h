#pragma once

#include <QString>

#include <functional>
#include <map>

class QDialog;
class QWidget;

namespace shell {

// What a menu entry or picture of a shell opens. An empty one leaves its entry in place,
// doing nothing, until its screen exists.
using Opener = std::function<void(QWidget* owner)>;
using OpenerTable = std::map<QString, Opener>; // by the entry's objectName

// Creates the screen over owner, shows it modally and deletes it when it closes; a failure
// while creating or running it goes to the error report.
void openModal(QWidget* owner, const std::function<QDialog*(QWidget*)>& create);

template <class Screen> Opener modal()
{
    return [](QWidget* owner) {
        openModal(owner, [](QWidget* parent) -> QDialog* { return new Screen(parent); });
    };
}

// Connects each menu entry of owner named in the table to its opener.
void connectOpeners(QWidget* owner, const OpenerTable& table);

} // namespace shell
