#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

class TForm_sobre final : public QDialog
{
    Q_OBJECT

public:
    explicit TForm_sobre(QWidget* parent = nullptr);

    QLabel* lblCrome;
    QLabel* lblInternet;
    QPushButton* BtnSair;

    void lblCromeClick();
    void lblInternetClick();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// The application's title: the executable's file name without its folder, cut before its
// first dot, every letter after the first in lower case.
QString applicationTitle();
