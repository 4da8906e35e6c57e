#pragma once

#include "platform/dialogs/DialogService.h"

#include <deque>
#include <vector>

namespace testing_support {

// Answers boxes from a queue (OK when it runs dry) and records every box shown.
class ScriptedDialogs final : public dlg::DialogService
{
public:
    dlg::Button show(QWidget* parent, const dlg::Request& request) override;

    void answer(dlg::Button button) { m_answers.push_back(button); }
    const std::vector<dlg::Request>& shown() const { return m_shown; }
    QStringList texts() const;
    void clear() { m_shown.clear(); }

private:
    std::deque<dlg::Button> m_answers;
    std::vector<dlg::Request> m_shown;
};

// Installs a ScriptedDialogs for the lifetime of the object.
class DialogScript final
{
public:
    DialogScript();
    ~DialogScript();
    ScriptedDialogs& operator*() { return *m_dialogs; }
    ScriptedDialogs* operator->() { return m_dialogs; }

private:
    ScriptedDialogs* m_dialogs;
};

} // namespace testing_support
