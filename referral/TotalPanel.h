#pragma once

class QFrame;
class QLabel;
class QWidget;

// The purple "Total Geral " panel with the row counter lbl_total_aluno beneath it.
QFrame* totalPanel(QWidget* parent, QLabel** counter);
