#include "scriptedservices.h"

#include <QFileInfo>

#include <utility>

ScriptedServices::ScriptedServices(const QString &programFolder, const QString &driveC)
    : m_programFolder(programFolder), m_driveC(driveC)
{}

MsgResult ScriptedServices::messageBox(const QString &text, const QString &title, MsgIcon icon,
                                       MsgButtons buttons)
{
    MsgResult answer = MsgResult::Ok;
    if (buttons != MsgButtons::Ok) {
        if (answers.isEmpty()) {
            unexpected << QStringLiteral("question: ") + text;
            answer = buttons == MsgButtons::YesNo ? MsgResult::No : MsgResult::Cancel;
        } else {
            answer = answers.dequeue();
        }
    }
    boxes.append(Box{text, title, icon, buttons, answer});
    if (duringNextBox)
        std::exchange(duringNextBox, {})();
    return answer;
}

QString ScriptedServices::prompt(const QString &text, const QString &title, const QString &proposed)
{
    if (duringPrompt)
        duringPrompt();
    QString answer;
    if (promptAnswers.isEmpty())
        unexpected << QStringLiteral("prompt: ") + text;
    else
        answer = promptAnswers.dequeue();
    prompts.append(Prompt{text, title, proposed, answer});
    return answer;
}

void ScriptedServices::randomize()
{
    ++randomizeCalls;
}

double ScriptedServices::rnd()
{
    ++rndCalls;
    if (!draws.isEmpty())
        return draws.dequeue();
    return std::generate_canonical<double, 53>(m_fallback);
}

void ScriptedServices::programEnd()
{
    ++programEnds;
}

QString ScriptedServices::fetchText(const QString &url)
{
    fetches << url;
    return fetchAnswers.isEmpty() ? QStringLiteral("66") : fetchAnswers.dequeue();
}

bool ScriptedServices::canReadFolder(const QString &folder)
{
    return !silentFolders.contains(folder) && QFileInfo(folder).isReadable();
}

QStringList ScriptedServices::boxTexts() const
{
    QStringList texts;
    for (const Box &box : boxes)
        texts << box.text;
    return texts;
}
