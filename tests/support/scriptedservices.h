#pragma once

#include "common/services.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <QTime>

#include <functional>
#include <random>

// Services under the test's control: every box is recorded and answered from a script,
// draws come from a script, program end is only counted.
class ScriptedServices : public Services
{
public:
    struct Box
    {
        QString text;
        QString title;
        MsgIcon icon;
        MsgButtons buttons;
        MsgResult answer;
    };
    struct Prompt
    {
        QString text;
        QString title;
        QString proposed;
        QString answer;
    };

    explicit ScriptedServices(const QString &programFolder, const QString &driveC);

    MsgResult messageBox(const QString &text, const QString &title, MsgIcon icon,
                         MsgButtons buttons) override;
    QString prompt(const QString &text, const QString &title, const QString &proposed) override;
    void randomize() override;
    double rnd() override;
    void programEnd() override;
    QString programFolder() const override { return m_programFolder; }
    // The program folder moved or renamed between two starts.
    void moveProgramFolder(const QString &folder) { m_programFolder = folder; }
    QString driveC() const override { return m_driveC; }
    QTime timeOfDay() const override { return time; }
    QString fetchText(const QString &url) override;
    bool canReadFolder(const QString &folder) override;

    // Answers for question boxes (Yes/No, Yes/No/Cancel), in order. An OK box needs none.
    QQueue<MsgResult> answers;
    // Answers for text prompts, in order.
    QQueue<QString> promptAnswers;
    // Runs inside every prompt, before it answers: what a player's slow answer lets happen.
    std::function<void()> duringPrompt;
    // Runs once while the next box is open, after it is recorded: what happens meanwhile
    // (a race running on its timers) before the player answers.
    std::function<void()> duringNextBox;
    // Fractions for rnd(), in order; when empty a fixed-seed generator takes over.
    QQueue<double> draws;
    // Answers for web fetches, in order. An unscripted fetch answers the game's own version,
    // so a test that outlives the start-up check's two seconds sees no notice and no box.
    QQueue<QString> fetchAnswers;
    // Folders whose volume never answers; any other folder answers as the disk does.
    QStringList silentFolders;

    QList<Box> boxes;
    QList<Prompt> prompts;
    // Question boxes or prompts that came with no scripted answer: the test failed to foresee them.
    QStringList unexpected;
    int randomizeCalls = 0;
    int rndCalls = 0;
    int programEnds = 0;
    // Every address fetched, in order; nothing ever reaches the network.
    QStringList fetches;
    QTime time{12, 34, 56};

    QStringList boxTexts() const;

private:
    QString m_programFolder;
    QString m_driveC;
    std::mt19937_64 m_fallback{20021206};
};
