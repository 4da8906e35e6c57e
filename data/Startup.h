#pragma once

class QApplication;

// The program's start: visual style, locale, the long-lived objects in their fixed order,
// then the event loop; the long-lived objects are gone again when it returns. Returns the
// program's exit code.
int runQuenara(QApplication& app);

// Deletes the long-lived windows and the data module (each global set back to null).
void destroyLongLived();
