#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

class TFrm_rede final : public QDialog
{
    Q_OBJECT

public:
    explicit TFrm_rede(QWidget* parent = nullptr);

    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3;
    QLabel* Label1;
    QLabel* Label2;

    void Button1Click();
    void Button2Click();

protected:
    void showEvent(QShowEvent* event) override;
};
