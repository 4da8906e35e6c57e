#pragma once

#include <QString>

#include <functional>

class QWidget;

// The signed-in user: the login stays in the login form's user box for the whole run; the
// form names the box here when it is created.
void setSignedInLoginSource(std::function<QString()> source);
QString signedInLogin();

enum class AccessVariant { Silent, Announcing };

// Admits only the signed-in user whose NIVEL is exactly level. The first check of the run
// opens CdsUsuario with the last sign-in's parameters and that row serves every later check.
// A refusal shows the "Sem Permissão" box; returns whether the caller may go on.
bool checkAccess(QWidget* parent, const QString& level, AccessVariant variant);
