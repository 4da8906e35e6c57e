#pragma once

#include "shell/ShellDialog.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class TFrm_Whats final : public ShellDialog
{
    Q_OBJECT

public:
    explicit TFrm_Whats(QWidget* parent = nullptr);

    QLineEdit* edt_ddi;
    QLineEdit* edt_ddd;
    QLineEdit* edtnumero;
    QLineEdit* edtnome;
    QPlainTextEdit* Memo1;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3;
    QPushButton* Button4;

    void Button1Click();
    void Button2Click();
    void Button4Click();

private:
    void openAndClose(const QString& address);
};

// The click-to-chat address: "/send/?phone=" and the number, then "&text=" and the greeting
// with name and message, percent-encoded so that "&", "#" and the like reach WhatsApp.
QString whatsappAddress(const QString& number, const QString& name, const QString& message);
// The same without a message.
QString whatsappDirectAddress(const QString& number);
