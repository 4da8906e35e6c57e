#pragma once

#include <QString>

namespace ds {

// What ApplyUpdates did. A failed change stays pending in the dataset.
struct ApplyResult
{
    enum class Failure {
        None,
        Conflict,      // another workstation changed or deleted the row since it was read
        DatabaseError, // the server refused the statement; message holds its text
    };

    int errorCount = 0;
    Failure failure = Failure::None;
    QString message;

    bool ok() const { return errorCount == 0; }
};

} // namespace ds
