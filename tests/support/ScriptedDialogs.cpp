#include "tests/support/ScriptedDialogs.h"

#include <QStringList>

namespace testing_support {

dlg::Button ScriptedDialogs::show(QWidget*, const dlg::Request& request)
{
    m_shown.push_back(request);
    if (m_answers.empty())
        return request.buttons.testFlag(dlg::Button::Ok) ? dlg::Button::Ok : request.defaultButton;
    const dlg::Button answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

QStringList ScriptedDialogs::texts() const
{
    QStringList out;
    for (const dlg::Request& r : m_shown)
        out << r.text;
    return out;
}

DialogScript::DialogScript()
{
    auto dialogs = std::make_unique<ScriptedDialogs>();
    m_dialogs = dialogs.get();
    dlg::setDialogService(std::move(dialogs));
}

DialogScript::~DialogScript()
{
    dlg::setDialogService(nullptr);
}

} // namespace testing_support
