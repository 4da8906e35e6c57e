#pragma once

#include <QDialog>

// A window shown modally that ignores the system's close command and Esc: it is left only
// through its own exit command, which calls leave().
class ShellDialog : public QDialog
{
    Q_OBJECT

public:
    using QDialog::QDialog;

    void reject() override {}
    void leave() { done(QDialog::Accepted); }
};
